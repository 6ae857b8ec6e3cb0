// The list check, the kept dumps, the recent files and moving rows by
// keyboard, over the real main window.
#include "CDragDropListCtrl.h"
#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "CheckListDlg.h"
#include "CodePageText.h"
#include "FindingText.h"
#include "ListCheck.h"
#include "KeptDumpsDlg.h"
#include "ListTools.h"
#include "MakerBlocks.h"
#include "ModalDriver.h"
#include "PrivateSettings.h"
#include "RecentFiles.h"
#include "RecordCommands.h"
#include "SampleImage.h"
#include "SilentLine.h"
#include "TestImages.h"
#include "WindowFixture.h"

#include <QtCore/QDir>
#include <QtGui/QAction>
#include <QtTest/QtTest>
#include <QtWidgets/QMenu>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidget>

#include <fstream>

namespace {

using Image = std::vector<uint8_t>;

// One satellite, one transponder, TV programs Alpha to Echo; with `faults`,
// two duplicates of Bravo and a program of a satellite that does not exist.
Image ListImage(bool faults)
{
    ImageBuilder b;
    b.AddSatellite(MakeSatellite(1, "ASTRA"));
    b.AddTransponder(MakeTransponder(10, 1, 11700));
    const char* names[] = { "Alpha", "Bravo", "Charlie", "Delta", "Echo" };
    for (uint16_t i = 0; i < 5; ++i)
        b.AddTv(MakeProgram(1, 10, uint16_t(100 + i), names[i], uint16_t(0x100 + i)));
    if (faults) {
        b.AddTv(MakeProgram(1, 10, 101, "Bravo2", 0x200));
        b.AddTv(MakeProgram(1, 10, 101, "Bravo3", 0x201));
        b.AddTv(MakeProgram(7, 10, 107, "Lost", 0x202));
    }
    return b.Build();
}

} // namespace

class TestListTools : public QObject, protected WindowFixture {
    Q_OBJECT

private:
    CDragDropListCtrl& List() const { return *m_dialog->RecordList(); }

    QStringList TvNames()
    {
        QStringList names;
        for (uint16_t i = 0; i < db().m_nTvCount; ++i)
            names.append(QString::fromLatin1(db().m_TvTable[i].name));
        return names;
    }

    QStringList SelectedNames() const
    {
        QStringList names;
        for (const int row : List().GetSelectedRows())
            names.append(List().GetItemText(row, 1));
        return names;
    }

    QString Open(const Image& bytes, const QString& name = QStringLiteral("list.bin"))
    {
        const QString path = m_dir->filePath(name);
        if (!WriteBytes(path, bytes) || !m_dialog->OpenImage(path))
            return QString();
        return path;
    }

    // Chooses a file in File > Recent, as the user does.
    void OpenRecent(const QByteArray& fileName)
    {
        QMenu* recent = m_dialog->MenuAction(ID_FILE_RECENT)->menu();
        emit recent->aboutToShow();
        for (QAction* action : recent->actions()) {
            if (action->text() == QFile::decodeName(fileName).replace(QLatin1Char('&'), QStringLiteral("&&"))) {
                action->trigger();
                return;
            }
        }
        QFAIL("the file is not among the recent files");
    }

    void SelectRows(std::initializer_list<int> rows)
    {
        List().clearSelection();
        for (const int row : rows)
            List().SetItemSelected(row, true);
    }

