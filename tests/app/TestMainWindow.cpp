#include "CAboutDlg.h"
#include "CReportListCtrl.h"
#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "CodePageText.h"
#include "CommandLineWords.h"
#include "FileSizeLimit.h"
#include "ListTexts.h"
#include "MainResources.h"
#include "PrivateSettings.h"
#include "PromptRecorder.h"
#include "RecordList.h"
#include "SampleImage.h"
#include "SilentLine.h"
#include "WindowFixture.h"
#include "TestImages.h"
#include "VersionText.h"

#include <QtCore/QDir>
#include <QtCore/QTemporaryDir>
#include <QtGui/QAction>
#include <QtTest/QtTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QLabel>
#include <QtWidgets/QProgressBar>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTabBar>
#include <QtWidgets/QTreeWidget>

#include <algorithm>
#include <cstring>
#include <memory>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

class TestMainWindow : public QObject, protected WindowFixture {
    Q_OBJECT

private:

    QString PathOf(const QString& name) const { return m_dir->filePath(name); }

    QString WriteImage(const QString& name, const std::vector<uint8_t>& bytes)
    {
        const QString path = PathOf(name);
        if (!WriteBytes(path, bytes))
            qFatal("cannot write a test image");
        return path;
    }

    void Open(const QString& path)
    {
        m_prompts.openNames.append(path);
        m_dialog->OnFileOpen();
    }

    void OpenBytes(const std::vector<uint8_t>& bytes) { Open(WriteImage(QStringLiteral("open.bin"), bytes)); }

    QString Label(int id) const { return qobject_cast<QLabel*>(m_dialog->Control(id))->text(); }
    QStringList Counters() const
    {
        return { Label(IDC_SAT_COUNT), Label(IDC_TP_COUNT), Label(IDC_TV_COUNT), Label(IDC_RADIO_COUNT) };
    }

    CReportListCtrl& List() const { return *m_dialog->RecordList(); }
    QTreeWidget& Tree() const { return *SatTree(); }

    QStringList Column(int column) const { return ColumnTexts(List(), column); }

    QStringList Headings() const
    {
        QStringList headings;
        for (int column = 0; column < List().GetColumnCount(); ++column)
            headings.append(List().GetColumnHeading(column));
        return headings;
    }

    QTreeWidgetItem* SatelliteItem(int index) const { return Tree().topLevelItem(1)->child(index); }

    QString SavedImage(const QString& name)
    {
        const QString path = PathOf(name);
        m_prompts.saveNames.append(path);
        m_dialog->OnFileSave();
        return path;
    }

    // What the window shows of the image, and the image itself.
    struct Shown {
        int loaded;
        std::vector<uint8_t> image;
        uint32_t flashSize;
        QStringList counters;
        int rows;
        int treeItems;
        QString title;
        bool operator==(const Shown&) const = default;
    };

    Shown WhatIsShown() const
    {
        const ChannelDatabase& image = app().Database();
        return { int(app().Document().IsLoaded()), std::vector<uint8_t>(image.m_Image, image.m_Image + IMAGE_SIZE),
            image.m_nFlashSize, Counters(), List().GetItemCount(), Tree().topLevelItemCount(),
            m_dialog->windowTitle() };
    }

    void RenameFirstProgram(const char* name)
    {
        ProgramRecord program = db().m_TvTable[0];
        std::memset(program.name, 0, sizeof program.name);
        std::memcpy(program.name, name, std::strlen(name));
        app().Document().Apply("rename", ImageEdit::WriteProgram(TABLE_TV, program));
    }


private slots:
    void init()
    {
        OpenFreshWindow();
        ChooseAnsiCodePage(1252);
    }

    void cleanup() { CloseWindow(); }

