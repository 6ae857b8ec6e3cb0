#include "CReportListCtrl.h"
#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "CodePageText.h"
#include "EditorResources.h"
#include "MainResources.h"
#include "ModalDriver.h"
#include "PassWord.h"
#include "ProgEditDlg.h"
#include "PrivateSettings.h"
#include "PromptRecorder.h"
#include "RecordCommands.h"
#include "WindowFixture.h"
#include "SatEditDlg.h"
#include "TestImages.h"
#include "TpEditDlg.h"

#include <QtGui/QAction>
#include <QtTest/QtTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidget>

#include <array>
#include <cstring>
#include <memory>
#include <vector>

namespace {

using Image = std::vector<uint8_t>;

QString Text(TemplateDialog& dialog, int id)
{
    return dialog.Control<QLineEdit>(id)->text();
}

void SetText(TemplateDialog& dialog, int id, const QString& text)
{
    dialog.Control<QLineEdit>(id)->setText(text);
}

void Click(TemplateDialog& dialog, int id)
{
    QTest::mouseClick(dialog.Control<QPushButton>(id), Qt::LeftButton);
}

// What choosing an item from the drop-down list does.
void Choose(TemplateDialog& dialog, int id, int index)
{
    auto* combo = dialog.Control<QComboBox>(id);
    combo->setCurrentIndex(index);
    emit combo->activated(index);
}

int Chosen(TemplateDialog& dialog, int id)
{
    return dialog.Control<QComboBox>(id)->currentIndex();
}

QStringList Items(TemplateDialog& dialog, int id)
{
    auto* combo = dialog.Control<QComboBox>(id);
    QStringList items;
    for (int i = 0; i < combo->count(); ++i)
        items.append(combo->itemText(i));
    return items;
}

// Key presses carrying the text, one character each, as a keyboard of any
// script sends them.
void TypeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

bool Checked(TemplateDialog& dialog, int id)
{
    return dialog.Control<QCheckBox>(id)->isChecked();
}

void CheckAllFavorites(ProgEditDlg& dialog, bool checked)
{
    for (const int id : IDC_PROG_FAVORITES)
        dialog.Control<QCheckBox>(id)->setChecked(checked);
}

std::array<uint8_t, 8> Key(const ProgramRecord& prog)
{
    std::array<uint8_t, 8> key;
    std::memcpy(key.data(), prog.bissKey, key.size());
    return key;
}

} // namespace

class TestRecordEditors : public QObject, protected WindowFixture {
    Q_OBJECT

private:
    CReportListCtrl& List() const { return *m_dialog->RecordList(); }
    QTreeWidget& Tree() const { return *SatTree(); }

    Image Bytes() { return Image(db().m_Image, db().m_Image + IMAGE_SIZE); }
    const uint8_t* RecordBytes(uint32_t entry) { return db().m_Image + EntryOffset(entry); }

    void Open(const Image& bytes)
    {
        const QString path = m_dir->filePath(QStringLiteral("open.bin"));
        QVERIFY(WriteBytes(path, bytes));
        m_prompts.openNames.append(path);
        m_dialog->OnFileOpen();
        QCOMPARE(int(app().Document().IsLoaded()), 1);
    }

    void ShowTab(int tab) { ServiceTab()->setCurrentIndex(tab); }
    void ShowSatellites() { Tree().setCurrentItem(Tree().topLevelItem(1)); }
    void ShowTransponders(int sat) { Tree().setCurrentItem(Tree().topLevelItem(1)->child(sat)); }
    void ShowTransponderPrograms(int sat, int tp) { Tree().setCurrentItem(Tree().topLevelItem(1)->child(sat)->child(tp)); }

    // Double-clicks a row of the record list and works the editor that
    // opens with `action`; false when no editor of that kind ran or the
    // action left it open.
    template <typename Dialog>
    bool EditRow(int row, std::function<void(Dialog&)> action)
    {
        ModalDriver<Dialog> driver(std::move(action));
        const QRect cell = List().visualRect(List().model()->index(row, 0));
        QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, cell.center());
        return driver.Ran() && !driver.LeftOpen();
    }

    template <typename Dialog>
    bool PressOK(int row, int okId)
    {
        return EditRow<Dialog>(row, [okId](Dialog& dialog) { Click(dialog, okId); });
    }

    void LogIn()
    {
        ModalDriver<PassWord> driver([](PassWord& dialog) {
            SetText(dialog, IDC_LOGIN_USER, QStringLiteral("QTR3"));
            SetText(dialog, IDC_LOGIN_PASSWORD, QStringLiteral("40537219"));
            Click(dialog, IDC_LOGIN_OK);
        });
        m_dialog->OnAdvance();
        QVERIFY(driver.Ran());
        QVERIFY(View().advancedMode);
    }

    // One TV program with a BISS key in an image with or without key area.
    static Image KeyImage(bool keyArea)
    {
        ImageBuilder builder;
        builder.KeyArea(keyArea);
        builder.AddSatellite(MakeSatellite(1, "ASTRA"));
        builder.AddTransponder(MakeTransponder(10, 1, 11700));
        ProgramRecord prog = MakeProgram(1, 10, 7, "Keyed", 0x300);
        const uint8_t key[8] = { 0x01, 0x23, 0xAB, 0xCD, 0xEF, 0x45, 0x67, 0x89 };
        std::memcpy(prog.bissKey, key, sizeof key);
        prog.track = 3;
        builder.AddTv(prog, 0xFE);
        return builder.Build();
    }


