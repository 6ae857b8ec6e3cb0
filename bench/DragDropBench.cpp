#include "BenchApp.h"
#include "CDragDropListCtrl.h"
#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "SampleImage.h"
#include "UserPrompts.h"

#include <QtCore/QItemSelection>
#include <QtGui/QMouseEvent>
#include <QtGui/QWindow>
#include <QtWidgets/QApplication>

#include <benchmark/benchmark.h>

#include <cstring>

namespace {

void SendMouse(QWidget* viewport, QEvent::Type type, const QPoint& point, Qt::MouseButton button,
    Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(point), QPointF(viewport->mapToGlobal(point)), button, held, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

QPoint RowPoint(const CDragDropListCtrl& list, int row)
{
    return { 40, list.rowViewportPosition(row) + list.rowHeight(row) / 2 };
}

// The capacity image's 4000 TV rows; every second one (2000 rows) is dragged
// onto the last row. Timed: from the button's release to the rebuilt and
// painted views, with the move written into the image.
void DragHalfTheTvRowsToTheEnd(benchmark::State& state)
{
    CTavrelApp& app = WindowBenchApp();
    ImageDocument shown;
    SilentPrompts silent;
    SetPrompts(&silent);
    CTavrelDlg dialog(shown, app.m_Ports);
    dialog.show();
    while (!dialog.windowHandle() || !dialog.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    const std::vector<uint8_t> image = MakeCapacityImage();
    CDragDropListCtrl& list = *dialog.RecordList();
    QWidget* viewport = list.viewport();

    for (auto _ : state) {
        state.PauseTiming();
        shown.AdoptDump(image);
        const int rows = list.GetItemCount();
        QItemSelection everySecond;
        for (int row = 0; row < rows; row += 2)
            everySecond.select(list.model()->index(row, 0), list.model()->index(row, list.GetColumnCount() - 1));
        list.selectionModel()->select(everySecond, QItemSelectionModel::ClearAndSelect);
        list.scrollToBottom();
        QCoreApplication::processEvents();
        const uint16_t secondId = shown.Database().m_TvTable[1].serviceId;
        const uint16_t lastDraggedId = shown.Database().m_TvTable[rows - 2].serviceId;
        const QPoint from = RowPoint(list, rows - 2);
        const QPoint to = RowPoint(list, rows - 1) + QPoint(20, 0);
        SendMouse(viewport, QEvent::MouseButtonPress, from, Qt::LeftButton, Qt::LeftButton);
        SendMouse(viewport, QEvent::MouseMove, to, Qt::NoButton, Qt::LeftButton);
        if (!list.IsDragging()) {
            state.SkipWithError("the drag did not start");
            break;
        }
        state.ResumeTiming();

        SendMouse(viewport, QEvent::MouseButtonRelease, to, Qt::LeftButton, Qt::NoButton);
        QCoreApplication::sendPostedEvents(&dialog);
        QCoreApplication::processEvents();

        state.PauseTiming();
        const ChannelDatabase& db = shown.Database();
        if (list.GetItemCount() != rows || db.m_TvTable[0].serviceId != secondId
            || db.m_TvTable[rows - 1].serviceId != lastDraggedId)
            state.SkipWithError("the rows did not move in the image");
        state.ResumeTiming();
    }
    SetPrompts(nullptr);
}
BENCHMARK(DragHalfTheTvRowsToTheEnd)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(3)
    ->ReportAggregatesOnly(true);

} // namespace
