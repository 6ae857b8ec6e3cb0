#include "CDragDropListCtrl.h"
#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "ListTexts.h"
#include "MainResources.h"
#include "PrivateSettings.h"
#include "PromptRecorder.h"
#include "WindowFixture.h"
#include "TestImages.h"

#include <QtCore/QTemporaryDir>
#include <QtCore/QTimer>
#include <QtGui/QAction>
#include <QtTest/QtTest>
#include <QtWidgets/QLabel>
#include <QtWidgets/QMenu>
#include <QtWidgets/QTabBar>

#include <cstring>
#include <memory>
#include <vector>

namespace {

// Four satellites; ASTRA has four transponders, the first carrying four TV
// and four radio programs; HOTBIRD one transponder with one TV program.
ImageBuilder CommandImage()
{
    ImageBuilder builder;
    builder.AddSatellite(MakeSatellite(1, "ASTRA", 192));
    builder.AddSatellite(MakeSatellite(2, "HOTBIRD", 130));
    builder.AddSatellite(MakeSatellite(3, "THOR", 8));
    builder.AddSatellite(MakeSatellite(4, "SIRIUS", 50));
    builder.AddTransponder(MakeTransponder(10, 1, 11700));
    builder.AddTransponder(MakeTransponder(11, 1, 11720));
    builder.AddTransponder(MakeTransponder(12, 1, 11740));
    builder.AddTransponder(MakeTransponder(13, 1, 11760));
    builder.AddTransponder(MakeTransponder(20, 2, 10719));
    builder.AddTv(MakeProgram(1, 10, 101, "A1", 0x101));
    builder.AddTv(MakeProgram(1, 10, 102, "A2", 0x102));
    builder.AddTv(MakeProgram(1, 10, 103, "A3", 0x103));
    builder.AddTv(MakeProgram(1, 10, 104, "A4", 0x104));
    builder.AddTv(MakeProgram(2, 20, 201, "H1", 0x201));
    builder.AddRadio(MakeProgram(1, 10, 301, "R1", 0));
    builder.AddRadio(MakeProgram(1, 10, 302, "R2", 0));
    builder.AddRadio(MakeProgram(1, 10, 303, "R3", 0));
    builder.AddRadio(MakeProgram(1, 10, 304, "R4", 0));
    builder.AddRadio(MakeProgram(1, 11, 305, "R5", 0));
    return builder;
}

} // namespace

class TestRecordCommands : public QObject, protected WindowFixture {
    Q_OBJECT

private:
    CDragDropListCtrl& List() const { return *m_dialog->RecordList(); }
    QWidget* Viewport() const { return List().viewport(); }

    void ShowList(int listType, int tab)
    {
        ServiceTab()->setCurrentIndex(tab);
        ChooseList(listType);
    }

    QStringList Column(int column) const { return ColumnTexts(List(), column); }

    QStringList Counters() const
    {
        QStringList texts;
        for (const int id : { IDC_SAT_COUNT, IDC_TP_COUNT, IDC_TV_COUNT, IDC_RADIO_COUNT })
            texts.append(qobject_cast<QLabel*>(m_dialog->Control(id))->text());
        return texts;
    }

    std::vector<uint8_t> Image() const
    {
        const uint8_t* image = m_app->Database().m_Image;
        return std::vector<uint8_t>(image, image + IMAGE_SIZE);
    }

    QPoint RowPoint(int row) const { return { 40, List().rowViewportPosition(row) + List().rowHeight(row) / 2 }; }

    void Send(QEvent::Type type, const QPoint& point, Qt::MouseButton button, Qt::MouseButtons held)
    {
        QMouseEvent event(type, QPointF(point), QPointF(Viewport()->mapToGlobal(point)), button, held, Qt::NoModifier);
        QApplication::sendEvent(Viewport(), &event);
    }

    // Press on a row, move down across the rows in between, release on the
    // last, then let the window handle what the list posted.
    void DragRow(int fromRow, int toRow)
    {
        Send(QEvent::MouseButtonPress, RowPoint(fromRow), Qt::LeftButton, Qt::LeftButton);
        for (int row = fromRow; row <= toRow; ++row)
            Send(QEvent::MouseMove, RowPoint(row) + QPoint(20, 0), Qt::NoButton, Qt::LeftButton);
        Send(QEvent::MouseButtonRelease, RowPoint(toRow) + QPoint(20, 0), Qt::LeftButton, Qt::NoButton);
        QCoreApplication::sendPostedEvents(m_dialog.get());
    }

