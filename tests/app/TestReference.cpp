#include "../editors/ModalDriver.h"
#include "CDragDropListCtrl.h"
#include "CReportListCtrl.h"
#include "CTavrelDlg.h"
#include "CodePageText.h"
#include "KeptDumpsDlg.h"
#include "ListTexts.h"
#include "MainResources.h"
#include "PromptRecorder.h"
#include "ReferenceListWnd.h"
#include "ReferencePreviewDlg.h"
#include "TestImages.h"
#include "WindowFixture.h"

#include <QtCore/QMimeData>
#include <QtCore/QTemporaryDir>
#include <QtGui/QAction>
#include <QtTest/QtTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidget>

#include <cstring>
#include <memory>

class TestReference : public QObject, protected WindowFixture {
    Q_OBJECT

private:
    QString PathOf(const QString& name) const { return m_dir->filePath(name); }

    // Three TV programs and a radio program, Two locked and in favourites;
    // after a channel search the TV table has another order and no program
    // is locked or a favourite.
    static std::vector<uint8_t> Programs(bool rescanned)
    {
        ImageBuilder b;
        b.AddSatellite(MakeSatellite(1, "ASTRA", 192));
        b.AddSatellite(MakeSatellite(2, "HOTBIRD", 130));
        b.AddTransponder(MakeTransponder(10, 1, 11700));
        b.AddTransponder(MakeTransponder(20, 2, 10719));
        const ProgramRecord one = MakeProgram(1, 10, 101, "One", 0x101);
        const ProgramRecord two = MakeProgram(1, 10, 102, "Two", 0x102);
        const ProgramRecord three = MakeProgram(2, 20, 201, "Three", 0x201);
        if (rescanned) {
            for (const ProgramRecord& prog : { three, two, one })
                b.AddTv(prog);
        } else {
            b.AddTv(one);
            b.AddTv(two, 0x6C);
            b.AddTv(three);
        }
        b.AddRadio(MakeProgram(1, 10, 301, "Wave", 0));
        return b.Build();
    }

    std::vector<uint8_t> Image() { return std::vector<uint8_t>(db().m_Image, db().m_Image + IMAGE_SIZE); }
    QStringList Names() const { return ColumnTexts(*m_dialog->RecordList(), 1); }

    // Shows the TV programs of the whole image.
    void ShowTvPrograms() { m_dialog->ShowRecord(TABLE_TV, 0); }

private slots:
    void init()
    {
        OpenFreshWindow();
        QVERIFY(WriteBytes(PathOf(QStringLiteral("scan.bin")), Programs(true)));
        QVERIFY(m_dialog->OpenImage(PathOf(QStringLiteral("scan.bin"))));
        QVERIFY(WriteBytes(PathOf(QStringLiteral("friend.bin")), Programs(false)));
    }

    void cleanup() { CloseWindow(); }

    void thePreviewCountsAndApplyIsOneUndoStep()
    {
        const std::vector<uint8_t> scanned = Image();
        QString counts;
        QStringList found;
        ModalDriver<ReferencePreviewDlg> driver([&](ReferencePreviewDlg& preview) {
            m_prompts.openNames.append(PathOf(QStringLiteral("friend.bin")));
            preview.FileButton()->click();
            counts = preview.Counts()->text();
            found = ColumnTexts(*preview.Rows(), 3);
            QVERIFY(!preview.SatelliteBox()->isEnabled());
            preview.ApplyButton()->click();
        });
        m_dialog->MenuAction(ID_FILE_APPLY_REFERENCE)->trigger();
        QVERIFY(driver.Ran());
        QCOMPARE(counts,
            QStringLiteral("TV: 3 matched, 0 not found, 0 fit several programs, 0 repeated; not in the reference: 0\n"
                           "Radio: 1 matched, 0 not found, 0 fit several programs, 0 repeated; not in the reference: 0"));
        QCOMPARE(found, QStringList({ "TV 3 One", "TV 2 Two", "TV 1 Three", "Radio 1 Wave" }));
        ShowTvPrograms();
        QCOMPARE(Names(), QStringList({ "One", "Two", "Three" }));
        QCOMPARE(ColumnTexts(*m_dialog->RecordList(), 8), QStringList({ "0", "1", "0" }));
        QVERIFY(m_dialog->MenuAction(ID_EDIT_UNDO)->text().contains(QStringLiteral("Apply reference list friend.bin")));
        m_dialog->MenuAction(ID_EDIT_UNDO)->trigger();
        QVERIFY(Image() == scanned);
    }

