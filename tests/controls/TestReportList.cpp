#include "CReportListCtrl.h"
#include "ListTexts.h"

#include <QtTest/QtTest>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QScrollBar>

class TestReportList : public QObject {
    Q_OBJECT

private:
    static void Fill(CReportListCtrl& list, int rows)
    {
        list.InsertColumn(0, QStringLiteral("No."), 60);
        list.InsertColumn(1, QStringLiteral("Name"), 80);
        for (int row = 0; row < rows; ++row) {
            list.InsertItem(row, QString::number(row + 1));
            list.SetItemText(row, 1, QStringLiteral("name %1").arg(row));
            list.SetItemData(row, static_cast<quintptr>(100 + row));
        }
    }

private slots:
    void rowsKeepTheirTextsAndData()
    {
        CReportListCtrl list;
        Fill(list, 3);
        QCOMPARE(list.GetItemCount(), 3);
        QCOMPARE(list.GetItemText(2, 1), QStringLiteral("name 2"));
        QCOMPARE(list.GetItemData(1), quintptr(101));
        list.InsertItem(1, QStringLiteral("new"));
        QCOMPARE(list.GetItemText(1, 0), QStringLiteral("new"));
        QCOMPARE(list.GetItemText(1, 1), QString());
        QCOMPARE(list.GetItemText(2, 1), QStringLiteral("name 1"));
        QVERIFY(list.DeleteItem(0));
        QVERIFY(!list.DeleteItem(7));
        QCOMPARE(list.GetItemText(0, 0), QStringLiteral("new"));
        QCOMPARE(list.GetItemText(5, 0), QString());
        QCOMPARE(list.model()->data(list.model()->index(1, 1)).toString(), QStringLiteral("name 1"));
    }

    void deletingColumnZeroRepeatedlyClearsEveryColumn()
    {
        CReportListCtrl list;
        Fill(list, 2);
        for (int i = 0; i < 12; ++i)
            list.DeleteColumn(0);
        QCOMPARE(list.GetColumnCount(), 0);
        list.InsertColumn(0, QStringLiteral("Other"), 40);
        QCOMPARE(list.GetColumnHeading(0), QStringLiteral("Other"));
    }

    void selectionIsPerRow()
    {
        CReportListCtrl list;
        Fill(list, 6);
        QCOMPARE(list.GetNextSelected(), -1);
        list.SetItemSelected(1, true);
        list.SetItemSelected(4, true);
        QCOMPARE(list.GetNextSelected(), 1);
        QCOMPARE(list.GetNextSelected(1), 4);
        QCOMPARE(list.GetNextSelected(4), -1);
        QCOMPARE(list.GetSelectedRows(), std::vector<int>({ 1, 4 }));
        list.SetItemSelected(1, false);
        QVERIFY(!list.IsItemSelected(1));
        QVERIFY(list.IsItemSelected(4));
    }

    void deferredFillShowsEverythingAtOnce()
    {
        CReportListCtrl list;
        QSignalSpy resets(list.model(), &QAbstractItemModel::modelReset);
        QSignalSpy inserts(list.model(), &QAbstractItemModel::rowsInserted);
        list.SetRedraw(false);
        Fill(list, 500);
        list.SetRedraw(true);
        QCOMPARE(resets.count(), 1);
        QCOMPARE(inserts.count(), 0);
        QCOMPARE(list.GetItemCount(), 500);
        QCOMPARE(list.GetColumnCount(), 2);
        QVERIFY(list.GetColumnWidth(1) >= 80);
        QVERIFY(list.GetColumnWidth(1) > list.GetColumnWidth(0));
    }