    void startUpShowsAnEmptyFixedWindow()
    {
        QCOMPARE(m_dialog->windowTitle(), QStringLiteral("Tavrel V1.007 Build 10110314"));
        QVERIFY(!(m_dialog->windowFlags() & Qt::WindowMaximizeButtonHint));
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        QCOMPARE(m_dialog->minimumSize(), m_dialog->maximumSize());

        QCOMPARE(int(app().Document().IsLoaded()), 0);
        QCOMPARE(View().serviceTab, 0);
        QCOMPARE(ServiceTab()->count(), 2);
        QCOMPARE(ServiceTab()->tabText(0), QStringLiteral("TV"));
        QCOMPARE(ServiceTab()->tabText(1), QStringLiteral("Radio"));
        QCOMPARE(Tree().topLevelItemCount(), 0);
        QCOMPARE(List().GetItemCount(), 0);
        QCOMPARE(Counters(), QStringList({ "", "", "", "" }));
        QVERIFY(!m_dialog->Control(IDC_CANCEL)->isEnabled());
        QCOMPARE(Label(IDC_STATUS), QStringLiteral("idle..."));
        QCOMPARE(Label(IDC_PERCENT), QStringLiteral("00%"));
        QCOMPARE(qobject_cast<QProgressBar*>(m_dialog->Control(IDC_PROGRESS))->maximum(), 1048576);
    }

    void everyControlAndCommandHasItsId()
    {
        // With no receiver port at start-up the port button offers to open one.
        const std::pair<int, const char*> buttons[] = {
            { IDC_OPEN_COM, "Open Com" }, { IDC_DUMP, "Dump" }, { IDC_UPGRADE, "Upgrade" }, { IDC_CANCEL, "Cancel" },
            { IDC_OPEN, "Open" }, { IDC_SAVE, "Save" }, { IDC_EXIT, "Exit" },
        };
        for (const auto& [id, caption] : buttons)
            QCOMPARE(qobject_cast<QPushButton*>(m_dialog->Control(id))->text(), QString::fromLatin1(caption));
        for (int id : { 1001, 1002, 1004, 1007, 1008, 1009, 1010, 1011, 1012, 1013, 1079, 1081, 1082, 1085, 1087, 1088 })
            QVERIFY2(m_dialog->Control(id), qPrintable(QString::number(id)));

        const std::pair<int, const char*> commands[] = {
            { ID_FILE_OPEN, "open" }, { ID_FILE_SAVE, "save" }, { ID_FILE_EXIT, "exit" },
            { ID_TOOLS_UPGRADE, "upgrade" }, { ID_TOOLS_DUMP, "dump" }, { ID_TOOLS_ADVANCE, "advance" },
            { ID_HELP_ABOUT, "about" },
        };
        for (const auto& [id, text] : commands)
            QCOMPARE(m_dialog->MenuAction(id)->text(), QString::fromLatin1(text));
        QCOMPARE(m_dialog->MenuAction(ID_FILE_OPEN)->shortcut(), QKeySequence(QKeySequence::Open));
        QCOMPARE(m_dialog->MenuAction(ID_FILE_SAVE)->shortcut(), QKeySequence(QKeySequence::Save));
    }

    void aboutBoxShowsTheProgramVersion()
    {
        CAboutDlg about;
        QCOMPARE(about.windowTitle(), QStringLiteral("About Tavrel"));
        QStringList texts;
        for (const QLabel* label : about.findChildren<QLabel*>())
            texts.append(label->text());
        QVERIFY(texts.contains(QStringLiteral("Tavrel Version 1.007")));
        auto* ok = about.findChild<QPushButton*>(QStringLiteral("1"));
        QVERIFY(ok && ok->isDefault());
        QTimer::singleShot(0, ok, &QPushButton::click);
        QCOMPARE(about.exec(), int(QDialog::Accepted));
    }

    void singleDashWordsAreLongOptionsOrFileNames_data()
    {
        QTest::addColumn<QStringList>("given");
        QTest::addColumn<QStringList>("read");
        const QString p = QStringLiteral("tavrel");
        QTest::newRow("a name after one dash") << QStringList { p, "-dash.bin" } << QStringList { p, "--", "-dash.bin" };
        QTest::newRow("long options") << QStringList { p, "-help", "-v", "--version" }
                                      << QStringList { p, "-help", "-v", "--version" };
        QTest::newRow("a plain name and one after --")
            << QStringList { p, "-x.bin", "a.bin", "--", "-h" } << QStringList { p, "a.bin", "--", "-x.bin", "-h" };
        QTest::newRow("a lone dash") << QStringList { p, "-" } << QStringList { p, "-" };
    }

    void singleDashWordsAreLongOptionsOrFileNames()
    {
        QFETCH(QStringList, given);
        QFETCH(QStringList, read);
        QCOMPARE(WithFileNames(given, { "h", "help", "v", "version" }), read);
    }