    void Press(int key)
    {
        QTest::keyClick(&List(), static_cast<Qt::Key>(key), Qt::ControlModifier);
    }

private slots:
    void init()
    {
        OpenFreshWindow();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    void cleanup() { CloseWindow(); }

    void theCheckDialogRemovesDuplicatesAsOneUndoStep()
    {
        QVERIFY(!Open(ListImage(true)).isEmpty());
        const int steps = int(app().Document().HistorySize());
        QStringList groups;
        QStringList shown;
        QStringList after;
        ModalDriver<CheckListDlg> driver([&](CheckListDlg& dialog) {
            for (int i = 0; i < dialog.Tree()->topLevelItemCount(); ++i)
                groups.append(dialog.Tree()->topLevelItem(i)->text(0));
            // A double-click on the second duplicate shows it in the list.
            QTreeWidgetItem* duplicates = dialog.Tree()->findItems(QStringLiteral("duplicate"), Qt::MatchStartsWith)[0];
            emit dialog.Tree()->itemActivated(duplicates->child(1), 0);
            shown = SelectedNames();
            QVERIFY(dialog.RemoveDuplicatesButton()->isEnabled());
            dialog.RemoveDuplicatesButton()->click();
            for (int i = 0; i < dialog.Tree()->topLevelItemCount(); ++i)
                after.append(dialog.Tree()->topLevelItem(i)->text(0));
            QVERIFY(!dialog.RemoveDuplicatesButton()->isEnabled());
            dialog.reject();
        });
        m_dialog->MenuAction(ID_TOOLS_CHECK)->trigger();
        QVERIFY(driver.Ran());
        QCOMPARE(groups, QStringList({ "programs of no satellite (error): 1", "duplicate programs (warning): 2" }));
        QCOMPARE(shown, QStringList({ "Bravo3" }));
        QCOMPARE(after, QStringList({ "programs of no satellite (error): 1" }));
        QCOMPARE(TvNames(), QStringList({ "Alpha", "Bravo", "Charlie", "Delta", "Echo", "Lost" }));
        QCOMPARE(int(app().Document().HistorySize()), steps + 1);
        QCOMPARE(QString::fromStdString(app().Document().UndoStep()->description), QStringLiteral("remove duplicates"));

        m_dialog->OnEditUndo();
        QCOMPARE(TvNames().size(), 8);
    }

    // The window words each finding from its parts; in English it must read
    // as the command line's line does.
    void findingsReadInEnglishAsTheCommandLineWordsThem()
    {
        ImageBuilder b;
        b.AddSatellite(MakeSatellite(1, "ASTRA"));
        b.AddSatellite(MakeSatellite(1, "Twin\x01"));
        b.AddTransponder(MakeTransponder(10, 1, 11700, 27500, 1));
        b.AddTransponder(MakeTransponder(10, 1, 11700, 27500, 1));
        b.AddTransponder(MakeTransponder(11, 5, 12000));
        b.AddTv(MakeProgram(1, 10, 100, "One", 0x100));
        b.AddTv(MakeProgram(1, 10, 100, "Again", 0x101));
        b.AddRadio(MakeProgram(7, 99, 200, "Lost\x81", 0));
        QVERIFY(!Open(b.Build()).isEmpty());
        const std::vector<Finding> findings = ListCheck::Run(db(), AnsiCodePageText());
        QVERIFY(findings.size() >= 9);
        for (const Finding& finding : findings)
            QCOMPARE(FindingText::Of(finding), QString::fromStdString(finding.Text()));
        QCOMPARE(FindingText::KindName(FindingKind::DuplicateProgram), QString::fromLatin1(FindingKindName(FindingKind::DuplicateProgram)));
    }

    void anUpgradeOfAListWithErrorsAsksFirst()
    {
        const MakerBlocks blocks;
        SilentLine line;
        app().m_Ports.Assign(4, line.Path());
        QVERIFY(!Open(ListImage(true)).isEmpty());
        m_prompts.answers = { PromptAnswer::Cancel };
        m_dialog->Transfer().OnUpgrade();
        QCOMPARE(m_prompts.Texts(), QStringList({ "The channel list has 1 problems. Upgrade anyway?" }));
        QCOMPARE(m_prompts.messages[0].buttons, PromptButtons::CheckUpgradeCancel);
        QVERIFY(m_dialog->Transfer().Session()->IsIdle());

        m_prompts.answers = { PromptAnswer::Check };
        ModalDriver<CheckListDlg> driver([](CheckListDlg& dialog) { dialog.reject(); });
        m_dialog->Transfer().OnUpgrade();
        QVERIFY(driver.Ran());
        QVERIFY(m_dialog->Transfer().Session()->IsIdle());

        // Warnings alone, or no finding, ask nothing.
        m_prompts.messages.clear();
        QVERIFY(!Open(ListImage(false), QStringLiteral("clean.bin")).isEmpty());
        m_dialog->Transfer().OnUpgrade();
        QVERIFY(!m_prompts.Texts().contains(QStringLiteral("The channel list has 1 problems. Upgrade anyway?")));
        QVERIFY(!m_dialog->Transfer().Session()->IsIdle());
        m_dialog->Transfer().EndTransfer();
    }

    void keptDumpsAreListedNewestFirstAndOpenOrCompare()
    {
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        // The window finds its dumps folder when it is made.
        CloseWindow();
        OpenFreshWindow();
        const QString folder = data.filePath(QStringLiteral("tavrel/dumps"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(WriteBytes(folder + QStringLiteral("/dump-20240101-100000.bin"), MakeSampleImage()));
        QVERIFY(WriteBytes(folder + QStringLiteral("/dump-20250101-100000.bin"), Image(4096, 0)));
        QVERIFY(WriteBytes(folder + QStringLiteral("/dump-20240101-100000-2.bin"), ListImage(false)));

        QList<QStringList> rows;
        bool openEnabled = true;
        auto read = [&](KeptDumpsDlg& dialog) {
            for (int i = 0; i < dialog.List()->topLevelItemCount(); ++i) {
                QStringList row;
                for (int column = 0; column < dialog.List()->columnCount(); ++column)
                    row.append(dialog.List()->topLevelItem(i)->text(column));
                rows.append(row);
            }
            openEnabled = dialog.OpenButton()->isEnabled();
            dialog.ShowFolderButton()->click();
            dialog.List()->setCurrentItem(dialog.List()->topLevelItem(2));
            dialog.OpenButton()->click();
        };
        {
            ModalDriver<KeptDumpsDlg> driver(read);
            m_dialog->MenuAction(ID_FILE_KEPT_DUMPS)->trigger();
            QVERIFY(driver.Ran());
        }
        qunsetenv("XDG_DATA_HOME");
        QCOMPARE(rows.size(), 3);
        QCOMPARE(rows[0].mid(1, 3), QStringList({ "4096", "no", "" }));
        QCOMPARE(rows[0][6], QStringLiteral("dump-20250101-100000.bin"));
        QCOMPARE(rows[1].mid(2), QStringList({ "yes", "1", "5", "0", "dump-20240101-100000-2.bin" }));
        QCOMPARE(rows[2].mid(2), QStringList({ "yes", "6", "256", "64", "dump-20240101-100000.bin" }));
        QVERIFY(!openEnabled);
        QCOMPARE(m_prompts.openedFolders, QStringList({ folder }));
        QCOMPARE(db().m_nTvCount, 256);

        // Compared with the open image, the same dump holds the same list.
        ModalDriver<KeptDumpsDlg> compare([](KeptDumpsDlg& dialog) {
            dialog.List()->setCurrentItem(dialog.List()->topLevelItem(2));
            dialog.CompareButton()->click();
        });
        m_dialog->MenuAction(ID_FILE_KEPT_DUMPS)->trigger();
        QVERIFY(compare.Ran());
        QVERIFY(m_prompts.Texts().contains(QStringLiteral("The two images hold the same channel list.")));
    }

    void recentFilesKeepTheLastEightAndForgetMissingOnes()
    {
        // A name that is not UTF-8 is kept as the system spells it.
        const QByteArray strange = QFile::encodeName(m_dir->path()) + "/\xFF\xFEx.bin";
        const Image image = ListImage(false);
        QVERIFY(std::ofstream(strange.toStdString(), std::ios::binary)
                    .write(reinterpret_cast<const char*>(image.data()), long(image.size())));
        QVERIFY(m_dialog->OpenImage(QFile::decodeName(strange), strange.toStdString()));
        const QString first = Open(ListImage(false), QStringLiteral("first.bin"));
        const QString second = Open(ListImage(true), QStringLiteral("second.bin"));
        QCOMPARE(RecentFiles().Files().mid(0, 3),
            QList<QByteArray>({ QFile::encodeName(second), QFile::encodeName(first), strange }));
        OpenRecent(strange);
        QVERIFY(m_prompts.messages.isEmpty());
        QCOMPARE(TvNames().size(), 5);

        QVERIFY(QFile::remove(first));
        OpenRecent(QFile::encodeName(first));
        QCOMPARE(m_prompts.messages.size(), 1);
        QVERIFY(m_prompts.messages[0].text.startsWith(first));
        QVERIFY(!RecentFiles().Files().contains(QFile::encodeName(first)));
        QCOMPARE(TvNames().size(), 5);

        RecentFiles recent;
        for (int i = 0; i < 9; ++i)
            recent.Add(QByteArray("/images/") + QByteArray::number(i) + ".bin");
        recent.Add("/images/3.bin");
        QCOMPARE(recent.Files(), QList<QByteArray>({ "/images/3.bin", "/images/8.bin", "/images/7.bin", "/images/6.bin",
                                     "/images/5.bin", "/images/4.bin", "/images/2.bin", "/images/1.bin" }));
    }

    void rowsMoveByKeyboardAndToAPosition()
    {
        QVERIFY(!Open(ListImage(false)).isEmpty());
        const int steps = int(app().Document().HistorySize());
        SelectRows({ 3 });
        Press(Qt::Key_Up);
        QCOMPARE(TvNames(), QStringList({ "Alpha", "Bravo", "Delta", "Charlie", "Echo" }));
        QCOMPARE(SelectedNames(), QStringList({ "Delta" }));
        Press(Qt::Key_Home);
        QCOMPARE(TvNames(), QStringList({ "Delta", "Alpha", "Bravo", "Charlie", "Echo" }));
        SelectRows({ 1, 2 });
        Press(Qt::Key_Down);
        QCOMPARE(TvNames(), QStringList({ "Delta", "Charlie", "Alpha", "Bravo", "Echo" }));
        Press(Qt::Key_End);
        QCOMPARE(TvNames(), QStringList({ "Delta", "Charlie", "Echo", "Alpha", "Bravo" }));
        QCOMPARE(SelectedNames(), QStringList({ "Alpha", "Bravo" }));
        QCOMPARE(int(app().Document().HistorySize()), steps + 4);
        // At the bottom already: nothing to do, no step.
        Press(Qt::Key_End);
        QCOMPARE(int(app().Document().HistorySize()), steps + 4);

        m_prompts.numbers = { 2 };
        m_dialog->Records().OnMoveToPosition();
        QCOMPARE(m_prompts.numberQuestions.size(), 1);
        QCOMPARE(m_prompts.numberQuestions[0].maximum, 5);
        QCOMPARE(TvNames(), QStringList({ "Delta", "Alpha", "Bravo", "Charlie", "Echo" }));
        QCOMPARE(SelectedNames(), QStringList({ "Alpha", "Bravo" }));

        // Filtered to Bravo and Echo: Bravo goes one down, right after Echo among all rows.
        m_dialog->Filter()->setText(QStringLiteral("o"));
        QCOMPARE(List().GetItemCount(), 2);
        SelectRows({ 0 });
        Press(Qt::Key_Down);
        QCOMPARE(TvNames(), QStringList({ "Delta", "Alpha", "Charlie", "Echo", "Bravo" }));
        QCOMPARE(SelectedNames(), QStringList({ "Bravo" }));
        // A cancelled question moves nothing.
        m_prompts.numbers = {};
        m_dialog->Records().OnMoveToPosition();
        QCOMPARE(TvNames(), QStringList({ "Delta", "Alpha", "Charlie", "Echo", "Bravo" }));
        m_dialog->Filter()->clear();

        m_dialog->OnEditUndo();
        QCOMPARE(TvNames(), QStringList({ "Delta", "Alpha", "Bravo", "Charlie", "Echo" }));
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const PrivateSettings settings;
    CTavrelApp app(argc, argv);
    TestListTools test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestListTools.moc"
