#include "CDragDropListCtrl.h"
#include "DragImage.h"
#include "ListTexts.h"
#include "RowMover.h"

#include <QtCore/QTimer>
#include <QtTest/QtTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QVBoxLayout>

#include <memory>
#include <vector>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// Stands for the main window: holds the list, counts the moves asked for
// and moves the rows as asked.
class MoveCounter : public QWidget {
public:
    int moves = 0;

    void Follow(CDragDropListCtrl& list)
    {
        QObject::connect(&list, &CDragDropListCtrl::moveRequested, this, [this, &list](int position) {
            ++moves;
            list.MoveSelectedTo(position);
        });
    }
};

} // namespace

class TestDragDropList : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<MoveCounter> m_window;
    CDragDropListCtrl* m_list = nullptr;

    QWidget* Viewport() const { return m_list->viewport(); }

    void Fill(int rows)
    {
        m_list->InsertColumn(0, QStringLiteral("No."), 60);
        m_list->InsertColumn(1, QStringLiteral("Name"), 80);
        for (int row = 0; row < rows; ++row) {
            m_list->InsertItem(row, QString::number(row + 1));
            m_list->SetItemText(row, 1, QStringLiteral("name %1").arg(row));
            m_list->SetItemData(row, static_cast<quintptr>(100 + row));
        }
    }

    void Select(std::initializer_list<int> rows)
    {
        m_list->clearSelection();
        for (const int row : rows)
            m_list->SetItemSelected(row, true);
    }

    QPoint RowPoint(int row, int x = 30) const
    {
        return { x, m_list->rowViewportPosition(row) + m_list->rowHeight(row) / 2 };
    }

    // Mouse events built by hand: they carry the held buttons on every move.
    void Send(QEvent::Type type, const QPoint& point, Qt::MouseButton button, Qt::MouseButtons held,
        Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QMouseEvent event(type, QPointF(point), QPointF(Viewport()->mapToGlobal(point)), button, held, modifiers);
        QApplication::sendEvent(Viewport(), &event);
    }
    void Press(const QPoint& point, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Send(QEvent::MouseButtonPress, point, Qt::LeftButton, Qt::LeftButton, modifiers);
    }
    void MoveHeld(const QPoint& point) { Send(QEvent::MouseMove, point, Qt::NoButton, Qt::LeftButton); }
    void Release(const QPoint& point) { Send(QEvent::MouseButtonRelease, point, Qt::LeftButton, Qt::NoButton); }

    void Click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        Press(RowPoint(row), modifiers);
        Send(QEvent::MouseButtonRelease, RowPoint(row), Qt::LeftButton, Qt::NoButton, modifiers);
    }

    // Presses on one row, passes over the rows in between and releases on another.
    void Drag(int fromRow, int toRow)
    {
        Press(RowPoint(fromRow));
        const int step = fromRow <= toRow ? 1 : -1;
        MoveHeld(RowPoint(fromRow, 50));
        for (int row = fromRow; row != toRow + step; row += step)
            MoveHeld(RowPoint(row, 50));
        Release(RowPoint(toRow, 50));
    }

    QStringList Column(int column) const { return ColumnTexts(*m_list, column); }

    static QStringList Numbers(std::initializer_list<int> rows)
    {
        QStringList texts;
        for (const int row : rows)
            texts.append(QString::number(row + 1));
        return texts;
    }

    std::vector<int> SelectedRows() const { return m_list->GetSelectedRows(); }