    void aFileNameThatIsNotUtf8Opens()
    {
        const std::string name = QFile::encodeName(m_dir->path()).toStdString() + "/\xFF\xFE.bin";
        const std::vector<uint8_t> image = MakeSampleImage();
        FILE* file = std::fopen(name.c_str(), "wb");
        QVERIFY(file);
        std::fwrite(image.data(), 1, image.size(), file);
        std::fclose(file);
        const char* const argv[] = { "tavrel", name.c_str() };
        const QString shown = QString::fromLocal8Bit(name.c_str());
        QCOMPARE(ArgumentBytes(2, argv, shown), name);
        QVERIFY(m_dialog->OpenImage(shown, ArgumentBytes(2, argv, shown)));
        QVERIFY(app().Document().IsLoaded());
        QVERIFY(m_prompts.messages.isEmpty());
    }

    void versionTextPrintsFileVersionPartsWithTwoDigits()
    {
        QCOMPARE(FormatVersionText("1.0.0.7", "10.11.3.14"), QStringLiteral("V1.007 Build 10110314"));
        QCOMPARE(FormatVersionText("2.1.0.0", "1.2.3.4"), QStringLiteral("V2.100 Build 01020304"));
        QCOMPARE(FormatVersionText("", "10.11.3.14"), QString());
    }

    void beforeAnImageSaveWarnsAndTabsBuildNoList()
    {
        m_dialog->OnFileSave();
        QCOMPARE(m_prompts.messages.size(), 1);
        QCOMPARE(m_prompts.messages[0].text, QStringLiteral("Please open file or dump first!"));
        QCOMPARE(m_prompts.messages[0].title, QStringLiteral("Waring"));
        QCOMPARE(m_prompts.messages[0].icon, PromptIcon::Warning);
        QVERIFY(m_prompts.saveInitialNames.isEmpty());

        ServiceTab()->setCurrentIndex(1);
        QCOMPARE(View().serviceTab, 1);
        QCOMPARE(List().GetColumnCount(), 0);

        // The first list after loading follows the tab chosen before.
        OpenBytes(SmallImage().Build());
        QCOMPARE(Column(1), QStringList({ "Silent", "Wave" }));
    }

    void openingAnImageShowsCountersTreeAndProgramList()
    {
        OpenBytes(MakeSampleImage());
        QVERIFY2(m_prompts.messages.isEmpty(), qPrintable(m_prompts.Texts().join('|')));
        QCOMPARE(m_prompts.openFilters.value(0), OPEN_IMAGE_FILTER);
        QCOMPARE(int(app().Document().IsLoaded()), 1);
        QCOMPARE(View().listType, LIST_PROGRAMS);
        QCOMPARE(Counters(),
            QStringList({ QString("Sat: %1").arg(db().m_nSatCount), QString("TP: %1").arg(db().m_nTpCount),
                QString("TV: %1").arg(db().m_nTvCount), QString("Radio: %1").arg(db().m_nRadioCount) }));
        QCOMPARE(Tree().topLevelItemCount(), 2);
        QCOMPARE(Tree().topLevelItem(0)->text(0), QStringLiteral("AllPrograms"));
        QCOMPARE(Tree().topLevelItem(1)->text(0), QString("Satellite(%1)").arg(db().m_nSatCount));
        QVERIFY(!Tree().topLevelItem(1)->isExpanded());
        QCOMPARE(TreeItemCount(), 2 + db().m_nSatCount + db().m_nTpCount);
        QCOMPARE(Headings(),
            QStringList({ "ProgNO.", "ProgName", "ServiceID", "VideoPid", "AudioPid", "PcrPid", "Scramble", "Track",
                "ChildLock", "Favorite" }));
        QCOMPARE(List().GetItemCount(), static_cast<int>(db().m_nTvCount));
        QCOMPARE(List().GetItemText(0, 0), QStringLiteral("1"));
        QCOMPARE(List().GetItemText(List().GetItemCount() - 1, 0), QString::number(db().m_nTvCount));
    }