    void aKeptDumpIsAppliedAsReference()
    {
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        CloseWindow();
        init();
        qunsetenv("XDG_DATA_HOME");
        const QString folder = data.filePath(QStringLiteral("tavrel/dumps"));
        QVERIFY(QDir().mkpath(folder));
        QVERIFY(WriteBytes(folder + QStringLiteral("/dump-20240101-100000.bin"), Programs(false)));
        ModalDriver<KeptDumpsDlg> dumps([](KeptDumpsDlg& dialog) {
            dialog.List()->setCurrentItem(dialog.List()->topLevelItem(0));
            dialog.ReferenceButton()->click();
        });
        QString source;
        ModalDriver<ReferencePreviewDlg> preview([&](ReferencePreviewDlg& dialog) {
            source = dialog.SourceBox()->currentText();
            dialog.ApplyButton()->click();
        });
        m_dialog->MenuAction(ID_FILE_KEPT_DUMPS)->trigger();
        QVERIFY(dumps.Ran());
        QVERIFY(preview.Ran());
        QCOMPARE(source, QStringLiteral("Kept dump of 2024-01-01 10:00:00 (3 TV, 1 radio)"));
        ShowTvPrograms();
        QCOMPARE(Names(), QStringList({ "One", "Two", "Three" }));
        QVERIFY(m_dialog->MenuAction(ID_EDIT_UNDO)->text().contains(
            QStringLiteral("Apply reference list dump-20240101-100000.bin")));
    }

    void rowsDraggedFromTheReferenceWindowLandInTheList()
    {
        QFile list(PathOf(QStringLiteral("order.txt")));
        QVERIFY(list.open(QIODevice::WriteOnly));
        list.write("# the order of a package\n10;One;1-1-101\n20;Three\n30;Nothing\n");
        list.close();
        ModalDriver<ReferencePreviewDlg> driver([&](ReferencePreviewDlg& preview) {
            preview.ChooseFile(list.fileName());
            QVERIFY(preview.SatelliteBox()->isEnabled());
            preview.ShowButton()->click();
        });
        m_dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_dialog.get()));
        m_dialog->MenuAction(ID_VIEW_REFERENCE_LIST)->trigger();
        QVERIFY(driver.Ran());
        auto* window = m_dialog->findChild<ReferenceListWnd*>();
        QVERIFY(window && window->isVisible());
        QTreeWidget* rows = window->Rows();
        QCOMPARE(rows->topLevelItemCount(), 3);
        QCOMPARE(rows->topLevelItem(2)->text(2), QStringLiteral("not found"));

        // A double-click shows the program in the main list.
        emit rows->itemDoubleClicked(rows->topLevelItem(1), 0);
        CDragDropListCtrl* main = m_dialog->RecordList();
        QCOMPARE(main->GetItemText(main->GetNextSelected(), 1), QStringLiteral("Three"));

        // One and Three dragged onto Two land right after it, in the reference's order.
        QCOMPARE(Names(), QStringList({ "Three", "Two", "One" }));
        const size_t steps = app().Document().HistorySize();
        for (int row = 0; row < 3; ++row)
            rows->topLevelItem(row)->setSelected(true);
        std::unique_ptr<QMimeData> data(window->SelectedData());
        const QPoint onTwo = main->visualRect(main->model()->index(1, 0)).center();
        QDragEnterEvent enter(onTwo, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(main->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent move(onTwo, Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(main->viewport(), &move);
        QDropEvent drop(QPointF(onTwo), Qt::MoveAction, data.get(), Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(main->viewport(), &drop);
        QTRY_COMPARE_WITH_TIMEOUT(Names(), QStringList({ "Two", "One", "Three" }), 30000);
        QCOMPARE(app().Document().HistorySize(), steps + 1);

        std::string reason;
        const QString saved = PathOf(QStringLiteral("saved.bin"));
        QVERIFY(app().Document().Save(QFile::encodeName(saved).toStdString(), reason));
        auto check = std::make_unique<ChannelDatabase>();
        const std::vector<uint8_t> bytes = ReadBytes(saved);
        std::memcpy(check->m_Image, bytes.data(), bytes.size());
        QVERIFY(check->DecodeDatabase());
        QStringList order;
        for (uint16_t i = 0; i < check->m_nTvCount; ++i)
            if (check->m_TvTable[i].videoPid != 0)
                order.append(QString::fromLatin1(check->m_TvTable[i].name));
        QCOMPARE(order, QStringList({ "Two", "One", "Three" }));
    }
};

QTEST_MAIN(TestReference)
#include "TestReference.moc"
