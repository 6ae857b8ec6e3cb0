// Undo and redo as the user reaches them, the user's place, the filter and
// the commands on many programs, over the real main window.
#include "CDragDropListCtrl.h"
#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "EditorResources.h"
#include "ImageDocument.h"
#include "ListTexts.h"
#include "MainResources.h"
#include "ModalDriver.h"
#include "PrivateSettings.h"
#include "ProgEditDlg.h"
#include "ProgramFlagsDlg.h"
#include "PromptRecorder.h"
#include "WindowFixture.h"
#include "RecordCommands.h"
#include "TestImages.h"
#include "ViewLists.h"

#include <QtCore/QTemporaryDir>
#include <QtGui/QAction>
#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QMenu>
#include <QtWidgets/QMenuBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTreeWidget>

#include <memory>
#include <vector>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

using Image = std::vector<uint8_t>;

// Three satellites. ASTRA's first transponder carries 60 TV programs (the
// first six with names to sort and find, then P06 to P59, service ids
// falling from 500) and two radio programs; HOTBIRD and THOR one each.
ImageBuilder EditImage()
{
    ImageBuilder builder;
    builder.AddSatellite(MakeSatellite(1, "ASTRA"));
    builder.AddSatellite(MakeSatellite(2, "HOTBIRD"));
    builder.AddSatellite(MakeSatellite(3, "THOR"));
    builder.AddTransponder(MakeTransponder(10, 1, 11700));
    builder.AddTransponder(MakeTransponder(11, 1, 11720));
    builder.AddTransponder(MakeTransponder(20, 2, 10719));
    builder.AddTransponder(MakeTransponder(30, 3, 10800));
    const char* named[] = { "delta", "x1", "Bravo", "x3", "alpha", "Charlie" };
    const uint8_t attributes[] = { 0x7F, 0x7F, 0x7D, 0x7F, 0xFF, 0x7F };
    for (uint16_t i = 0; i < 60; ++i) {
        const QByteArray name = i < 6 ? QByteArray(named[i]) : QStringLiteral("P%1").arg(i, 2, 10, QLatin1Char('0')).toLatin1();
        builder.AddTv(MakeProgram(1, 10, static_cast<uint16_t>(500 - i), name.constData(), static_cast<uint16_t>(0x100 + i)),
            i < 6 ? attributes[i] : 0x7F);
    }
    builder.AddTv(MakeProgram(2, 20, 1000, "H1", 0x300));
    builder.AddTv(MakeProgram(3, 30, 1001, "T1", 0x301));
    builder.AddRadio(MakeProgram(1, 10, 600, "R1", 0));
    builder.AddRadio(MakeProgram(1, 11, 601, "R2", 0));
    return builder;
}

QStringList Names(const ProgramRecord* table, uint16_t count)
{
    QStringList names;
    for (uint16_t i = 0; i < count; ++i)
        names.append(QString::fromLatin1(table[i].name));
    return names;
}

} // namespace

class TestEditing : public QObject, protected WindowFixture {
    Q_OBJECT

private:
    CDragDropListCtrl& List() const { return *m_dialog->RecordList(); }
    QTreeWidget& Tree() const { return *SatTree(); }
    const ImageDocument& History() const { return app().Document(); }
    QAction* Action(int id) const { return m_dialog->MenuAction(id); }

    Image Bytes() { return Image(db().m_Image, db().m_Image + IMAGE_SIZE); }
    QStringList TvNames() { return Names(db().m_TvTable, db().m_nTvCount); }
    QStringList Column(int column) const { return ColumnTexts(List(), column); }

    void Open(const Image& bytes)
    {
        const QString path = m_dir->filePath(QStringLiteral("edit.bin"));
        QVERIFY(WriteBytes(path, bytes));
        m_dialog->OpenImage(path);
    }

    QTreeWidgetItem* SatelliteNode(int sat) const { return Tree().topLevelItem(1)->child(sat); }

    void SelectRows(std::initializer_list<int> rows)
    {
        List().clearSelection();
        for (const int row : rows)
            List().SetItemSelected(row, true);
    }