    void badFilesChangeNothing_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("afterAnImage");
        QTest::addColumn<QString>("message");
        const QString notRight = QStringLiteral("The bin file is not right!");
        for (const bool after : { false, true }) {
            const char* when = after ? " after an image" : "";
            QTest::addRow("empty%s", when) << "empty" << after << notRight;
            QTest::addRow("one byte%s", when) << "one byte" << after << notRight;
            QTest::addRow("512 KiB of zeros%s", when) << "zeros" << after << notRight;
            QTest::addRow("1 MiB + 1%s", when) << "too long" << after << notRight;
            QTest::addRow("a folder%s", when) << "folder" << after << "Is a directory";
            QTest::addRow("a named pipe%s", when) << "fifo" << after << "Is a named pipe, not a file";
            QTest::addRow("unreadable%s", when) << "unreadable" << after << "Permission denied";
        }
    }

    void badFilesChangeNothing()
    {
        QFETCH(QString, kind);
        QFETCH(bool, afterAnImage);
        QFETCH(QString, message);
        if (kind == QLatin1String("unreadable") && geteuid() == 0)
            QSKIP("root reads any file");
        if (afterAnImage)
            OpenBytes(SmallImage().Build());
        const Shown before = WhatIsShown();
        m_prompts.messages.clear();

        QString path = PathOf(QStringLiteral("bad.bin"));
        if (kind == QLatin1String("empty"))
            WriteBytes(path, {});
        else if (kind == QLatin1String("one byte"))
            WriteBytes(path, { 0x36 });
        else if (kind == QLatin1String("zeros"))
            WriteBytes(path, std::vector<uint8_t>(0x80000, 0));
        else if (kind == QLatin1String("too long"))
            WriteBytes(path, std::vector<uint8_t>(IMAGE_SIZE + 1, 0));
        else if (kind == QLatin1String("folder"))
            QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("bad.bin")));
        else if (kind == QLatin1String("fifo"))
            QCOMPARE(mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else {
            WriteBytes(path, SmallImage().Build());
            QFile::setPermissions(path, QFileDevice::Permissions());
        }

        Open(path);
        QCOMPARE(m_prompts.messages.size(), 1);
        QVERIFY2(m_prompts.messages[0].text.contains(message), qPrintable(m_prompts.messages[0].text));
        if (message != QLatin1String("The bin file is not right!"))
            QVERIFY(m_prompts.messages[0].text.startsWith(path));
        QVERIFY(WhatIsShown() == before);
    }

    void unreadableFileIsReportedWithItsNameAndChangesNothing()
    {
        const QString missing = PathOf(QStringLiteral("missing.bin"));
        Open(missing);
        QCOMPARE(m_prompts.messages.size(), 1);
        QVERIFY(m_prompts.messages[0].text.contains(missing));
        QVERIFY(m_prompts.messages[0].text.contains(QStringLiteral("No such file")));
        QCOMPARE(int(app().Document().IsLoaded()), 0);

        m_prompts.messages.clear();
        Open(m_dir->path());
        QCOMPARE(m_prompts.messages.size(), 1);
        QCOMPARE(int(app().Document().IsLoaded()), 0);
    }

    void savedImagesReopenTheSame_data()
    {
        QTest::addColumn<int>("flashType");
        QTest::addColumn<int>("size");
        // A 1 MiB file of a 512 KiB flash is saved as its flash.
        QTest::newRow("512 KiB") << 1 << 0x80000;
        QTest::newRow("1 MiB") << 2 << 0x100000;
    }

    void savedImagesReopenTheSame()
    {
        QFETCH(int, flashType);
        QFETCH(int, size);
        const std::vector<uint8_t> image = SmallImage(flashType).Build();
        OpenBytes(image);
        QCOMPARE(static_cast<int>(db().m_nFlashSize), size);
        const QStringList counters = Counters();
        const QStringList names = Column(1);

        const QString saved = SavedImage(QStringLiteral("saved"));
        QCOMPARE(m_prompts.saveInitialNames, QStringList({ "QM7702_FlashMapNew.bin" }));
        QCOMPARE(m_prompts.saveFilters.value(0), SAVE_IMAGE_FILTER);
        QCOMPARE(m_prompts.messages.size(), 1);
        QCOMPARE(m_prompts.messages[0].text, QStringLiteral("Save Success!"));
        QCOMPARE(m_prompts.messages[0].title, QStringLiteral("save"));
        QCOMPARE(m_prompts.messages[0].icon, PromptIcon::Information);
        QVERIFY(!QFileInfo::exists(saved + QStringLiteral(".bin")));

        NewWindow();
        Open(saved);
        QCOMPARE(Counters(), counters);
        QCOMPARE(Column(1), names);
    }

    void aFailedSaveNamesItsFile()
    {
        OpenBytes(SmallImage().Build());
        const QString target = PathOf(QStringLiteral("old.bin"));
        WriteBytes(target, std::vector<uint8_t>(100, 0x42));

        m_prompts.saveNames.append(target);
        {
            const FileSizeLimit limit(4096);
            m_dialog->OnFileSave();
        }

        QCOMPARE(m_prompts.messages.size(), 1);
        QVERIFY(m_prompts.messages[0].text.contains(target));
        QVERIFY(m_prompts.messages[0].text != QStringLiteral("Save Success!"));

        m_prompts.messages.clear();
        m_prompts.saveNames.append(PathOf(QStringLiteral("no/such/folder.bin")));
        m_dialog->OnFileSave();
        QCOMPARE(m_prompts.messages.size(), 1);
        QVERIFY(m_prompts.messages[0].text.contains(QStringLiteral("no/such/folder.bin")));
    }

    void saveWritesOnlyWhatItCanStandBehind()
    {
        // Nothing was ever loaded: a refused file does not make an image to save.
        Open(WriteImage(QStringLiteral("zeros.bin"), std::vector<uint8_t>(0x80000, 0)));
        m_prompts.messages.clear();
        m_dialog->OnFileSave();
        QCOMPARE(m_prompts.Texts(), QStringList({ "Please open file or dump first!" }));
    }

    void aFullDiskIsNamedAndKeepsTheOldFile()
    {
        if (geteuid() != 0)
            QSKIP("mounting a small file system needs root");
        const QString mountPoint = PathOf(QStringLiteral("small"));
        QDir().mkpath(mountPoint);
        if (mount("tavrel-test", QFile::encodeName(mountPoint).constData(), "tmpfs", 0, "size=256k") != 0)
            QSKIP("this machine cannot mount a tmpfs");
        const QString target = mountPoint + QStringLiteral("/old.bin");
        WriteBytes(target, std::vector<uint8_t>(100, 0x42));

        OpenBytes(SmallImage().Build());
        m_prompts.saveNames.append(target);
        m_dialog->OnFileSave();
        const QStringList texts = m_prompts.Texts();
        const std::vector<uint8_t> kept = ReadBytes(target);
        const QStringList left = QDir(mountPoint).entryList(QDir::Files | QDir::Hidden);
        umount(QFile::encodeName(mountPoint).constData());

        QCOMPARE(texts, QStringList({ target + QStringLiteral("\nNo space left on device") }));
        QCOMPARE(kept, std::vector<uint8_t>(100, 0x42));
        QCOMPARE(left, QStringList({ "old.bin" }));
    }

    void titleMarksAModifiedImage()
    {
        const QString title = QStringLiteral("Tavrel V1.007 Build 10110314");
        OpenBytes(SmallImage().Build());
        QCOMPARE(m_dialog->windowTitle(), title);
        RenameFirstProgram("Changed");
        QCOMPARE(m_dialog->windowTitle(), title + QStringLiteral(" *"));
        // Putting the old bytes back by hand is no change.
        RenameFirstProgram("One");
        QVERIFY(!m_dialog->IsImageModified());
        QCOMPARE(m_dialog->windowTitle(), title);
        RenameFirstProgram("Changed");
        SavedImage(QStringLiteral("saved.bin"));
        QCOMPARE(m_dialog->windowTitle(), title);
    }

    void unsavedChangesAreGuarded_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("answer");
        for (const char* action : { "exit", "escape", "close", "open", "dump" })
            for (const char* answer : { "unmodified", "save", "discard", "cancel" })
                QTest::addRow("%s, %s", action, answer) << action << answer;
    }

    void unsavedChangesAreGuarded()
    {
        QFETCH(QString, action);
        QFETCH(QString, answer);
        SilentLine line;
        app().m_Ports.Assign(4, line.Path());
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        OpenBytes(SmallImage().Build());
        if (answer != QLatin1String("unmodified"))
            RenameFirstProgram("Changed");
        const std::vector<uint8_t> image(db().m_Image, db().m_Image + IMAGE_SIZE);
        const QString other = WriteImage(QStringLiteral("other.bin"), MakeSampleImage());
        const QString saved = PathOf(QStringLiteral("guarded.bin"));
        m_prompts = PromptRecorder();
        m_prompts.openNames.append(other);
        if (answer == QLatin1String("save")) {
            m_prompts.answers.append(PromptAnswer::Save);
            m_prompts.saveNames.append(saved);
        } else if (answer == QLatin1String("discard")) {
            m_prompts.answers.append(PromptAnswer::Discard);
        } else if (answer == QLatin1String("cancel")) {
            m_prompts.answers.append(PromptAnswer::Cancel);
        }

        if (action == QLatin1String("exit"))
            qobject_cast<QPushButton*>(m_dialog->Control(IDC_EXIT))->click();
        else if (action == QLatin1String("escape"))
            QTest::keyClick(m_dialog.get(), Qt::Key_Escape);
        else if (action == QLatin1String("close"))
            m_dialog->close();
        else if (action == QLatin1String("open"))
            m_dialog->OnFileOpen();
        else
            m_dialog->Transfer().OnDump();

        const bool asked = !m_prompts.messages.isEmpty()
            && m_prompts.messages[0].text == QLatin1String("Save changes to the image?");
        QCOMPARE(asked, answer != QLatin1String("unmodified"));
        if (asked) {
            QCOMPARE(m_prompts.messages[0].title, QStringLiteral("Tavrel"));
            QCOMPARE(m_prompts.messages[0].buttons, PromptButtons::SaveDiscardCancel);
        }
        const bool went = answer != QLatin1String("cancel");
        if (action == QLatin1String("open"))
            QCOMPARE(Label(IDC_SAT_COUNT) != QStringLiteral("Sat: 2"), went);
        else if (action == QLatin1String("dump"))
            QCOMPARE(Label(IDC_STATUS) == QStringLiteral("Please reset the STB!"), went);
        else
            QCOMPARE(!m_dialog->isVisible(), went);
        if (!went) {
            QVERIFY(std::equal(image.begin(), image.end(), db().m_Image));
            QVERIFY(m_dialog->IsImageModified());
        }
        QCOMPARE(QFileInfo::exists(saved), answer == QLatin1String("save"));
    }

    void readOnlyFileIsNotReplaced()
    {
        if (geteuid() == 0)
            QSKIP("root may write any file");
        OpenBytes(SmallImage().Build());
        const QString target = PathOf(QStringLiteral("locked.bin"));
        WriteBytes(target, std::vector<uint8_t>(10, 1));
        QFile::setPermissions(target, QFile::ReadOwner);
        m_prompts.saveNames.append(target);
        m_dialog->OnFileSave();
        QCOMPARE(m_prompts.messages.size(), 1);
        QVERIFY(m_prompts.messages[0].text.contains(target));
        QCOMPARE(ReadBytes(target), std::vector<uint8_t>(10, 1));
    }

    void treeLabelsNumberFromZero()
    {
        OpenBytes(SmallImage().Build());
        QCOMPARE(Tree().topLevelItem(1)->text(0), QStringLiteral("Satellite(2)"));
        QTreeWidgetItem* astra = SatelliteItem(0);
        QCOMPARE(astra->text(0), QStringLiteral("  0_ASTRA(3)"));
        QCOMPARE(astra->childCount(), 3);
        QCOMPARE(astra->child(1)->text(0), QStringLiteral("  1_11778"));
        QCOMPARE(SatelliteItem(1)->text(0), QStringLiteral("  1_HOTBIRD(1)"));
        QCOMPARE(TreeItemCount(), 8);
    }

    void fileDialogsShowTheProgramsFilterTexts()
    {
        const std::pair<QString, QStringList> filters[] = {
            { OPEN_IMAGE_FILTER, { "bin file (*.bin)", "All file (*.*)" } },
            { SAVE_IMAGE_FILTER, { "Bin文件(*.bin)", "所有文件(*.*)" } },
        };
        for (const auto& [filter, shown] : filters) {
            QFileDialog dialog;
            dialog.setOptions(QFileDialog::HideNameFilterDetails | QFileDialog::DontUseNativeDialog);
            dialog.setNameFilter(filter);
            auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
            QVERIFY(types);
            QStringList texts;
            for (int i = 0; i < types->count(); ++i)
                texts.append(types->itemText(i));
            QCOMPARE(texts, shown);
        }
    }

    void treeNeverOutgrowsItsNodeTable()
    {
        OpenBytes(MakeSampleImage());
        std::array<TreeNode, 5> nodes {};
        QTreeWidget tree;
        QCOMPARE(FillSatelliteTree(tree, db(), nodes), 5);
        QCOMPARE(nodes[4].kind, NODE_TRANSPONDER);
    }

    void imageWithoutSatellitesHasTwoRoots()
    {
        ImageBuilder builder;
        OpenBytes(builder.Build());
        QCOMPARE(Tree().topLevelItemCount(), 2);
        QCOMPARE(Tree().topLevelItem(1)->text(0), QStringLiteral("Satellite(0)"));
        QCOMPARE(TreeItemCount(), 2);
    }

    void selectingNodesChoosesTheList()
    {
        OpenBytes(SmallImage().Build());

        Tree().setCurrentItem(Tree().topLevelItem(1));
        QCOMPARE(View().listType, LIST_SATELLITES);
        QCOMPARE(List().GetColumnCount(), 12);
        QCOMPARE(Column(1), QStringList({ "ASTRA", "HOTBIRD" }));
        QCOMPARE(List().GetItemText(0, 3), QStringLiteral("Universal"));
        QCOMPARE(List().GetItemText(0, 4), QStringLiteral("Auto"));

        Tree().setCurrentItem(SatelliteItem(0));
        QCOMPARE(View().listType, LIST_TRANSPONDERS);
        QCOMPARE(Headings(), QStringList({ "TpNO.", "Frequency", "Polarization", "Symbol Rate" }));
        QCOMPARE(Column(1), QStringList({ "11700", "11778", "11800" }));
        QCOMPARE(List().GetItemText(1, 2), QStringLiteral("1"));
        QCOMPARE(db().m_nSatTpCount, 3);

        // A transponder of the other satellite takes its satellite from its parent.
        Tree().setCurrentItem(SatelliteItem(1)->child(0));
        QCOMPARE(View().listType, LIST_TP_PROGRAMS);
        QCOMPARE(Column(1), QStringList({ "Three" }));
        QCOMPARE(db().m_nSatTpCount, 0);

        Tree().setCurrentItem(SatelliteItem(0)->child(0));
        QCOMPARE(Column(1), QStringList({ "One", "Two" }));
        ServiceTab()->setCurrentIndex(1);
        QCOMPARE(View().listType, LIST_TP_PROGRAMS);
        QCOMPARE(Column(1), QStringList({ "Silent", "Wave" }));
        QCOMPARE(db().m_nTpRadioCount, 2);

        Tree().setCurrentItem(Tree().topLevelItem(0));
        QCOMPARE(View().listType, LIST_PROGRAMS);
        QCOMPARE(Column(1), QStringList({ "Silent", "Wave" }));
        ServiceTab()->setCurrentIndex(0);
        QCOMPARE(Column(1), QStringList({ "One", "Two", "Three" }));

        // Switching tabs under the satellite list rebuilds that list.
        Tree().setCurrentItem(Tree().topLevelItem(1));
        ServiceTab()->setCurrentIndex(1);
        QCOMPARE(View().listType, LIST_SATELLITES);
        QCOMPARE(List().GetItemCount(), 2);
        QVERIFY(m_prompts.messages.isEmpty());
    }

    void programCellsShowLockAndFavourites()
    {
        OpenBytes(SmallImage().Build());
        QCOMPARE(Column(8), QStringList({ "0", "1", "0" }));
        QCOMPARE(Column(9), QStringList({ "", "Movies/News/", "" }));
        QCOMPARE(List().GetItemText(0, 3), QStringLiteral("257"));
        QCOMPARE(List().GetItemText(0, 7), QStringLiteral("2"));
    }

    void rowsAddressTheRecordsTheyShow()
    {
        OpenBytes(SmallImage().Build());
        ServiceTab()->setCurrentIndex(1);
        // "Silent" stands in the TV table but shows under Radio.
        const ProgramRow silent = ProgramOfRow(List(), db(), View(), 0);
        QVERIFY(silent.record);
        QCOMPARE(QString::fromLatin1(silent.record->name), QStringLiteral("Silent"));
        QCOMPARE(silent.table, TABLE_TV);
        QCOMPARE(silent.tableIndex, 2);
        const ProgramRow wave = ProgramOfRow(List(), db(), View(), 1);
        QCOMPARE(wave.table, TABLE_RADIO);
        QCOMPARE(wave.tableIndex, 0);

        Tree().setCurrentItem(SatelliteItem(0)->child(0));
        const ProgramRow tpSilent = ProgramOfRow(List(), db(), View(), 0);
        QCOMPARE(QString::fromLatin1(tpSilent.record->name), QStringLiteral("Silent"));
        QCOMPARE(tpSilent.table, TABLE_TV);
    }

    void badLnbValuesEndTheSatelliteList_data()
    {
        QTest::addColumn<bool>("badType");
        QTest::addColumn<QString>("warning");
        QTest::addColumn<int>("cells");
        QTest::newRow("type") << true << "LNB Type is error!" << 3;
        QTest::newRow("power") << false << "LNB Power is error!" << 4;
    }

    void badLnbValuesEndTheSatelliteList()
    {
        QFETCH(bool, badType);
        QFETCH(QString, warning);
        QFETCH(int, cells);
        ImageBuilder builder;
        builder.AddSatellite(MakeSatellite(1, "GOOD"));
        SatelliteRecord bad = MakeSatellite(2, "BAD");
        if (badType)
            bad.lnbType = 3;
        else
            bad.lnbPower = 3;
        builder.AddSatellite(bad);
        builder.AddSatellite(MakeSatellite(3, "LATER"));
        OpenBytes(builder.Build());

        Tree().setCurrentItem(Tree().topLevelItem(1));
        QCOMPARE(m_prompts.Texts(), QStringList({ warning }));
        QCOMPARE(m_prompts.messages[0].title, QStringLiteral("Waring"));
        QCOMPARE(List().GetItemCount(), 2);
        QCOMPARE(List().GetItemText(0, 11), QStringLiteral("0"));
        QVERIFY(!List().GetItemText(1, cells - 1).isEmpty());
        QVERIFY(List().GetItemText(1, cells).isEmpty());
    }

    void wrongProgramCountsUnderASatelliteShowNoTransponders()
    {
        // More TV programs than a satellite's list holds.
        ImageBuilder builder;
        builder.AddSatellite(MakeSatellite(1, "FULL"));
        builder.AddTransponder(MakeTransponder(1, 1, 11000));
        for (uint16_t i = 0; i <= MAX_SAT_TV; ++i)
            builder.AddTv(MakeProgram(1, 1, i, "P", 0x100));
        OpenBytes(builder.Build());
        m_prompts.messages.clear();
        QVERIFY(ChooseList(LIST_TRANSPONDERS));
        QCOMPARE(m_prompts.Texts(), QStringList({ "Tv number under sat is wrong!" }));
        QCOMPARE(Headings(), QStringList({ "TpNO.", "Frequency", "Polarization", "Symbol Rate" }));
        QCOMPARE(List().GetItemCount(), 0);
        QCOMPARE(db().m_nSatTpCount, 0);
    }

    void aCrowdedTransponderShowsWhatItsListHolds()
    {
        ImageBuilder builder;
        builder.AddSatellite(MakeSatellite(1, "BUSY"));
        builder.AddTransponder(MakeTransponder(1, 1, 11000));
        for (uint16_t p = 0; p < 320; ++p)
            builder.AddTv(MakeProgram(1, 1, p, "TV", static_cast<uint16_t>(0x100 + p)));
        for (uint16_t p = 0; p < 120; ++p)
            builder.AddRadio(MakeProgram(1, 1, p, "R", 0));
        OpenBytes(builder.Build());

        Tree().setCurrentItem(SatelliteItem(0)->child(0));
        QCOMPARE(List().GetItemCount(), int(MAX_TP_TV));
        ServiceTab()->setCurrentIndex(1);
        QCOMPARE(List().GetItemCount(), int(MAX_TP_RADIO));
        QCOMPARE(db().m_nTpRadioCount, MAX_TP_RADIO);
    }

    void namesFollowTheAnsiCodePage()
    {
        ChooseAnsiCodePage(936);
        ImageBuilder builder;
        // "卫星" and "中文台" in GBK.
        builder.AddSatellite(MakeSatellite(1, "\xCE\xC0\xD0\xC7"));
        builder.AddTransponder(MakeTransponder(1, 1, 11000));
        builder.AddTv(MakeProgram(1, 1, 1, "\xD6\xD0\xCE\xC4\xCC\xA8", 0x100));
        OpenBytes(builder.Build());
        QCOMPARE(SatelliteItem(0)->text(0), QStringLiteral("  0_卫星(1)"));
        QCOMPARE(List().GetItemText(0, 1), QStringLiteral("中文台"));
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const PrivateSettings settings;
    CTavrelApp app(argc, argv);
    TestMainWindow test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestMainWindow.moc"