    void SelectRows(std::initializer_list<int> rows)
    {
        List().clearSelection();
        for (const int row : rows)
            List().SetItemSelected(row, true);
    }

    // Right-clicks a row and picks "delete" from the menu that opens; false
    // when no menu opened.
    bool DeleteFromMenu(const QPoint& point)
    {
        bool menuShown = false;
        QTimer::singleShot(0, this, [&menuShown] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu)
                return;
            menuShown = true;
            for (QAction* action : menu->actions()) {
                if (action->data().toInt() == ID_LIST_DELETE)
                    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            }
        });
        QContextMenuEvent event(QContextMenuEvent::Mouse, point, Viewport()->mapToGlobal(point));
        QApplication::sendEvent(Viewport(), &event);
        QCoreApplication::processEvents();
        return menuShown;
    }


private slots:
    void init()
    {
        OpenFreshWindow();
        const QString path = m_dir->filePath(QStringLiteral("commands.bin"));
        QVERIFY(WriteBytes(path, CommandImage().Build()));
        m_dialog->OpenImage(path);
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    void cleanup() { CloseWindow(); }

    void lists_data()
    {
        QTest::addColumn<int>("listType");
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("moved");
        QTest::addColumn<QString>("refusal");
        QTest::addColumn<QStringList>("kept");
        QTest::addColumn<QStringList>("counters");

        QTest::newRow("satellites") << LIST_SATELLITES << 0 << 1
                                    << QStringList { "ASTRA", "HOTBIRD", "THOR", "SIRIUS" }
                                    << QStringList { "HOTBIRD", "THOR", "ASTRA", "SIRIUS" }
                                    << "Move sat index is wrong!" << QStringList { "THOR" }
                                    << QStringList { "Sat: 1", "TP: 0", "TV: 0", "Radio: 0" };
        QTest::newRow("transponders") << LIST_TRANSPONDERS << 0 << 1
                                      << QStringList { "11700", "11720", "11740", "11760" }
                                      << QStringList { "11720", "11740", "11700", "11760" }
                                      << "Move TP index is wrong!" << QStringList { "11740" }
                                      << QStringList { "Sat: 4", "TP: 2", "TV: 1", "Radio: 0" };
        QTest::newRow("tv programs") << LIST_PROGRAMS << 0 << 1 << QStringList { "A1", "A2", "A3", "A4", "H1" }
                                     << QStringList { "A2", "A3", "A1", "A4", "H1" } << "Move Tv index is wrong!"
                                     << QStringList { "A3", "H1" }
                                     << QStringList { "Sat: 4", "TP: 5", "TV: 2", "Radio: 5" };
        QTest::newRow("radio programs") << LIST_PROGRAMS << 1 << 1 << QStringList { "R1", "R2", "R3", "R4", "R5" }
                                        << QStringList { "R2", "R3", "R1", "R4", "R5" }
                                        << "Move Radio index is wrong!" << QStringList { "R3", "R5" }
                                        << QStringList { "Sat: 4", "TP: 5", "TV: 5", "Radio: 2" };
        QTest::newRow("tv of a transponder") << LIST_TP_PROGRAMS << 0 << 1 << QStringList { "A1", "A2", "A3", "A4" }
                                             << QStringList { "A2", "A3", "A1", "A4" }
                                             << "Move tv under tp index is wrong!" << QStringList { "A3" }
                                             << QStringList { "Sat: 4", "TP: 5", "TV: 2", "Radio: 5" };
        QTest::newRow("radio of a transponder")
            << LIST_TP_PROGRAMS << 1 << 1 << QStringList { "R1", "R2", "R3", "R4" }
            << QStringList { "R2", "R3", "R1", "R4" } << "Move radio under tp index is wrong!"
            << QStringList { "R3" } << QStringList { "Sat: 4", "TP: 5", "TV: 5", "Radio: 2" };
    }

    void aDropReordersTheImageAndTheListShowsIt_data() { lists_data(); }
    void aDropReordersTheImageAndTheListShowsIt()
    {
        QFETCH(int, listType);
        QFETCH(int, tab);
        QFETCH(int, column);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, moved);
        ShowList(listType, tab);
        QCOMPARE(Column(column), shown);

        SelectRows({ 0 });
        DragRow(0, 2);
        QVERIFY(m_prompts.messages.isEmpty());
        QCOMPARE(View().listType, listType);
        QCOMPARE(Column(column), moved);
        QCOMPARE(Column(0).first(), QStringLiteral("1"));
        QCOMPARE(Column(0).last(), QString::number(moved.size()));
        QCOMPARE(List().GetSelectedRows(), std::vector<int> { 2 });

        // The list was rebuilt from the image: decoding it again shows the same.
        ChooseList(listType);
        QCOMPARE(Column(column), moved);
    }

    void aRefusedMoveShowsItsTextAndLeavesTheImage_data() { lists_data(); }
    void aRefusedMoveShowsItsTextAndLeavesTheImage()
    {
        QFETCH(int, listType);
        QFETCH(int, tab);
        QFETCH(int, column);
        QFETCH(QStringList, moved);
        QFETCH(QString, refusal);
        QFETCH(QStringList, shown);
        // The directory cannot be rewritten without erasing the image's
        // signature: any move is refused.
        ImageBuilder builder = CommandImage();
        builder.TableAt(TABLE_SATELLITES, 0x100).TableAt(TABLE_TRANSPONDERS, 0x200).TableAt(TABLE_TV, 0x300);
        builder.TableAt(TABLE_RADIO, 0x400).SignatureAt(builder.DirectoryBlockOffset() + 0x20);
        const QString path = m_dir->filePath(QStringLiteral("unmovable.bin"));
        QVERIFY(WriteBytes(path, builder.Build()));
        QVERIFY(m_dialog->OpenImage(path));
        ShowList(listType, tab);

        SelectRows({ 0 });
        DragRow(0, 2);
        QCOMPARE(m_prompts.Texts(), QStringList { refusal });
        QCOMPARE(m_prompts.messages[0].title, QStringLiteral("Waring"));
        // The list shows the order the image holds.
        QCOMPARE(Column(column), shown);
    }

    void deletingAsksAndRemovesEverySelectedRow_data() { lists_data(); }
    void deletingAsksAndRemovesEverySelectedRow()
    {
        QFETCH(int, listType);
        QFETCH(int, tab);
        QFETCH(int, column);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, kept);
        QFETCH(QStringList, counters);
        ShowList(listType, tab);
        const std::vector<uint8_t> image = Image();
        const QStringList shownCounters = Counters();

        SelectRows({ 0, 1, 3 });
        m_prompts.answers = { PromptAnswer::No };
        QVERIFY(DeleteFromMenu(RowPoint(1)));
        QCOMPARE(m_prompts.messages.size(), 1);
        QCOMPARE(m_prompts.messages[0].text, QStringLiteral("Are you sure to delete!"));
        QCOMPARE(m_prompts.messages[0].title, QStringLiteral("Info"));
        QCOMPARE(m_prompts.messages[0].buttons, PromptButtons::YesNo);
        QVERIFY(Image() == image);
        QCOMPARE(Column(column), shown);
        QCOMPARE(Counters(), shownCounters);

        m_prompts.answers = { PromptAnswer::Yes };
        QVERIFY(DeleteFromMenu(RowPoint(3)));
        QCOMPARE(m_prompts.messages.size(), 2);
        QCOMPARE(View().listType, listType);
        QCOMPARE(Column(column), kept);
        QCOMPARE(Counters(), counters);
    }

    void rightClickBelowTheRowsOpensNoMenu()
    {
        ShowList(LIST_SATELLITES, 0);
        SelectRows({ 0 });
        const int below = List().rowViewportPosition(3) + 3 * List().rowHeight(3);
        QVERIFY(!DeleteFromMenu(QPoint(40, below)));
        QVERIFY(m_prompts.messages.isEmpty());
        QCOMPARE(List().GetItemCount(), 4);
    }

    void rightClickKeepsTheSelectedRows()
    {
        ShowList(LIST_SATELLITES, 0);
        SelectRows({ 2, 3 });
        m_prompts.answers = { PromptAnswer::No };
        QVERIFY(DeleteFromMenu(RowPoint(3)));
        QCOMPARE(List().GetSelectedRows(), (std::vector<int> { 2, 3 }));
    }

    void theDeleteKeyDeletesTheSelectedRows()
    {
        ShowList(LIST_PROGRAMS, 0);
        m_dialog->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_dialog.get()));
        List().setFocus();
        SelectRows({ 1, 2 });
        m_prompts.answers = { PromptAnswer::Yes };
        QTest::keyClick(&List(), Qt::Key_Delete);
        QCOMPARE(m_prompts.Texts(), QStringList { "Are you sure to delete!" });
        QCOMPARE(Column(1), (QStringList { "A1", "A4", "H1" }));

        List().clearSelection();
        QTest::keyClick(&List(), Qt::Key_Delete);
        QCOMPARE(m_prompts.messages.size(), 1);
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const PrivateSettings settings;
    CTavrelApp app(argc, argv);
    TestRecordCommands test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestRecordCommands.moc"