    void Delete(std::initializer_list<int> rows)
    {
        SelectRows(rows);
        m_prompts.answers = { PromptAnswer::Yes };
        m_dialog->Records().OnDeleteRecords();
    }

    QPoint RowPoint(int row) const { return { 40, List().rowViewportPosition(row) + List().rowHeight(row) / 2 }; }

    void SendMouse(QEvent::Type type, const QPoint& point, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QWidget* viewport = List().viewport();
        QMouseEvent event(type, QPointF(point), QPointF(viewport->mapToGlobal(point)), button, held, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }

    void DragRow(int fromRow, int toRow)
    {
        SendMouse(QEvent::MouseButtonPress, RowPoint(fromRow), Qt::LeftButton, Qt::LeftButton);
        for (int row = fromRow; row <= toRow; ++row)
            SendMouse(QEvent::MouseMove, RowPoint(row) + QPoint(20, 0), Qt::NoButton, Qt::LeftButton);
        SendMouse(QEvent::MouseButtonRelease, RowPoint(toRow) + QPoint(20, 0), Qt::LeftButton, Qt::NoButton);
        QCoreApplication::sendPostedEvents(m_dialog.get());
    }

    // The commands the record list's context menu offers on a row.
    QStringList MenuTexts(int row)
    {
        QStringList texts;
        QTimer::singleShot(0, this, [&texts] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            for (const QAction* action : menu->actions()) {
                if (action->isVisible() && !action->isSeparator())
                    texts.append(action->text());
            }
            menu->close();
        });
        const QPoint point = RowPoint(row);
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, List().viewport()->mapToGlobal(point));
        QApplication::sendEvent(List().viewport(), &event);
        QCoreApplication::processEvents();
        return texts;
    }