    void aFilterShowsTheRowsThatMatchAndCountsThem()
    {
        CReportListCtrl list;
        Fill(list, 12);
        list.SetItemSelected(0, true);
        list.SetItemSelected(10, true);
        list.SetItemSelected(11, true);
        // "1" is in the numbers 1, 10, 11, 12 and in "name 1", "name 10", "name 11".
        list.SetRowFilter(QStringLiteral("1"), { QStringLiteral("No."), QStringLiteral("Name") });
        QVERIFY(list.IsFiltered());
        QCOMPARE(ColumnTexts(list, 0), QStringList({ "1", "2", "10", "11", "12" }));
        QCOMPARE(list.SourceRow(2), 9);
        QCOMPARE(list.ShownRow(9), 2);
        QCOMPARE(list.ShownRow(4), -1);
        QCOMPARE(list.GetItemData(2), quintptr(109));
        QCOMPARE(list.GetSourceItemCount(), 12);
        QCOMPARE(list.GetSourceItemText(4, 1), QStringLiteral("name 4"));
        // Rows the filter hides are no longer selected; the others stay.
        QCOMPARE(list.GetSelectedRows(), std::vector<int>({ 0, 3, 4 }));

        list.SetRowFilter(QStringLiteral("NAME 1"), { QStringLiteral("Name") });
        QCOMPARE(ColumnTexts(list, 0), QStringList({ "2", "11", "12" }));

        // A refill shows all rows while it runs and filters them at its end.
        list.SetRedraw(false);
        list.DeleteAllItems();
        QCOMPARE(list.GetItemCount(), 0);
        Fill(list, 3);
        QCOMPARE(list.GetItemCount(), 3);
        list.SetRedraw(true);
        QCOMPARE(ColumnTexts(list, 0), QStringList({ "2" }));

        list.SetRowFilter(QString(), { QStringLiteral("Name") });
        QVERIFY(!list.IsFiltered());
        QCOMPARE(list.GetItemCount(), 3);
    }

    void rowsInsertedOrDeletedWhileFilteredKeepTheirPlaces()
    {
        CReportListCtrl list;
        Fill(list, 5);
        list.SetRowFilter(QStringLiteral("name 3"), { QStringLiteral("Name") });
        QCOMPARE(list.GetItemCount(), 1);
        list.InsertItem(0, QStringLiteral("new"));
        QCOMPARE(ColumnTexts(list, 0), QStringList({ "new", "4" }));
        QCOMPARE(list.SourceRow(0), 3);
        QVERIFY(list.DeleteItem(1));
        QCOMPARE(list.GetSourceItemCount(), 5);
        list.SetRowFilter(QString(), {});
        QCOMPARE(ColumnTexts(list, 0), QStringList({ "1", "2", "3", "new", "5" }));
    }

    void aRebuiltListHasItsScrollBarsAtOnce()
    {
        CReportListCtrl list;
        list.resize(200, 150);
        Fill(list, 40);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        list.horizontalScrollBar()->setValue(list.horizontalScrollBar()->maximum());
        // Rebuilt with other columns and no events in between: what a
        // paint would show now must already fit the new columns.
        list.SetRedraw(false);
        list.DeleteColumn(0);
        list.DeleteColumn(0);
        list.InsertColumn(0, QStringLiteral("Wide"), 300);
        list.SetRedraw(true);
        const QScrollBar* bar = list.horizontalScrollBar();
        QCOMPARE(bar->maximum(), list.horizontalHeader()->length() - list.viewport()->width());
        QCOMPARE(bar->value(), list.horizontalHeader()->offset());
    }

    void rightClickReportsTheRowUnderTheCursorAndKeysTheCurrentRow()
    {
        CReportListCtrl list;
        Fill(list, 3);
        list.resize(300, 200);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        QSignalSpy clicks(&list, &CReportListCtrl::rowRightClicked);
        const QPoint onRow1 = list.visualRect(list.model()->index(1, 0)).center();
        QContextMenuEvent onRow(QContextMenuEvent::Mouse, onRow1, list.viewport()->mapToGlobal(onRow1));
        QApplication::sendEvent(list.viewport(), &onRow);
        QContextMenuEvent below(QContextMenuEvent::Mouse, QPoint(5, 190), list.viewport()->mapToGlobal(QPoint(5, 190)));
        QApplication::sendEvent(list.viewport(), &below);
        // The menu key and Enter act on the current row, wherever the mouse is.
        list.setCurrentIndex(list.model()->index(2, 0));
        QContextMenuEvent key(QContextMenuEvent::Keyboard, QPoint(5, 190), list.viewport()->mapToGlobal(QPoint(5, 190)));
        QApplication::sendEvent(list.viewport(), &key);
        QSignalSpy edits(&list, &CReportListCtrl::rowDoubleClicked);
        QTest::keyClick(&list, Qt::Key_Return);
        QCOMPARE(clicks.count(), 3);
        QCOMPARE(clicks[0][0].toInt(), 1);
        QCOMPARE(clicks[1][0].toInt(), -1);
        QCOMPARE(clicks[2][0].toInt(), 2);
        QCOMPARE(edits.count(), 1);
        QCOMPARE(edits[0][0].toInt(), 2);
    }
};

QTEST_MAIN(TestReportList)
#include "TestReportList.moc"