private slots:
    void init()
    {
        ChooseAnsiCodePage(1252);
        OpenFreshWindow();
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
    }

    void cleanup()
    {
        CloseWindow();
    }

    void programEditorShowsTheProgramOfTheRow()
    {
        Open(SmallImage().Build());
        const Image before = Bytes();
        QVERIFY(EditRow<ProgEditDlg>(1, [](ProgEditDlg& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Program"));
            QCOMPARE(Text(dialog, IDC_PROG_NO), QStringLiteral("2"));
            QCOMPARE(Text(dialog, IDC_PROG_SAT_NO), QStringLiteral("1"));
            QCOMPARE(Text(dialog, IDC_PROG_SAT_NAME), QStringLiteral("ASTRA"));
            QCOMPARE(Text(dialog, IDC_PROG_FREQUENCY), QStringLiteral("11700/27500/H"));
            QCOMPARE(Text(dialog, IDC_PROG_NAME), QStringLiteral("Two"));
            QCOMPARE(Text(dialog, IDC_PROG_VIDEO_PID), QStringLiteral("258"));
            QCOMPARE(Text(dialog, IDC_PROG_AUDIO_PID), QStringLiteral("256"));
            QCOMPARE(Text(dialog, IDC_PROG_PCR_PID), QStringLiteral("258"));
            QCOMPARE(Text(dialog, IDC_PROG_SERVICE_ID), QStringLiteral("102"));
            QCOMPARE(Text(dialog, IDC_PROG_SCRAMBLE), QStringLiteral("0"));
            for (const int id : { IDC_PROG_SAT_NO, IDC_PROG_SAT_NAME, IDC_PROG_FREQUENCY, IDC_PROG_NO,
                     IDC_PROG_SCRAMBLE })
                QVERIFY(!dialog.Control(id)->isEnabled());
            QCOMPARE(Items(dialog, IDC_PROG_TRACK), QStringList({ "Left", "Right", "Stereo" }));
            QCOMPARE(Chosen(dialog, IDC_PROG_TRACK), 2);
            QCOMPARE(Items(dialog, IDC_PROG_CHILD_LOCK), QStringList({ "Locked", "UnLocked" }));
            QCOMPARE(Chosen(dialog, IDC_PROG_CHILD_LOCK), 0);
            // Member of Movies and News only.
            QCOMPARE(Checked(dialog, IDC_PROG_MOVIES), true);
            QCOMPARE(Checked(dialog, IDC_PROG_NEWS), true);
            for (const int id : { IDC_PROG_MUSIC, IDC_PROG_CARTOONS, IDC_PROG_SPORTS, IDC_PROG_ADULT })
                QCOMPARE(Checked(dialog, id), false);
            for (const int id : { IDC_PROG_BISS_KEY, IDC_PROG_BISS_LABEL, IDC_PROG_BISS_FRAME })
                QVERIFY(dialog.Control(id)->isHidden());
            SetText(dialog, IDC_PROG_NAME, QStringLiteral("Renamed"));
            Click(dialog, IDC_PROG_CANCEL);
        }));
        QCOMPARE(app().Document().HistorySize(), size_t(0));
        QVERIFY(Bytes() == before);
        // Nothing was rebuilt: the row is still selected and named as before.
        QVERIFY(List().IsItemSelected(1));
        QCOMPARE(List().GetItemText(1, 1), QStringLiteral("Two"));

        // A program of the second satellite names that satellite.
        QVERIFY(EditRow<ProgEditDlg>(2, [](ProgEditDlg& dialog) {
            QCOMPARE(Text(dialog, IDC_PROG_NAME), QStringLiteral("Three"));
            QCOMPARE(Text(dialog, IDC_PROG_SAT_NO), QStringLiteral("2"));
            QCOMPARE(Text(dialog, IDC_PROG_SAT_NAME), QStringLiteral("HOTBIRD"));
            QCOMPARE(Text(dialog, IDC_PROG_FREQUENCY), QStringLiteral("10719/27500/H"));
            dialog.reject();
        }));
    }

    void okWithoutChangesLeavesTheImageAsItWas()
    {
        Open(SmallImage().Build());
        const Image before = Bytes();
        for (int tab = 0; tab < 2; ++tab) {
            ShowTab(tab);
            for (int row = 0; row < List().GetItemCount(); ++row) {
                QVERIFY(PressOK<ProgEditDlg>(row, IDC_PROG_OK));
                QVERIFY2(Bytes() == before, qPrintable(QStringLiteral("tab %1 row %2").arg(tab).arg(row)));
                QCOMPARE(app().Document().HistorySize(), size_t(0));
            }
        }

        // The key as shown reads back to the same bytes; a track without
        // an item stays as it was.
        ShowTab(0);
        Open(KeyImage(true));
        LogIn();
        const Image keyed = Bytes();
        QVERIFY(EditRow<ProgEditDlg>(0, [](ProgEditDlg& dialog) {
            QCOMPARE(Text(dialog, IDC_PROG_BISS_KEY), QStringLiteral("01 23 ab cd ef 45 67 89 "));
            QCOMPARE(Chosen(dialog, IDC_PROG_TRACK), -1);
            Click(dialog, IDC_PROG_OK);
        }));
        QVERIFY(Bytes() == keyed);
        QCOMPARE(db().m_TvTable[0].track, 3u);
    }

    void numberFieldsKeepTheirLeadingDigits()
    {
        Open(SmallImage().Build());
        QVERIFY(EditRow<ProgEditDlg>(0, [](ProgEditDlg& dialog) {
            SetText(dialog, IDC_PROG_AUDIO_PID, QStringLiteral("8191"));
            SetText(dialog, IDC_PROG_PCR_PID, QStringLiteral("12ab"));
            SetText(dialog, IDC_PROG_SERVICE_ID, QStringLiteral("123456"));
            Click(dialog, IDC_PROG_OK);
        }));
        ProgramRecord prog = db().m_TvTable[0];
        QCOMPARE(prog.audioPid, 8191u);
        QCOMPARE(prog.pcrPid, 12u);
        QCOMPARE(prog.serviceId, 12345u);
        QCOMPARE(prog.track, 2u);

        QVERIFY(EditRow<ProgEditDlg>(0, [](ProgEditDlg& dialog) {
            SetText(dialog, IDC_PROG_AUDIO_PID, QStringLiteral("x12"));
            SetText(dialog, IDC_PROG_SERVICE_ID, QString());
            Click(dialog, IDC_PROG_OK);
        }));
        prog = db().m_TvTable[0];
        QCOMPARE(prog.audioPid, 0u);
        QCOMPARE(prog.serviceId, 0u);
    }

    void typingStopsAtWhatTheFieldHolds_data()
    {
        QTest::addColumn<int>("listType");
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<QByteArray>("codePage");
        QTest::newRow("video pid") << LIST_PROGRAMS << IDC_PROG_VIDEO_PID << "9a9-99" << "999" << QByteArray();
        QTest::newRow("pcr pid") << LIST_PROGRAMS << IDC_PROG_PCR_PID << "8192" << "819" << QByteArray();
        QTest::newRow("service id") << LIST_PROGRAMS << IDC_PROG_SERVICE_ID << "65536" << "6553" << QByteArray();
        QTest::newRow("program name") << LIST_PROGRAMS << IDC_PROG_NAME << "ABCDEFGHIJKLMN" << "ABCDEFGHIJKL"
                                      << QByteArray();
        QTest::newRow("two-byte name") << LIST_PROGRAMS << IDC_PROG_NAME << "A中文台中文台" << "A中文台中文"
                                       << QByteArray("936");
        QTest::newRow("longitude") << LIST_SATELLITES << IDC_SATEDIT_LONGITUDE << "65536" << "6553" << QByteArray();
        QTest::newRow("lnb low") << LIST_SATELLITES << IDC_SATEDIT_LNB_LOW << "70000" << "7000" << QByteArray();
        QTest::newRow("position") << LIST_SATELLITES << IDC_SATEDIT_POSITION << "634" << "63" << QByteArray();
        QTest::newRow("satellite name") << LIST_SATELLITES << IDC_SATEDIT_NAME << "Astra 19.2 East" << "Astra 19.2 E"
                                        << QByteArray();
        QTest::newRow("frequency") << LIST_TRANSPONDERS << IDC_TPEDIT_FREQUENCY << "16384" << "1638" << QByteArray();
        QTest::newRow("symbol rate") << LIST_TRANSPONDERS << IDC_TPEDIT_SYMBOL_RATE << "65536" << "6553"
                                     << QByteArray();
    }

    void typingStopsAtWhatTheFieldHolds()
    {
        QFETCH(int, listType);
        QFETCH(int, field);
        QFETCH(QString, typed);
        QFETCH(QString, kept);
        QFETCH(QByteArray, codePage);
        if (!codePage.isEmpty())
            ChooseAnsiCodePage(codePage.toInt());
        Open(SmallImage().Build());
        if (listType == LIST_SATELLITES)
            ShowSatellites();
        else if (listType == LIST_TRANSPONDERS)
            ShowTransponders(0);
        auto typeIn = [&](TemplateDialog& dialog) {
            auto* edit = dialog.Control<QLineEdit>(field);
            edit->clear();
            TypeText(edit, typed);
            QCOMPARE(edit->text(), kept);
            QVERIFY(!edit->toolTip().isEmpty());
            // Fixed choices are lists to pick from, not texts to type.
            for (const QComboBox* combo : dialog.findChildren<QComboBox*>())
                QVERIFY(!combo->isEditable());
            QTest::keyClick(edit, Qt::Key_Return);
        };
        QVERIFY(EditRow<TemplateDialog>(0, typeIn));
        // What was kept is what was stored: it shows again as typed.
        QVERIFY(EditRow<TemplateDialog>(0, [&](TemplateDialog& dialog) {
            QCOMPARE(Text(dialog, field), kept);
            dialog.reject();
        }));
    }

    void namesRefuseControlCharacters()
    {
        Open(SmallImage().Build());
        QVERIFY(EditRow<ProgEditDlg>(0, [](ProgEditDlg& dialog) {
            auto* edit = dialog.Control<QLineEdit>(IDC_PROG_NAME);
            edit->clear();
            // As a paste inserts them: each class of control character, refused whole.
            for (const char* pasted : { "Two\nlines", "Tab\tbed", "\x1B[2J", "A\x01", "Del\x7F", "CR\r" }) {
                edit->insert(QString::fromLatin1(pasted));
                QCOMPARE(edit->text(), QString());
            }
            edit->insert(QStringLiteral("Plain"));
            QCOMPARE(edit->text(), QStringLiteral("Plain"));
            Click(dialog, IDC_PROG_OK);
        }));
        QCOMPARE(List().GetItemText(0, 1), QStringLiteral("Plain"));
    }

    void namesAreCutTo12BytesAndKeepTheBytesBehindTheirEnd()
    {
        Open(SmallImage().Build());
        QVERIFY(EditRow<ProgEditDlg>(0, [](ProgEditDlg& dialog) {
            SetText(dialog, IDC_PROG_NAME, QStringLiteral("ABCDEFGHIJKLMN"));
            Click(dialog, IDC_PROG_OK);
        }));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(RecordBytes(db().m_TvTable[0].entry)) + 14, 12),
            QByteArray("ABCDEFGHIJKL"));
        QCOMPARE(List().GetItemText(0, 1), QStringLiteral("ABCDEFGHIJKL"));

        // A character the code page lacks is refused as it is typed.
        QVERIFY(EditRow<ProgEditDlg>(0, [](ProgEditDlg& dialog) {
            SetText(dialog, IDC_PROG_NAME, QStringLiteral("abcdefghijk"));
            auto* edit = dialog.Control<QLineEdit>(IDC_PROG_NAME);
            edit->insert(QStringLiteral("\U0001F600"));
            QCOMPARE(edit->text(), QStringLiteral("abcdefghijk"));
            Click(dialog, IDC_PROG_OK);
        }));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(RecordBytes(db().m_TvTable[0].entry)) + 14, 12),
            QByteArray("abcdefghijk\0", 12));

        // "Three": emptied, its first byte becomes the end and the rest stays.
        QVERIFY(EditRow<ProgEditDlg>(2, [](ProgEditDlg& dialog) {
            SetText(dialog, IDC_PROG_NAME, QString());
            Click(dialog, IDC_PROG_OK);
        }));
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(RecordBytes(db().m_TvTable[3].entry)) + 14, 6),
            QByteArray("\0hree\0", 6));
        QCOMPARE(List().GetItemText(2, 1), QString());

        // Two-byte characters are never split: "A" and five of them fill 11 bytes.
        ChooseAnsiCodePage(936);
        QVERIFY(EditRow<ProgEditDlg>(1, [](ProgEditDlg& dialog) {
            SetText(dialog, IDC_PROG_NAME, QStringLiteral("A中文台中文台"));
            Click(dialog, IDC_PROG_OK);
        }));
        const uint8_t* name = RecordBytes(db().m_TvTable[1].entry) + 14;
        QCOMPARE(name[11], uint8_t(0));
        QCOMPARE(List().GetItemText(1, 1), QStringLiteral("A中文台中文"));
    }

    void favouritesAndLockGoToTheDirectoryEntry()
    {
        ImageBuilder builder;
        builder.AddSatellite(MakeSatellite(1, "ASTRA"));
        builder.AddTransponder(MakeTransponder(10, 1, 11700));
        builder.AddTv(MakeProgram(1, 10, 1, "Flagged", 0x100), 0xFF);
        Open(builder.Build());

        QVERIFY(EditRow<ProgEditDlg>(0, [](ProgEditDlg& dialog) {
            CheckAllFavorites(dialog, true);
            Choose(dialog, IDC_PROG_CHILD_LOCK, 0);
            Click(dialog, IDC_PROG_OK);
        }));
        QCOMPARE(EntryAttribute(db().m_TvTable[0].entry), uint8_t(0x80));
        QCOMPARE(List().GetItemText(0, 8), QStringLiteral("1"));
        QCOMPARE(List().GetItemText(0, 9), QStringLiteral("Movies/Music/Cartoons/News/Sport/Adult/"));

        QVERIFY(EditRow<ProgEditDlg>(0, [](ProgEditDlg& dialog) {
            QCOMPARE(Chosen(dialog, IDC_PROG_CHILD_LOCK), 0);
            CheckAllFavorites(dialog, false);
            Choose(dialog, IDC_PROG_CHILD_LOCK, 1);
            Click(dialog, IDC_PROG_OK);
        }));
        QCOMPARE(EntryAttribute(db().m_TvTable[0].entry), uint8_t(0xFF));
        QCOMPARE(db().m_TvTable[0].favoriteBits, uint8_t(0x7E));
    }

    void bissKeyNeedsAdvancedModeAndTheKeyArea()
    {
        Open(KeyImage(true));
        const std::array<uint8_t, 8> original = Key(db().m_TvTable[0]);
        QVERIFY(EditRow<ProgEditDlg>(0, [](ProgEditDlg& dialog) {
            QVERIFY(dialog.Control(IDC_PROG_BISS_KEY)->isHidden());
            SetText(dialog, IDC_PROG_BISS_KEY, QStringLiteral("ffffffffffffffff"));
            Click(dialog, IDC_PROG_OK);
        }));
        QVERIFY(Key(db().m_TvTable[0]) == original);

        LogIn();
        const std::array<uint8_t, 8> typed = { 0x01, 0x23, 0x45, 0x67, 0x89, 0xAB, 0xCD, 0xEF };
        const std::pair<QString, std::array<uint8_t, 8>> cases[] = {
            { QStringLiteral("01 23 45 67 89 AB CD EF"), typed },
            { QStringLiteral("0123456789abcdef"), typed },
            { QStringLiteral("  0123456789abcDEF99"), typed },
            { QStringLiteral("7f"), { 0x7F, 0, 0, 0, 0, 0, 0, 0 } },
            { QStringLiteral("zz1g"), { 0x00, 0x10, 0, 0, 0, 0, 0, 0 } },
        };
        for (const auto& [text, bytes] : cases) {
            QVERIFY(EditRow<ProgEditDlg>(0, [&text = text](ProgEditDlg& dialog) {
                for (const int id : { IDC_PROG_BISS_KEY, IDC_PROG_BISS_LABEL, IDC_PROG_BISS_FRAME })
                    QVERIFY(dialog.Control(id)->isVisible());
                SetText(dialog, IDC_PROG_BISS_KEY, text);
                Click(dialog, IDC_PROG_OK);
            }));
            QVERIFY2(Key(db().m_TvTable[0]) == bytes, qPrintable(text));
        }

        // Advanced mode does not bring the row to an image without key area.
        Open(KeyImage(false));
        const Image before = Bytes();
        QVERIFY(EditRow<ProgEditDlg>(0, [](ProgEditDlg& dialog) {
            QVERIFY(dialog.Control(IDC_PROG_BISS_KEY)->isHidden());
            SetText(dialog, IDC_PROG_BISS_KEY, QStringLiteral("ffffffffffffffff"));
            Click(dialog, IDC_PROG_OK);
        }));
        QVERIFY(Bytes() == before);
    }

    void eachRowEditsTheProgramItShows()
    {
        Open(SmallImage().Build());
        // The Radio tab lists the TV-table record without video PID first.
        ShowTab(1);
        QVERIFY(EditRow<ProgEditDlg>(1, [](ProgEditDlg& dialog) {
            QCOMPARE(Text(dialog, IDC_PROG_NAME), QStringLiteral("Wave"));
            QCOMPARE(Text(dialog, IDC_PROG_NO), QStringLiteral("2"));
            dialog.reject();
        }));
        QVERIFY(EditRow<ProgEditDlg>(0, [](ProgEditDlg& dialog) {
            QCOMPARE(Text(dialog, IDC_PROG_NAME), QStringLiteral("Silent"));
            Choose(dialog, IDC_PROG_CHILD_LOCK, 0);
            Click(dialog, IDC_PROG_OK);
        }));
        QCOMPARE(EntryAttribute(db().m_TvTable[2].entry), uint8_t(0x7E));
        QCOMPARE(EntryAttribute(db().m_RadioTable[0].entry), uint8_t(0x7F));
        QCOMPARE(View().listType, LIST_PROGRAMS);
        QCOMPARE(List().GetItemText(0, 8), QStringLiteral("1"));

        // The programs of one transponder.
        ShowTab(0);
        ShowTransponderPrograms(0, 0);
        QCOMPARE(List().GetItemCount(), 2);
        QVERIFY(EditRow<ProgEditDlg>(1, [](ProgEditDlg& dialog) {
            QCOMPARE(Text(dialog, IDC_PROG_NAME), QStringLiteral("Two"));
            SetText(dialog, IDC_PROG_NAME, QStringLiteral("Second"));
            Click(dialog, IDC_PROG_OK);
        }));
        QCOMPARE(View().listType, LIST_TP_PROGRAMS);
        QCOMPARE(List().GetItemText(1, 1), QStringLiteral("Second"));
        QCOMPARE(QString::fromLatin1(db().m_TvTable[1].name), QStringLiteral("Second"));
    }

    void programWithoutItsTransponderOrSatelliteShowsEmptyFields()
    {
        ImageBuilder builder;
        builder.AddSatellite(MakeSatellite(1, "ASTRA"));
        builder.AddTransponder(MakeTransponder(10, 1, 11700));
        builder.AddTv(MakeProgram(5, 99, 1, "Stray", 0x100));
        Open(builder.Build());
        QVERIFY(EditRow<ProgEditDlg>(0, [](ProgEditDlg& dialog) {
            QCOMPARE(Text(dialog, IDC_PROG_FREQUENCY), QString());
            QCOMPARE(Text(dialog, IDC_PROG_SAT_NO), QString());
            QCOMPARE(Text(dialog, IDC_PROG_SAT_NAME), QString());
            QCOMPARE(Text(dialog, IDC_PROG_NAME), QStringLiteral("Stray"));
            dialog.reject();
        }));
    }

    void satelliteEditorStoresItsFieldsCutToSize()
    {
        Open(SmallImage().Build());
        ShowSatellites();
        QVERIFY(EditRow<SatEditDlg>(0, [](SatEditDlg& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Satellite"));
            QCOMPARE(Text(dialog, IDC_SATEDIT_NO), QStringLiteral("1"));
            QVERIFY(!dialog.Control(IDC_SATEDIT_NO)->isEnabled());
            QCOMPARE(Text(dialog, IDC_SATEDIT_NAME), QStringLiteral("ASTRA"));
            QCOMPARE(Text(dialog, IDC_SATEDIT_LONGITUDE), QStringLiteral("192"));
            QCOMPARE(Text(dialog, IDC_SATEDIT_LNB_LOW), QStringLiteral("9750"));
            QCOMPARE(Text(dialog, IDC_SATEDIT_LNB_HIGH), QStringLiteral("10600"));
            QCOMPARE(Text(dialog, IDC_SATEDIT_POSITION), QStringLiteral("0"));
            QCOMPARE(Items(dialog, IDC_SATEDIT_LNB_TYPE), QStringList({ "User", "Single", "Universal" }));
            QCOMPARE(Items(dialog, IDC_SATEDIT_LNB_POWER), QStringList({ "18V", "13V", "Auto" }));
            QCOMPARE(Items(dialog, IDC_SATEDIT_DISEQC10),
                QStringList({ "Off", "DiSEqC1", "DiSEqC2", "DiSEqC3", "DiSEqC4" }));
            for (const int id : { IDC_SATEDIT_22K, IDC_SATEDIT_DISEQC12, IDC_SATEDIT_012V }) {
                QCOMPARE(Items(dialog, id), QStringList({ "Off", "On" }));
                QCOMPARE(Chosen(dialog, id), 0);
            }
            QCOMPARE(Chosen(dialog, IDC_SATEDIT_LNB_TYPE), 2);
            QCOMPARE(Chosen(dialog, IDC_SATEDIT_LNB_POWER), 2);
            QCOMPARE(Chosen(dialog, IDC_SATEDIT_DISEQC10), 0);

            SetText(dialog, IDC_SATEDIT_NAME, QStringLiteral("Astra 19.2 East"));
            SetText(dialog, IDC_SATEDIT_LONGITUDE, QStringLiteral("12345"));
            SetText(dialog, IDC_SATEDIT_LNB_LOW, QStringLiteral("70000"));
            SetText(dialog, IDC_SATEDIT_LNB_HIGH, QStringLiteral("65535"));
            SetText(dialog, IDC_SATEDIT_POSITION, QStringLiteral("70"));
            Choose(dialog, IDC_SATEDIT_DISEQC10, 4);
            Choose(dialog, IDC_SATEDIT_LNB_POWER, 1);
            Click(dialog, IDC_SATEDIT_OK);
        }));
        const SatelliteRecord& sat = db().m_SatTable[0];
        QCOMPARE(QString::fromLatin1(sat.name), QStringLiteral("Astra 19.2 E"));
        QCOMPARE(sat.longitude, uint16_t(12345));
        QCOMPARE(sat.lnbFreLow, uint16_t(4464));
        QCOMPARE(sat.lnbFreHigh, uint16_t(65535));
        QCOMPARE(sat.position, 6u);
        QCOMPARE(sat.diseqc10, 4u);
        QCOMPARE(sat.lnbPower, 1u);
        QCOMPARE(View().listType, LIST_SATELLITES);
        QCOMPARE(List().GetItemText(0, 1), QStringLiteral("Astra 19.2 E"));
        QCOMPARE(List().GetItemText(0, 11), QStringLiteral("6"));

        QVERIFY(EditRow<SatEditDlg>(0, [](SatEditDlg& dialog) {
            SetText(dialog, IDC_SATEDIT_POSITION, QStringLiteral("634"));
            Click(dialog, IDC_SATEDIT_OK);
        }));
        QCOMPARE(db().m_SatTable[0].position, 63u);
        QCOMPARE(db().m_SatTable[1].position, 0u);
    }

    void cancelLeavesTheSatelliteAsItWas()
    {
        Open(SmallImage().Build());
        ShowSatellites();
        const Image before = Bytes();
        QVERIFY(EditRow<SatEditDlg>(1, [](SatEditDlg& dialog) {
            Choose(dialog, IDC_SATEDIT_22K, 1);
            QTest::keyClick(&dialog, Qt::Key_Escape);
        }));
        QVERIFY(Bytes() == before);
        QCOMPARE(db().m_SatTable[1].tone22k, 0u);
        QCOMPARE(List().GetItemText(1, 7), QStringLiteral("0"));

        QVERIFY(EditRow<SatEditDlg>(1, [](SatEditDlg& dialog) {
            QCOMPARE(Chosen(dialog, IDC_SATEDIT_22K), 0);
            Choose(dialog, IDC_SATEDIT_22K, 1);
            Click(dialog, IDC_SATEDIT_OK);
        }));
        const uint8_t* flags = RecordBytes(db().m_SatTable[1].entry) + 8;
        QVERIFY(flags[0] & 0x40);
        QCOMPARE(List().GetItemText(1, 7), QStringLiteral("1"));
    }

    void satelliteValuesWithoutAnItemAreKept()
    {
        ImageBuilder builder;
        SatelliteRecord odd = MakeSatellite(1, "ODD");
        odd.lnbType = 3;
        odd.diseqc10 = 6;
        builder.AddSatellite(odd);
        Open(builder.Build());
        ShowSatellites();
        QCOMPARE(m_prompts.Texts(), QStringList({ "LNB Type is error!" }));
        QVERIFY(EditRow<SatEditDlg>(0, [](SatEditDlg& dialog) {
            QCOMPARE(Chosen(dialog, IDC_SATEDIT_LNB_TYPE), -1);
            QCOMPARE(dialog.Control<QComboBox>(IDC_SATEDIT_LNB_TYPE)->currentText(), QString());
            QCOMPARE(Chosen(dialog, IDC_SATEDIT_DISEQC10), -1);
            SetText(dialog, IDC_SATEDIT_NAME, QStringLiteral("EVEN"));
            Click(dialog, IDC_SATEDIT_OK);
        }));
        QCOMPARE(db().m_SatTable[0].lnbType, 3u);
        QCOMPARE(db().m_SatTable[0].diseqc10, 6u);
        QCOMPARE(QString::fromLatin1(db().m_SatTable[0].name), QStringLiteral("EVEN"));
    }

    void transponderEditorStoresFrequencyAndSymbolRate()
    {
        Open(SmallImage().Build());
        ShowTransponders(0);
        QCOMPARE(View().listType, LIST_TRANSPONDERS);
        QVERIFY(EditRow<TpEditDlg>(1, [](TpEditDlg& dialog) {
            QCOMPARE(dialog.windowTitle(), QStringLiteral("Transponder"));
            QCOMPARE(Text(dialog, IDC_TPEDIT_SAT_NO), QStringLiteral("1"));
            QCOMPARE(Text(dialog, IDC_TPEDIT_SAT_NAME), QStringLiteral("ASTRA"));
            QCOMPARE(Text(dialog, IDC_TPEDIT_TP_INDEX), QStringLiteral("11"));
            QCOMPARE(Text(dialog, IDC_TPEDIT_FREQUENCY), QStringLiteral("11778"));
            QCOMPARE(Text(dialog, IDC_TPEDIT_SYMBOL_RATE), QStringLiteral("22000"));
            QCOMPARE(Items(dialog, IDC_TPEDIT_POLARIZATION), QStringList({ "H", "V" }));
            QCOMPARE(Chosen(dialog, IDC_TPEDIT_POLARIZATION), 1);
            for (const int id : { IDC_TPEDIT_SAT_NO, IDC_TPEDIT_SAT_NAME, IDC_TPEDIT_TP_INDEX })
                QVERIFY(!dialog.Control(id)->isEnabled());
            SetText(dialog, IDC_TPEDIT_FREQUENCY, QStringLiteral("20000"));
            SetText(dialog, IDC_TPEDIT_SYMBOL_RATE, QStringLiteral("700001"));
            Click(dialog, IDC_TPEDIT_OK);
        }));
        QCOMPARE(db().m_TpTable[1].frequency, 3616u);
        QCOMPARE(db().m_TpTable[1].symbolRate, uint16_t(4464));
        QCOMPARE(db().m_TpTable[1].polarization, 1u);
        QCOMPARE(View().listType, LIST_TRANSPONDERS);
        QCOMPARE(List().GetItemText(1, 1), QStringLiteral("3616"));

        QVERIFY(EditRow<TpEditDlg>(1, [](TpEditDlg& dialog) {
            SetText(dialog, IDC_TPEDIT_FREQUENCY, QStringLiteral("16383"));
            SetText(dialog, IDC_TPEDIT_SYMBOL_RATE, QStringLiteral("65535"));
            QTest::keyClick(dialog.Control(IDC_TPEDIT_SYMBOL_RATE), Qt::Key_Return);
        }));
        QCOMPARE(db().m_TpTable[1].frequency, 16383u);
        QCOMPARE(db().m_TpTable[1].symbolRate, uint16_t(65535));
    }

    void cancelLeavesTheTransponderAsItWas()
    {
        Open(SmallImage().Build());
        ShowTransponders(0);
        const Image before = Bytes();
        QVERIFY(EditRow<TpEditDlg>(0, [](TpEditDlg& dialog) {
            Choose(dialog, IDC_TPEDIT_POLARIZATION, 1);
            Click(dialog, IDC_TPEDIT_CANCEL);
        }));
        QVERIFY(Bytes() == before);
        QCOMPARE(app().Document().HistorySize(), size_t(0));
        QCOMPARE(db().m_SatTpList[0].polarization, 0u);
        QVERIFY(EditRow<TpEditDlg>(0, [](TpEditDlg& dialog) {
            QCOMPARE(Chosen(dialog, IDC_TPEDIT_POLARIZATION), 0);
            Choose(dialog, IDC_TPEDIT_POLARIZATION, 1);
            Click(dialog, IDC_TPEDIT_OK);
        }));
        QCOMPARE(db().m_TpTable[0].polarization, 1u);
    }

    void transponderOfAnUnknownSatelliteIsNotEdited()
    {
        Open(SmallImage().Build());
        ShowTransponders(0);
        const Image before = Bytes();
        TransponderRecord tp = db().m_SatTpList[0];
        tp.satId = 77;
        ModalDriver<TpEditDlg> driver([](TpEditDlg& dialog) { Click(dialog, IDC_TPEDIT_OK); });
        TpEditDlg editor(db(), m_dialog.get());
        QVERIFY(!editor.Edit(tp));
        QVERIFY(!driver.Ran());
        QCOMPARE(m_prompts.messages.size(), 1);
        QCOMPARE(m_prompts.messages[0].text, QStringLiteral("Can't find the current sat no.!"));
        QCOMPARE(m_prompts.messages[0].title, QStringLiteral("Waring"));
        QCOMPARE(m_prompts.messages[0].icon, PromptIcon::Warning);
        QCOMPARE(app().Document().HistorySize(), size_t(0));
        QVERIFY(Bytes() == before);
    }

    void loginTableUnlocksAdvancedMode()
    {
        for (int n = 1; n <= 10; ++n) {
            const QString user = QStringLiteral("QTR%1").arg(n);
            PassWord login(m_dialog.get());
            ModalDriver<PassWord> driver([&user](PassWord& dialog) {
                QCOMPARE(dialog.windowTitle(), QStringLiteral("Password"));
                QCOMPARE(Text(dialog, IDC_LOGIN_USER), QString());
                QCOMPARE(dialog.Control<QLineEdit>(IDC_LOGIN_PASSWORD)->echoMode(), QLineEdit::Normal);
                QTest::keyClicks(dialog.Control<QLineEdit>(IDC_LOGIN_USER), user);
                QTest::keyClicks(dialog.Control<QLineEdit>(IDC_LOGIN_PASSWORD), QStringLiteral("40537219"));
                Click(dialog, IDC_LOGIN_OK);
            });
            QVERIFY2(login.LogIn(false), qPrintable(user));
            QVERIFY(driver.Ran());
        }
        QVERIFY(m_prompts.messages.isEmpty());
    }

    void wrongLoginsAreRefused()
    {
        const std::pair<QString, QString> refused[] = {
            { QStringLiteral("qtr1"), QStringLiteral("40537219") },
            { QStringLiteral("QTR1"), QStringLiteral("40537219 ") },
            { QStringLiteral("QTR1 "), QStringLiteral("40537219") },
            { QStringLiteral("QTR11"), QStringLiteral("40537219") },
            { QString(), QString() },
        };
        for (const auto& [user, password] : refused) {
            m_prompts.messages.clear();
            ModalDriver<PassWord> driver([&user = user, &password = password](PassWord& dialog) {
                SetText(dialog, IDC_LOGIN_USER, user);
                SetText(dialog, IDC_LOGIN_PASSWORD, password);
                Click(dialog, IDC_LOGIN_OK);
            });
            m_dialog->OnAdvance();
            QVERIFY(driver.Ran());
            QVERIFY(!View().advancedMode);
            QCOMPARE(m_prompts.messages.size(), 1);
            QCOMPARE(m_prompts.messages[0].text, QStringLiteral("Name or PassWord is error!"));
            QCOMPARE(m_prompts.messages[0].title, QStringLiteral("Warnning"));
            QCOMPARE(m_prompts.messages[0].icon, PromptIcon::None);
            QCOMPARE(m_prompts.messages[0].buttons, PromptButtons::Ok);
        }

        // Cancel checks nothing, even the right login.
        ModalDriver<PassWord> cancelled([](PassWord& dialog) {
            SetText(dialog, IDC_LOGIN_USER, QStringLiteral("QTR1"));
            SetText(dialog, IDC_LOGIN_PASSWORD, QStringLiteral("40537219"));
            Click(dialog, IDC_LOGIN_CANCEL);
        });
        m_dialog->MenuAction(ID_TOOLS_ADVANCE)->trigger();
        QVERIFY(cancelled.Ran());
        QVERIFY(!View().advancedMode);
    }

    void loginAgainInAdvancedModeChecksNothing()
    {
        LogIn();
        ModalDriver<PassWord> driver([](PassWord& dialog) {
            QCOMPARE(Text(dialog, IDC_LOGIN_USER), QStringLiteral("******"));
            QCOMPARE(Text(dialog, IDC_LOGIN_PASSWORD), QStringLiteral("******"));
            Click(dialog, IDC_LOGIN_OK);
        });
        m_dialog->OnAdvance();
        QVERIFY(driver.Ran());
        QVERIFY(View().advancedMode);
        QVERIFY(m_prompts.messages.isEmpty());
    }

    void doubleClickOpensAnEditorOnlyForARowOfAList()
    {
        Open(SmallImage().Build());
        List().clearSelection();
        {
            ModalDriver<TemplateDialog> driver([](TemplateDialog& dialog) { dialog.reject(); });
            const QRect last = List().visualRect(List().model()->index(List().GetItemCount() - 1, 0));
            QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, last.center() + QPoint(0, 5 * last.height()));
            QVERIFY(!driver.Ran());
        }
        {
            // No list the window shows has another type, so a host of the commands stands in.
            struct UnknownList : RecordCommands::Host {
                explicit UnknownList(ImageDocument& document) : document(document) { view.listType = 3; }
                ImageDocument& Document() override { return document; }
                const ViewState& View() const override { return view; }
                bool CanChangeImage() const override { return true; }
                ImageDocument& document;
                ViewState view;
            } host(app().Document());
            CDragDropListCtrl list;
            list.InsertColumn(0, QStringLiteral("No."), 60);
            list.InsertItem(0, QStringLiteral("1"));
            list.SetItemSelected(0, true);
            RecordCommands commands(host, list, *m_dialog);
            ModalDriver<TemplateDialog> driver([](TemplateDialog& dialog) { dialog.reject(); });
            commands.OnListDblClk(0);
            QVERIFY(!driver.Ran());
            QCOMPARE(m_prompts.Texts(), QStringList({ "The list type is not right!" }));
            QCOMPARE(m_prompts.messages[0].title, QStringLiteral("Waring"));
        }
    }

    void eachOpeningStartsWithFreshControls()
    {
        Open(SmallImage().Build());
        QPointer<QWidget> first;
        QVERIFY(EditRow<ProgEditDlg>(0, [&first](ProgEditDlg& dialog) {
            first = dialog.Control(IDC_PROG_NAME);
            dialog.Control<QCheckBox>(IDC_PROG_ADULT)->setChecked(true);
            dialog.reject();
        }));
        QVERIFY(EditRow<ProgEditDlg>(0, [&first](ProgEditDlg& dialog) {
            QVERIFY(first.isNull());
            QCOMPARE(Checked(dialog, IDC_PROG_ADULT), false);
            QCOMPARE(Items(dialog, IDC_PROG_TRACK).size(), 3);
            dialog.reject();
        }));
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const PrivateSettings settings;
    CTavrelApp app(argc, argv);
    TestRecordEditors test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestRecordEditors.moc"