private slots:
    void init()
    {
        OpenFreshWindow();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        Open(EditImage().Build());
    }

    void cleanup() { CloseWindow(); }

    void theEditMenuNamesTheStepsAndTakesTheKeys()
    {
        QStringList menus;
        for (const QAction* menu : m_dialog->findChild<QMenuBar*>()->actions())
            menus.append(menu->text());
        QCOMPARE(menus, QStringList({ "File", "Edit", "View", "Tools", "Help" }));
        QCOMPARE(Action(ID_EDIT_UNDO)->shortcuts(), QList<QKeySequence>({ QKeySequence(QStringLiteral("Ctrl+Z")) }));
        QCOMPARE(Action(ID_EDIT_REDO)->shortcuts(),
            QList<QKeySequence>({ QKeySequence(QStringLiteral("Ctrl+Shift+Z")), QKeySequence(QStringLiteral("Ctrl+Y")) }));
        QCOMPARE(Action(ID_EDIT_FIND)->shortcut(), QKeySequence(QKeySequence::Find));
        QVERIFY(!Action(ID_EDIT_UNDO)->isEnabled());
        QCOMPARE(Action(ID_EDIT_UNDO)->text(), QStringLiteral("Undo"));

        const Image opened = Bytes();
        Delete({ 0, 1, 3 });
        const Image deleted = Bytes();
        QVERIFY(deleted != opened);
        QVERIFY(Action(ID_EDIT_UNDO)->isEnabled());
        QCOMPARE(Action(ID_EDIT_UNDO)->text(), QStringLiteral("Undo delete 3 programs"));

        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        List().setFocus();
        QTest::keyClick(m_dialog.get(), Qt::Key_Z, Qt::ControlModifier);
        QVERIFY(Bytes() == opened);
        QCOMPARE(Action(ID_EDIT_REDO)->text(), QStringLiteral("Redo delete 3 programs"));
        QTest::keyClick(m_dialog.get(), Qt::Key_Y, Qt::ControlModifier);
        QVERIFY(Bytes() == deleted);
        QTest::keyClick(m_dialog.get(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(m_dialog.get(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(Bytes() == deleted);

        // A new image starts a new history.
        Open(EditImage().Build());
        QCOMPARE(int(History().HistorySize()), 0);
        QVERIFY(!Action(ID_EDIT_UNDO)->isEnabled());
        QVERIFY(!Action(ID_EDIT_REDO)->isEnabled());
    }

    void anEditorStepHoldsWhatItChanged()
    {
        const auto rename = [](const QString& name) {
            return [name](ProgEditDlg& dialog) {
                dialog.Control<QLineEdit>(IDC_PROG_NAME)->setText(name);
                QTest::mouseClick(dialog.Control<QPushButton>(IDC_PROG_OK), Qt::LeftButton);
            };
        };
        const auto edit = [this](std::function<void(ProgEditDlg&)> action) {
            ModalDriver<ProgEditDlg> driver(std::move(action));
            SelectRows({ 0 });
            m_dialog->Records().OnListDblClk(0);
            return driver.Ran();
        };
        QVERIFY(edit(rename(QStringLiteral("delta"))));
        QCOMPARE(int(History().HistorySize()), 0);
        QVERIFY(edit([](ProgEditDlg& dialog) { dialog.reject(); }));
        QCOMPARE(int(History().HistorySize()), 0);

        const Image before = Bytes();
        QVERIFY(edit(rename(QStringLiteral("Echo"))));
        QCOMPARE(int(History().HistorySize()), 1);
        QCOMPARE(QString::fromStdString(History().UndoStep()->description), QStringLiteral("edit program delta"));
        QVERIFY(History().UndoStep()->MemoryBytes() < 1024);
        m_dialog->OnEditUndo();
        QVERIFY(Bytes() == before);
        QCOMPARE(List().GetItemText(0, 1), QStringLiteral("delta"));
    }

    void theUserKeepsTheirPlace()
    {
        // A transponder's programs, scrolled down, two rows deleted.
        Tree().setCurrentItem(SatelliteNode(0)->child(0));
        QCOMPARE(View().listType, LIST_TP_PROGRAMS);
        List().verticalScrollBar()->setValue(12);
        Delete({ 20, 21 });
        QCOMPARE(Tree().currentItem(), SatelliteNode(0)->child(0));
        QVERIFY(SatelliteNode(0)->isExpanded());
        QVERIFY(Tree().topLevelItem(1)->isExpanded());
        QCOMPARE(View().listType, LIST_TP_PROGRAMS);
        QCOMPARE(List().GetItemCount(), 58);
        QCOMPARE(List().verticalScrollBar()->value(), 12);

        // Undone, the rows come back selected.
        m_dialog->OnEditUndo();
        QCOMPARE(Tree().currentItem(), SatelliteNode(0)->child(0));
        QCOMPARE(List().GetItemCount(), 60);
        QCOMPARE(List().GetSelectedRows(), std::vector<int>({ 20, 21 }));
        QCOMPARE(List().verticalScrollBar()->value(), 12);

        // A node whose record goes gives way to its parent.
        Tree().setCurrentItem(SatelliteNode(0));
        Delete({ 1 });
        m_dialog->OnEditUndo();
        Tree().setCurrentItem(SatelliteNode(0)->child(1));
        m_dialog->OnEditRedo();
        QCOMPARE(Tree().currentItem(), SatelliteNode(0));
        QCOMPARE(View().listType, LIST_TRANSPONDERS);
        QCOMPARE(List().GetItemCount(), 1);

        Tree().setCurrentItem(Tree().topLevelItem(1));
        Delete({ 1 });
        m_dialog->OnEditUndo();
        Tree().setCurrentItem(SatelliteNode(1));
        m_dialog->OnEditRedo();
        QCOMPARE(Tree().currentItem(), Tree().topLevelItem(1));
        QCOMPARE(View().listType, LIST_SATELLITES);
        QCOMPARE(Column(1), QStringList({ "ASTRA", "THOR" }));

        // A node that moves with its satellite is followed.
        m_dialog->OnEditUndo();
        Tree().setCurrentItem(SatelliteNode(2));
        const QStringList thor = Column(1);
        m_dialog->OnEditRedo();
        QCOMPARE(Tree().currentItem(), SatelliteNode(1));
        QCOMPARE(Column(1), thor);

        // Opening a file still shows the tree collapsed with nothing chosen.
        Open(EditImage().Build());
        QCOMPARE(Tree().currentItem(), nullptr);
        QVERIFY(!Tree().topLevelItem(1)->isExpanded());
    }

    void theFilterNarrowsTheRowsAndCommandsActOnThoseShown()
    {
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        List().setFocus();
        QTest::keyClick(m_dialog.get(), Qt::Key_F, Qt::ControlModifier);
        QLineEdit* filter = m_dialog->Filter();
        QVERIFY(filter->hasFocus());
        QTest::keyClicks(filter, QStringLiteral("A"));
        // Names with an "a"; no number or service id holds one.
        QCOMPARE(Column(1), QStringList({ "delta", "Bravo", "alpha", "Charlie" }));
        QCOMPARE(Column(0), QStringList({ "1", "3", "5", "6" }));
        // Enter goes to the rows, pressing no button of the window.
        QSignalSpy portButton(qobject_cast<QPushButton*>(m_dialog->Control(IDC_OPEN_COM)), &QPushButton::clicked);
        QTest::keyClick(filter, Qt::Key_Return);
        QVERIFY(List().hasFocus());
        QCOMPARE(portButton.count(), 0);
        QCOMPARE(Column(1).size(), 4);
        filter->setFocus();
        QTest::keyClick(filter, Qt::Key_Escape);
        QVERIFY(filter->text().isEmpty());
        QVERIFY(m_dialog->isVisible());
        QCOMPARE(List().GetItemCount(), 62);

        // Number 45 (P44), name P45, service ids 459 to 450 (P41 to P50) and 445.
        filter->setText(QStringLiteral("45"));
        QCOMPARE(Column(1), QStringList({ "P41", "P42", "P43", "P44", "P45", "P46", "P47", "P48", "P49", "P50", "P55" }));
        filter->setText(QStringLiteral("a"));

        // A double-click edits the record of the row shown.
        ModalDriver<ProgEditDlg> driver([](ProgEditDlg& dialog) {
            QCOMPARE(dialog.Control<QLineEdit>(IDC_PROG_NAME)->text(), QStringLiteral("alpha"));
            QCOMPARE(dialog.Control<QLineEdit>(IDC_PROG_NO)->text(), QStringLiteral("5"));
            dialog.reject();
        });
        SelectRows({ 2 });
        m_dialog->Records().OnListDblClk(2);
        QVERIFY(driver.Ran());

        // Dragged rows land after the drop row's record among all rows.
        SelectRows({ 0 });
        DragRow(0, 2);
        QCOMPARE(TvNames().mid(0, 7), QStringList({ "x1", "Bravo", "x3", "alpha", "delta", "Charlie", "P06" }));
        QCOMPARE(Column(1), QStringList({ "Bravo", "alpha", "delta", "Charlie" }));
        QCOMPARE(List().GetSelectedRows(), std::vector<int>({ 2 }));

        // Only the rows shown are deleted, even when hidden ones were selected.
        List().selectAll();
        filter->setText(QStringLiteral("ha"));
        m_prompts.answers = { PromptAnswer::Yes };
        m_dialog->Records().OnDeleteRecords();
        QCOMPARE(TvNames().mid(0, 5), QStringList({ "x1", "Bravo", "x3", "delta", "P06" }));
        QCOMPARE(db().m_nTvCount, 60);
    }

    void manyProgramsGetTheirFavouritesAndLockInOneStep()
    {
        const QStringList several = { "delete", "Move to position...", "Set favourites...", "Set child lock...", "Sort by name",
            "Sort by service id" };
        SelectRows({ 0, 2, 4 });
        QCOMPARE(MenuTexts(2), several);
        SelectRows({ 2 });
        QCOMPARE(MenuTexts(2), QStringList({ "delete", "Move to position...", "Sort by name", "Sort by service id" }));
        Tree().setCurrentItem(Tree().topLevelItem(1));
        SelectRows({ 0, 1 });
        QCOMPARE(MenuTexts(1), QStringList({ "delete", "Move to position..." }));
        Tree().setCurrentItem(Tree().topLevelItem(0));

        const Image before = Bytes();
        const std::vector<DirectoryEntry> entries = ImageEntries(db(), TABLE_TV);
        SelectRows({ 0, 2, 4 });
        ModalDriver<ProgramFlagsDlg> driver([](ProgramFlagsDlg& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Edit 3 programs"));
            QCOMPARE(dialog.focusWidget(), dialog.Control(IDC_FLAGS_CHILD_LOCK));
            // Only Bravo is in Movies; none is in any other group.
            QCOMPARE(dialog.Control<QCheckBox>(IDC_FLAGS_MOVIES)->checkState(), Qt::PartiallyChecked);
            QCOMPARE(dialog.Control<QCheckBox>(IDC_FLAGS_NEWS)->checkState(), Qt::Unchecked);
            QCOMPARE(dialog.Control<QComboBox>(IDC_FLAGS_CHILD_LOCK)->currentText(), QStringLiteral("Unchanged"));
            dialog.Control<QCheckBox>(IDC_FLAGS_MOVIES)->setCheckState(Qt::Checked);
            dialog.Control<QComboBox>(IDC_FLAGS_CHILD_LOCK)->setCurrentIndex(0);
            QTest::mouseClick(dialog.Control<QPushButton>(IDC_FLAGS_OK), Qt::LeftButton);
        });
        m_dialog->Records().OnListCommand(ID_LIST_SET_CHILD_LOCK);
        QVERIFY(driver.Ran());
        // Movies (bit 1) and the lock (bit 0) cleared; bit 7 and the records kept.
        std::vector<DirectoryEntry> expected = entries;
        for (const size_t k : { 0u, 2u, 4u })
            expected[k] &= ~0x03000000u;
        QCOMPARE(ImageEntries(db(), TABLE_TV), expected);
        QCOMPARE(EntryAttribute(expected[4]), uint8_t(0xFC));
        QCOMPARE(QString::fromStdString(History().UndoStep()->description), QStringLiteral("set favourites and child lock of 3 programs"));
        QCOMPARE(List().GetSelectedRows(), std::vector<int>({ 0, 2, 4 }));
        m_dialog->OnEditUndo();
        QVERIFY(Bytes() == before);
    }

    void sortingReordersTheChosenRowsOnly_data()
    {
        QTest::addColumn<std::vector<int>>("rows");
        QTest::addColumn<int>("command");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QStringList>("last");
        QTest::newRow("three by name") << std::vector { 0, 2, 4 } << ID_LIST_SORT_BY_NAME
                                       << QStringList { "alpha", "x1", "Bravo", "x3", "delta", "Charlie" }
                                       << QStringList { "P59", "H1", "T1" };
        QTest::newRow("all by service id") << std::vector { 3 } << ID_LIST_SORT_BY_SERVICE_ID
                                           << QStringList { "P59", "P58" }
                                           << QStringList { "delta", "H1", "T1" };
    }

    void sortingReordersTheChosenRowsOnly()
    {
        QFETCH(std::vector<int>, rows);
        QFETCH(int, command);
        QFETCH(QStringList, first);
        QFETCH(QStringList, last);
        const Image before = Bytes();
        List().clearSelection();
        for (const int row : rows)
            List().SetItemSelected(row, true);
        m_dialog->Records().OnListCommand(command);
        QCOMPARE(TvNames().mid(0, first.size()), first);
        QCOMPARE(TvNames().mid(TvNames().size() - last.size()), last);
        QCOMPARE(Column(1).mid(0, first.size()), first);
        QCOMPARE(int(History().HistorySize()), 1);
        m_dialog->OnEditUndo();
        QVERIFY(Bytes() == before);
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const PrivateSettings settings;
    CTavrelApp app(argc, argv);
    TestEditing test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestEditing.moc"
