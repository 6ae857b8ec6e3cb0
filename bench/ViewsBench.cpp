#include "CReportListCtrl.h"
#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "SampleImage.h"
#include "UserPrompts.h"

#include <QtCore/QFile>
#include <QtGui/QWindow>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QTreeWidgetItemIterator>

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>

namespace {

// The benchmarks have no receiver port; its start-up message must not wait for a click.
class SilentPrompts : public UserPrompts {
public:
    PromptAnswer Message(QWidget*, const QString&, const QString&, PromptIcon, PromptButtons) override
    {
        return PromptAnswer::Ok;
    }
    QString OpenFileName(QWidget*, const QString&) override { return QString(); }
    QString SaveFileName(QWidget*, const QString&, const QString&) override { return QString(); }
};

CTavrelApp& BenchApp()
{
    static SilentPrompts prompts;
    SetPrompts(&prompts);
    static int argc = 1;
    static char name[] = "tavrel_bench";
    static char* argv[] = { name, nullptr };
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static CTavrelApp app(argc, argv);
    return app;
}

void ShowAndPaint(CTavrelDlg& dialog)
{
    dialog.show();
    while (!dialog.windowHandle() || !dialog.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
}

// Decode, counters, the tree of 3152 nodes and the list of 4000 TV rows,
// as a dump brings them.
void ReloadViewsCapacityImage(benchmark::State& state)
{
    CTavrelApp& app = BenchApp();
    ImageDocument shown;
    CTavrelDlg dialog(shown, app.m_Ports);
    ShowAndPaint(dialog);
    const std::vector<uint8_t> image = MakeCapacityImage();
    for (auto _ : state)
        benchmark::DoNotOptimize(shown.AdoptDump(image));
    int treeItems = 0;
    for (QTreeWidgetItemIterator it(dialog.findChild<QTreeWidget*>()); *it; ++it)
        ++treeItems;
    if (dialog.RecordList()->GetItemCount() != 4000 || treeItems != 3152)
        state.SkipWithError("capacity image not shown in full");
}
BENCHMARK(ReloadViewsCapacityImage)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// From constructing the main window to its first paint, with the sample
// image opened as the command line does.
void MainWindowToFirstPaint(benchmark::State& state)
{
    CTavrelApp& app = BenchApp();
    const QString sample = QStringLiteral("sample-for-bench.bin");
    {
        const std::vector<uint8_t> image = MakeSampleImage();
        QFile file(sample);
        if (!file.open(QIODevice::WriteOnly)
            || file.write(reinterpret_cast<const char*>(image.data()), static_cast<qint64>(image.size())) < 0) {
            state.SkipWithError("cannot write the sample image");
            return;
        }
    }
    for (auto _ : state) {
        ImageDocument shown;
        auto dialog = std::make_unique<CTavrelDlg>(shown, app.m_Ports);
        dialog->OpenImage(sample);
        ShowAndPaint(*dialog);
        state.PauseTiming();
        dialog.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    QFile::remove(sample);
}
BENCHMARK(MainWindowToFirstPaint)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

} // namespace
