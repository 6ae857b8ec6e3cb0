#include "CReportListCtrl.h"

#include <QtTest/QtTest>

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

    void rightClickReportsTheRowUnderTheCursor()
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
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(clicks[0][0].toInt(), 1);
        QCOMPARE(clicks[1][0].toInt(), -1);
    }
};

QTEST_MAIN(TestReportList)
#include "TestReportList.moc"
