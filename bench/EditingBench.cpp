#include "BenchApp.h"
#include "CDragDropListCtrl.h"
#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "ImageDocument.h"
#include "RecordCommands.h"
#include "RowMover.h"
#include "SampleImage.h"
#include "UserPrompts.h"

#include <QtGui/QWindow>
#include <QtWidgets/QLineEdit>

#include <benchmark/benchmark.h>

#include <cstring>
#include <malloc.h>
#include <memory>
#include <numeric>
#include <random>

namespace {

// The main window, painted, with the capacity image's 4000 TV rows.
class CapacityWindow {
public:
    CapacityWindow()
    {
        SetPrompts(&m_prompts);
        CTavrelApp& app = WindowBenchApp();
        m_dialog = std::make_unique<CTavrelDlg>(m_document, app.m_Ports);
        m_dialog->show();
        while (!m_dialog->windowHandle() || !m_dialog->windowHandle()->isExposed())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        const std::vector<uint8_t> image = MakeCapacityImage();
        m_document.AdoptDump(image);
        QCoreApplication::processEvents();
    }
    ~CapacityWindow()
    {
        m_dialog.reset();
        SetPrompts(nullptr);
    }

    CTavrelDlg& Dialog() { return *m_dialog; }
    const uint8_t* Image() { return m_document.Database().m_Image; }

    // Every second row dragged behind the last, as a drop does it.
    void MoveHalfTheRowsToTheEnd()
    {
        CDragDropListCtrl& list = *m_dialog->RecordList();
        std::vector<int> everySecond;
        for (int row = 0; row < list.GetItemCount(); row += 2)
            everySecond.push_back(row);
        list.SelectRows(everySecond);
        list.ReorderRows(MoveRows(list.GetItemCount(), everySecond, list.GetItemCount() - 1));
        m_dialog->Records().OnMoveRecords();
        QCoreApplication::processEvents();
    }

private:
    SilentPrompts m_prompts;
    ImageDocument m_document;
    std::unique_ptr<CTavrelDlg> m_dialog;
};

// From the command to the rebuilt, painted views.
void UndoMoveOf2000Rows(benchmark::State& state)
{
    CapacityWindow window;
    window.MoveHalfTheRowsToTheEnd();
    const std::vector<uint8_t> moved(window.Image(), window.Image() + IMAGE_SIZE);
    for (auto _ : state) {
        window.Dialog().OnEditUndo();
        QCoreApplication::processEvents();
        state.PauseTiming();
        window.Dialog().OnEditRedo();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (std::memcmp(moved.data(), window.Image(), IMAGE_SIZE) != 0)
        state.SkipWithError("undo and redo did not return to the moved image");
}
BENCHMARK(UndoMoveOf2000Rows)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)->ReportAggregatesOnly(true);

void RedoMoveOf2000Rows(benchmark::State& state)
{
    CapacityWindow window;
    window.MoveHalfTheRowsToTheEnd();
    const std::vector<uint8_t> moved(window.Image(), window.Image() + IMAGE_SIZE);
    for (auto _ : state) {
        state.PauseTiming();
        window.Dialog().OnEditUndo();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        window.Dialog().OnEditRedo();
        QCoreApplication::processEvents();
    }
    if (std::memcmp(moved.data(), window.Image(), IMAGE_SIZE) != 0)
        state.SkipWithError("undo and redo did not return to the moved image");
}
BENCHMARK(RedoMoveOf2000Rows)->Unit(benchmark::kMillisecond)->Iterations(10)->Repetitions(3)->ReportAggregatesOnly(true);

// One keystroke in the filter over the 4000 TV rows, painted: typing
// "PROG 123" letter by letter, then clearing it, which shows all rows again.
void FilterKeystroke(benchmark::State& state)
{
    CapacityWindow window;
    QLineEdit* filter = window.Dialog().Filter();
    const QString typed = QStringLiteral("PROG 123");
    qsizetype length = 0;
    for (auto _ : state) {
        length = length == typed.size() ? 0 : length + 1;
        filter->setText(typed.left(length));
        QCoreApplication::processEvents();
    }
    if (window.Dialog().RecordList()->GetItemCount() != 4000)
        state.SkipWithError("the cleared filter does not show every row");
}
BENCHMARK(FilterKeystroke)->Unit(benchmark::kMillisecond)->Iterations(90)->Repetitions(3)->ReportAggregatesOnly(true);

// The worst keystroke: from one row shown back to all 4000.
void ClearFilterOver4000Rows(benchmark::State& state)
{
    CapacityWindow window;
    QLineEdit* filter = window.Dialog().Filter();
    for (auto _ : state) {
        state.PauseTiming();
        filter->setText(QStringLiteral("PROG 1234"));
        QCoreApplication::processEvents();
        state.ResumeTiming();
        filter->clear();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(ClearFilterOver4000Rows)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(3)->ReportAggregatesOnly(true);

size_t HeapInUse()
{
    return mallinfo2().uordblks;
}

// 1000 steps that each rewrite the whole directory of the capacity image
// (satellites in a new random order, regrouping every program), kept as
// the undo history keeps them. Reports their memory, and that of a
// typical record edit.
void MemoryOf1000DirectoryRewrites(benchmark::State& state)
{
    ImageDocument document;
    document.AdoptDump(MakeCapacityImage());
    std::mt19937 random(1);
    std::vector<uint32_t> order;
    for (uint16_t i = 0; i < document.Database().m_nSatCount; ++i)
        order.push_back(EntryOffset(document.Database().m_SatTable[i].entry));

    for (auto _ : state) {
        document.ClearHistory();
        size_t selfCounted = 0;
        size_t changed = 0;
        const size_t heapBefore = HeapInUse();
        for (int step = 0; step < 1000; ++step) {
            std::shuffle(order.begin(), order.end(), random);
            document.Apply("move 150 satellites", ImageEdit::Reorder({ LIST_SATELLITES, 0, 0, 0 }, order, {}));
            selfCounted += document.UndoStep()->MemoryBytes();
            changed += document.UndoStep()->delta.ChangedBytes();
        }
        const size_t heapAfter = HeapInUse();
        state.counters["steps"] = static_cast<double>(document.HistorySize());
        state.counters["MiB_counted"] = static_cast<double>(selfCounted) / (1 << 20);
        state.counters["MiB_heap"] = static_cast<double>(heapAfter - heapBefore) / (1 << 20);
        state.counters["KiB_changed_per_step"] = static_cast<double>(changed) / 1000 / 1024;
    }

    // A program renamed, as the program editor's OK writes it.
    ProgramRecord prog = document.Database().m_TvTable[7];
    std::memcpy(prog.name, "Renamed", 8);
    document.Apply("edit program PROG 0007", ImageEdit::WriteProgram(TABLE_TV, prog));
    state.counters["edit_step_bytes"] = static_cast<double>(document.UndoStep()->MemoryBytes());
}
BENCHMARK(MemoryOf1000DirectoryRewrites)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace
