#include "../editors/ModalDriver.h"
#include "CCompareDlg.h"
#include "CDragDropListCtrl.h"
#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "CodePageText.h"
#include "CsvImport.h"
#include "ListTexts.h"
#include "MainResources.h"
#include "PrivateSettings.h"
#include "PromptRecorder.h"
#include "WindowFixture.h"
#include "TestImages.h"

#include <QtCore/QTemporaryDir>
#include <QtCore/QTranslator>
#include <QtGui/QAction>
#include <QtTest/QtTest>
#include <QtWidgets/QTabBar>

#include <algorithm>
#include <cstring>
#include <memory>

class TestExchange : public QObject, protected WindowFixture {
    Q_OBJECT

private:
    QString PathOf(const QString& name) const { return m_dir->filePath(name); }
    QStringList Names() const { return ColumnTexts(*m_dialog->RecordList(), 1); }

    // The window's export, line by line.
    QStringList Exported()
    {
        m_prompts.saveNames.append(PathOf(QStringLiteral("out.csv")));
        m_dialog->MenuAction(ID_FILE_EXPORT_CSV)->trigger();
        QFile file(PathOf(QStringLiteral("out.csv")));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    }

    void Import(const QStringList& lines)
    {
        QFile file(PathOf(QStringLiteral("in.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write((lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
        file.close();
        m_prompts.openNames.append(file.fileName());
        m_dialog->MenuAction(ID_FILE_IMPORT_CSV)->trigger();
    }


private slots:
    void init()
    {
        OpenFreshWindow();
        const QString path = PathOf(QStringLiteral("small.bin"));
        QVERIFY(WriteBytes(path, SmallImage().Build()));
        m_dialog->OpenImage(path);
    }

    void cleanup() { CloseWindow(); }

    void theFileMenuOffersTheNewItems()
    {
        for (const int id : { ID_FILE_EXPORT_CSV, ID_FILE_IMPORT_CSV, ID_FILE_COMPARE })
            QVERIFY(m_dialog->MenuAction(id));
        QCOMPARE(m_dialog->MenuAction(ID_FILE_COMPARE)->text(), QStringLiteral("compare with..."));
    }

    void exportWritesTheTvAndRadioPrograms()
    {
        const QStringList lines = Exported();
        QCOMPARE(m_prompts.saveInitialNames, QStringList { "channels.csv" });
        QCOMPARE(lines.size(), 6);
        QVERIFY(lines[1].startsWith(QStringLiteral("tv,1,")));
        QVERIFY(lines[5].startsWith(QStringLiteral("radio,1,")));
    }

    void anEditedCsvComesBackIntoTheLists()
    {
        QStringList lines = Exported();
        std::reverse(lines.begin() + 1, lines.begin() + 5);
        lines[1].replace(QStringLiteral(",Three,"), QStringLiteral(",Drei,"));
        Import(lines);
        QCOMPARE(m_prompts.Texts(), QStringList());
        QCOMPARE(Names(), (QStringList { "Drei", "Two", "One" }));
        ServiceTab()->setCurrentIndex(1);
        QCOMPARE(Names(), (QStringList { "Silent", "Wave" }));
    }

    void aCsvInTheCodePageIsReadSoAndSaysSo()
    {
        ChooseAnsiCodePage(1252);
        QStringList lines = Exported();
        for (QString& line : lines)
            line.replace(QStringLiteral(",Three,"), QStringLiteral(",Caf\u00E9,"));
        QFile file(PathOf(QStringLiteral("legacy.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines.join(QStringLiteral("\r\n")).toLatin1());
        file.close();
        m_prompts.openNames.append(file.fileName());
        m_dialog->MenuAction(ID_FILE_IMPORT_CSV)->trigger();
        QCOMPARE(m_prompts.Texts(), QStringList { "read as Windows-1252: the file is not UTF-8" });
        QCOMPARE(Names(), (QStringList { "One", "Two", "Caf\u00E9" }));
    }

    void aBadCsvChangesNothing()
    {
        QStringList lines = Exported();
        lines[1].replace(QStringLiteral(",One,"), QStringLiteral(",Far too long a name,"));
        Import(lines);
        QCOMPARE(m_prompts.messages.size(), 1);
        QVERIFY(m_prompts.Texts()[0].startsWith(QStringLiteral("The CSV is not imported; nothing changed.\n\nrow 2: ")));
        QCOMPARE(m_prompts.messages[0].icon, PromptIcon::Warning);
        QCOMPARE(Names(), (QStringList { "One", "Two", "Three" }));
    }

    void anotherImagesListIsMatchedByWhatItsProgramsAre()
    {
        ImageBuilder other;
        other.AddSatellite(MakeSatellite(1, "ASTRA", 192));
        other.AddTransponder(MakeTransponder(10, 1, 11700));
        other.AddTv(MakeProgram(1, 10, 201, "Three", 0x201));
        other.AddTv(MakeProgram(1, 10, 999, "Elsewhere", 0x301));
        other.AddTv(MakeProgram(1, 10, 101, "One", 0x101));
        const QString path = PathOf(QStringLiteral("other.bin"));
        QVERIFY(WriteBytes(path, other.Build()));
        m_dialog->OpenImage(path);
        const QStringList lines = Exported();
        m_dialog->OpenImage(PathOf(QStringLiteral("small.bin")));

        Import(lines);
        QCOMPARE(Names(), (QStringList { "Three", "One", "Two" }));
        QCOMPARE(m_prompts.Texts(), QStringList { "The CSV lists another image's programs; they were matched by "
                                                  "service id, frequency and polarization, then by name.\n\n"
                                                  "These rows were not applied:\n"
                                                  "row 3 \"Elsewhere\": no such program in the image" });
    }

    void aCsvReportSpeaksTheUsersLanguage_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("added");
        QTest::addColumn<QString>("german");
        QTest::newRow("refused") << ",1,Movies/News," << ",7,Films," << ""
                                 << "Zeile 3: child_lock ist \"7\"; es ist 1 für gesperrt oder 0";
        QTest::newRow("not applied") << ",Two," << ",Zwei," << "satellites,1"
                                     << "1 Satelliten- und Transponderzeile wird nicht angewandt";
    }

    void aCsvReportSpeaksTheUsersLanguage()
    {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, added);
        QFETCH(QString, german);
        QStringList lines = Exported();
        lines[2].replace(from, to);
        if (!added.isEmpty())
            lines.append(added);
        lines.append(QStringLiteral("tv,9,0x0FFFF0,Nine"));
        const std::string csv = (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toStdString();
        ImportOptions options;
        options.chooseMatch = true;
        const ImportPlan plan = PlanImport(db(), csv, options, AnsiCodePageText());
        std::vector<std::string> english = ImportProblemLines(plan.errors);
        for (const auto* problems : { &plan.notes, &plan.remarks })
            for (const std::string& line : ImportProblemLines(*problems))
                english.push_back(line);
        QVERIFY(english.size() >= 2);

        QTranslator translator;
        QVERIFY(translator.load(QStringLiteral(":/i18n/tavrel_de.qm")));
        QCoreApplication::installTranslator(&translator);
        Import(lines);
        QCoreApplication::removeTranslator(&translator);
        QCOMPARE(m_prompts.messages.size(), 1);
        const QString report = m_prompts.Texts()[0];
        QVERIFY2(report.contains(german), qPrintable(report));
        for (const std::string& line : english)
            QVERIFY2(!report.contains(QString::fromStdString(line)), line.c_str());
    }

    void compareListsTheDifferences()
    {
        ImageBuilder changed = SmallImage();
        changed.AddTv(MakeProgram(2, 20, 202, "Four", 0x202));
        const QString path = PathOf(QStringLiteral("changed.bin"));
        QVERIFY(WriteBytes(path, changed.Build()));

        QStringList rows;
        ModalDriver<CCompareDlg> driver([&rows](CCompareDlg& dialog) {
            for (int column = 0; column < 5; ++column)
                rows.append(dialog.List()->GetItemText(0, column));
            dialog.reject();
        });
        m_prompts.openNames.append(path);
        m_dialog->MenuAction(ID_FILE_COMPARE)->trigger();
        QVERIFY(driver.Ran());
        QCOMPARE(rows, (QStringList { "tv", "added", "5", "\"Four\"", "" }));

        m_prompts.openNames.append(PathOf(QStringLiteral("small.bin")));
        m_dialog->MenuAction(ID_FILE_COMPARE)->trigger();
        QCOMPARE(m_prompts.Texts(), QStringList { "The two images hold the same channel list." });
    }

    void nothingToExchangeWithoutAnImage()
    {
        app().Document().Unload();
        for (const int id : { ID_FILE_EXPORT_CSV, ID_FILE_IMPORT_CSV, ID_FILE_COMPARE })
            m_dialog->MenuAction(id)->trigger();
        QCOMPARE(m_prompts.Texts(), QStringList(3, QStringLiteral("Please open file or dump first!")));
        QVERIFY(m_prompts.openFilters.isEmpty() && m_prompts.saveFilters.isEmpty());
    }
};

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    ChooseAnsiCodePage(1252);
    const PrivateSettings settings;
    CTavrelApp app(argc, argv);
    TestExchange test;
    return QTest::qExec(&test, argc, argv);
}

#include "TestExchange.moc"