private slots:
    void init()
    {
        m_window = std::make_unique<MoveCounter>();
        auto* layout = new QVBoxLayout(m_window.get());
        m_list = new CDragDropListCtrl(m_window.get());
        layout->addWidget(m_list);
        m_window->Follow(*m_list);
        m_window->resize(300, 400);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() { m_window.reset(); }

    void movedRowsLandRightAfterTheDropRow_data()
    {
        QTest::addColumn<int>("rowCount");
        QTest::addColumn<std::vector<int>>("dragged");
        QTest::addColumn<int>("dropRow");
        QTest::addColumn<std::vector<int>>("order");

        QTest::newRow("down past rows") << 8 << std::vector { 2, 3 } << 5 << std::vector { 0, 1, 4, 5, 2, 3, 6, 7 };
        QTest::newRow("up") << 8 << std::vector { 5 } << 1 << std::vector { 0, 1, 5, 2, 3, 4, 6, 7 };
        QTest::newRow("onto the row above") << 8 << std::vector { 5 } << 4 << std::vector { 0, 1, 2, 3, 4, 5, 6, 7 };
        QTest::newRow("two onto the row above") << 5 << std::vector { 1, 2 } << 0 << std::vector { 0, 1, 2, 3, 4 };
        QTest::newRow("onto the last row") << 6 << std::vector { 1, 3 } << 5 << std::vector { 0, 2, 4, 5, 1, 3 };
        QTest::newRow("no row marked yet") << 9 << std::vector { 0, 7 } << -1
                                          << std::vector { 0, 7, 1, 2, 3, 4, 5, 6, 8 };
        QTest::newRow("from both sides") << 10 << std::vector { 1, 6, 8 } << 4
                                        << std::vector { 0, 2, 3, 4, 1, 6, 8, 5, 7, 9 };
        QTest::newRow("in the order given") << 6 << std::vector { 4, 0, 2 } << 3 << std::vector { 1, 3, 4, 0, 2, 5 };
        QTest::newRow("in the order given, on top") << 5 << std::vector { 3, 0 } << -1 << std::vector { 3, 0, 1, 2, 4 };
        QTest::newRow("drop row beyond the end") << 4 << std::vector { 0 } << 9 << std::vector { 1, 2, 3, 0 };
        QTest::newRow("rows outside the list") << 4 << std::vector { -1, 2, 4 } << -1 << std::vector { 2, 0, 1, 3 };
        QTest::newRow("empty list") << 0 << std::vector { 0 } << 3 << std::vector<int> {};
    }

    void movedRowsLandRightAfterTheDropRow()
    {
        QFETCH(int, rowCount);
        QFETCH(std::vector<int>, dragged);
        QFETCH(int, dropRow);
        QFETCH(std::vector<int>, order);
        QCOMPARE(MoveRows(rowCount, dragged, dropRow), order);
    }

    void keyboardMovesAreDropsAtAPositionOfTheRowsShown()
    {
        // Selected rows (shown), rows shown, key -> position; 0: nothing to do.
        QCOMPARE(PositionForKeyMove(RowKeyMove::Up, { 3, 4 }, 10), 3);
        QCOMPARE(PositionForKeyMove(RowKeyMove::Up, { 0, 4 }, 10), 0);
        QCOMPARE(PositionForKeyMove(RowKeyMove::Down, { 3, 4 }, 10), 5);
        QCOMPARE(PositionForKeyMove(RowKeyMove::Down, { 0, 2 }, 10), 3);
        QCOMPARE(PositionForKeyMove(RowKeyMove::Down, { 2, 9 }, 10), 0);
        QCOMPARE(PositionForKeyMove(RowKeyMove::Top, { 5 }, 10), 1);
        QCOMPARE(PositionForKeyMove(RowKeyMove::Bottom, { 5 }, 10), 10);
        QCOMPARE(PositionForKeyMove(RowKeyMove::Bottom, {}, 10), 0);

        // Shown source rows, moving source rows, position -> the row to drop after.
        QCOMPARE(DropIndexForPosition({ 0, 1, 2, 3, 4 }, { 3 }, 1), std::optional(-1));
        QCOMPARE(DropIndexForPosition({ 0, 1, 2, 3, 4 }, { 0, 1 }, 3), std::optional(3));
        QCOMPARE(DropIndexForPosition({ 0, 1, 2, 3, 4 }, { 0, 1 }, 99), std::optional(4));
        // Filtered: after the second row that stays shown, hidden rows and all.
        QCOMPARE(DropIndexForPosition({ 1, 4, 6, 8 }, { 1 }, 3), std::optional(6));
        QCOMPARE(DropIndexForPosition({ 1, 4 }, { 1, 4 }, 2), std::nullopt);
    }

    void draggingCarriesTextsDataAndSelectionAndTellsTheWindowAfterwards()
    {
        Fill(10);
        Select({ 2, 3 });
        Drag(2, 5);
        QVERIFY(!m_list->IsDragging());
        QCOMPARE(Column(0), Numbers({ 0, 1, 4, 5, 2, 3, 6, 7, 8, 9 }));
        QCOMPARE(m_list->GetItemText(4, 1), QStringLiteral("name 2"));
        QCOMPARE(m_list->GetItemData(4), quintptr(102));
        QCOMPARE(m_list->GetItemData(3), quintptr(105));
        QCOMPARE(SelectedRows(), (std::vector { 4, 5 }));
        QCOMPARE(m_list->DropIndex(), 5);

        QCOMPARE(m_window->moves, 1);
    }

    void whileFilteredTheRowsLandAfterTheDropRowAmongAllRows()
    {
        Fill(8);
        for (int row = 0; row < 8; row += 2)
            m_list->SetItemText(row, 1, QStringLiteral("other %1").arg(row));
        m_list->SetRowFilter(QStringLiteral("name"), { QStringLiteral("Name") });
        QCOMPARE(Column(0), Numbers({ 1, 3, 5, 7 }));
        Select({ 0 });
        Drag(0, 2);
        QCOMPARE(Column(0), Numbers({ 3, 5, 1, 7 }));
        QCOMPARE(SelectedRows(), std::vector<int>({ 2 }));
        m_list->SetRowFilter(QString(), {});
        // Row 2 moved right after row 6; the hidden rows kept their order.
        QCOMPARE(Column(0), Numbers({ 0, 2, 3, 4, 5, 1, 6, 7 }));
    }

    void aDropInPlaceStillTellsTheWindow()
    {
        Fill(6);
        Select({ 1, 2 });
        Drag(2, 0);
        QCOMPARE(Column(0), Numbers({ 0, 1, 2, 3, 4, 5 }));
        QCOMPARE(SelectedRows(), (std::vector { 1, 2 }));
        QCOMPARE(m_window->moves, 1);
    }

    void theRowUnderTheCursorIsHighlightedAndTheImageFollows()
    {
        Fill(10);
        Select({ 1 });
        Press(RowPoint(1));
        MoveHeld(RowPoint(4, 60));
        QVERIFY(m_list->IsDragging());
        QCOMPARE(SelectedRows(), (std::vector { 1, 4 }));
        MoveHeld(RowPoint(6, 60));
        QCOMPARE(SelectedRows(), (std::vector { 1, 6 }));

        const auto images = m_window->findChildren<DragImage*>();
        QCOMPARE(images.size(), 1);
        QVERIFY(images[0]->isVisible());
        const QPoint cursor = m_window->mapFromGlobal(Viewport()->mapToGlobal(RowPoint(6, 60)));
        QVERIFY(images[0]->geometry().contains(cursor));
        QCOMPARE(images[0]->height(), m_list->rowHeight(1));

        Release(RowPoint(6, 60));
        QVERIFY(m_window->findChildren<DragImage*>().isEmpty());
        QCOMPARE(Column(0), Numbers({ 0, 2, 3, 4, 5, 6, 1, 7, 8, 9 }));
        QCOMPARE(SelectedRows(), (std::vector { 6 }));
    }

    void releasingOutsideTheListDropsAfterTheRowMarkedLast()
    {
        Fill(8);
        Select({ 0 });
        Press(RowPoint(0));
        MoveHeld(RowPoint(3, 60));
        MoveHeld(QPoint(Viewport()->width() + 200, RowPoint(3).y()));
        Release(QPoint(-400, RowPoint(6).y()));
        QCOMPARE(Column(0), Numbers({ 1, 2, 3, 0, 4, 5, 6, 7 }));
    }

    void aDragThatNeverPassesARowInAFreshListMovesToTheTop()
    {
        Fill(9);
        Select({ 0, 7 });
        Press(RowPoint(7));
        MoveHeld(QPoint(30, -10));
        Release(QPoint(30, -10));
        QCOMPARE(Column(0), Numbers({ 0, 7, 1, 2, 3, 4, 5, 6, 8 }));
        QCOMPARE(SelectedRows(), (std::vector { 0, 1 }));
    }

    void escapeCancelsADrag()
    {
        Fill(6);
        Select({ 1, 2 });
        Press(RowPoint(1));
        MoveHeld(RowPoint(4, 60));
        QTest::keyClick(m_list, Qt::Key_Escape);
        QVERIFY(!m_list->IsDragging());
        QVERIFY(m_window->findChildren<DragImage*>().isEmpty());
        Release(RowPoint(4, 60));
        QCOMPARE(Column(0), Numbers({ 0, 1, 2, 3, 4, 5 }));
        QCOMPARE(SelectedRows(), (std::vector { 1, 2 }));
        QCOMPARE(m_window->moves, 0);
    }

    void rowsRefilledDuringADragCancelIt()
    {
        Fill(6);
        Select({ 1 });
        Press(RowPoint(1));
        MoveHeld(RowPoint(4, 60));
        QVERIFY(m_list->IsDragging());
        m_list->DeleteAllItems();
        for (int row = 0; row < 6; ++row)
            m_list->InsertItem(row, QString::number(row + 1));
        QVERIFY(!m_list->IsDragging());
        Release(RowPoint(4, 60));
        QCOMPARE(Column(0), Numbers({ 0, 1, 2, 3, 4, 5 }));
        QCOMPARE(m_window->moves, 0);
    }

    void holdingTheCursorAboveTheRowsScrollsAndWalksTheTargetUp()
    {
        Fill(200);
        QScrollBar* bar = m_list->verticalScrollBar();
        QCoreApplication::processEvents();
        m_list->scrollToBottom();
        QVERIFY(bar->value() > 10);
        const int top = m_list->rowAt(0) + 1;
        Select({ top });
        Press(RowPoint(top));
        MoveHeld(RowPoint(top, 60));
        QCOMPARE(m_list->DropIndex(), top);
        const int start = bar->value();

        MoveHeld(QPoint(60, -5));
        QTRY_VERIFY_WITH_TIMEOUT(bar->value() <= start - 3, 30000);
        QVERIFY(m_list->DropIndex() <= top - 3);

        MoveHeld(RowPoint(m_list->rowAt(10), 60));
        const int stopped = bar->value();
        // A timer fires after every timer due before it: a scroll still
        // running would have moved the bar by then.
        bool later = false;
        QTimer::singleShot(500, [&later] { later = true; });
        QVERIFY(QTest::qWaitFor([&later] { return later; }, 30000));
        QCOMPARE(bar->value(), stopped);
        Release(RowPoint(m_list->rowAt(10), 60));
    }

    void clicksStillSelectAsUsual()
    {
        Fill(6);
        Select({ 1, 2, 3 });
        Click(2);
        QCOMPARE(SelectedRows(), (std::vector { 2 }));
        Click(4, Qt::ControlModifier);
        QCOMPARE(SelectedRows(), (std::vector { 2, 4 }));
        Click(2, Qt::ControlModifier);
        QCOMPARE(SelectedRows(), (std::vector { 4 }));
        Click(0);
        Click(3, Qt::ShiftModifier);
        QCOMPARE(SelectedRows(), (std::vector { 0, 1, 2, 3 }));
        QCOMPARE(m_window->moves, 0);
    }

    void pressingOnAnUnselectedRowDragsItAlone()
    {
        Fill(6);
        Select({ 0 });
        Drag(3, 4);
        QCOMPARE(Column(0), Numbers({ 0, 1, 2, 4, 3, 5 }));
        QCOMPARE(SelectedRows(), (std::vector { 4 }));
    }

    void pressingBelowTheRowsStartsNoDrag()
    {
        Fill(3);
        const QPoint below(30, m_list->rowViewportPosition(2) + 3 * m_list->rowHeight(2));
        Press(below);
        MoveHeld(below + QPoint(0, 40));
        QVERIFY(!m_list->IsDragging());
        Release(below + QPoint(0, 40));
        QCOMPARE(m_window->moves, 0);
        QCOMPARE(Column(0), Numbers({ 0, 1, 2 }));
    }
};

QTEST_MAIN(TestDragDropList)

#include "TestDragDropList.moc"
