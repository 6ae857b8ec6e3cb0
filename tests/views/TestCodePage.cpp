#include "CodePage.h"

#include <QtTest/QtTest>

#include <cstring>

class TestCodePage : public QObject {
    Q_OBJECT

private slots:
    void localesMapAsWindowsChooses_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("codePage");
        QTest::newRow("zh_CN") << "zh_CN.UTF-8" << 936;
        QTest::newRow("zh_SG") << "zh_SG" << 936;
        QTest::newRow("zh_TW") << "zh_TW.UTF-8" << 950;
        QTest::newRow("zh_HK") << "zh_HK.UTF-8" << 950;
        QTest::newRow("ja") << "ja_JP.UTF-8" << 932;
        QTest::newRow("ko") << "ko_KR.EUC-KR" << 949;
        QTest::newRow("ru") << "ru_RU.UTF-8" << 1251;
        QTest::newRow("pl") << "pl_PL" << 1250;
        QTest::newRow("el") << "el_GR.UTF-8" << 1253;
        QTest::newRow("tr") << "tr_TR.UTF-8" << 1254;
        QTest::newRow("he") << "he_IL.UTF-8" << 1255;
        QTest::newRow("fa") << "fa_IR" << 1256;
        QTest::newRow("lt") << "lt_LT.UTF-8" << 1257;
        QTest::newRow("vi") << "vi_VN" << 1258;
        QTest::newRow("th") << "th_TH.UTF-8" << 874;
        QTest::newRow("de") << "de_DE.UTF-8" << 1252;
        QTest::newRow("C") << "C" << 1252;
        QTest::newRow("sr latin") << "sr_RS@latin" << 1251;
    }

    void localesMapAsWindowsChooses()
    {
        QFETCH(QString, locale);
        QFETCH(int, codePage);
        QCOMPARE(CodePageForLocale(locale.toLatin1().constData()), codePage);
    }

    void environmentOverridesTheLocale()
    {
        qputenv("LC_ALL", "ru_RU.UTF-8");
        qputenv("TAVREL_CODEPAGE", "936");
        QCOMPARE(CodePageFromEnvironment(), 936);
        qunsetenv("TAVREL_CODEPAGE");
        QCOMPARE(CodePageFromEnvironment(), 1251);
        qunsetenv("LC_ALL");
    }

    void theChosenCodePageStaysWhenTheEnvironmentChanges()
    {
        ChooseAnsiCodePage(1251);
        qputenv("TAVREL_CODEPAGE", "936");
        QCOMPARE(AnsiCodePage(), 1251);
        QCOMPARE(AnsiToText("\xC0", 1), QStringLiteral("А"));
        qunsetenv("TAVREL_CODEPAGE");
    }

    void chineseNamesRoundTrip()
    {
        const CodePageText gbk(936);
        const QString name = QStringLiteral("中央电视台一");
        const std::string bytes = gbk.FromUtf8(name.toStdString(), 12);
        QCOMPARE(bytes, std::string("\xD6\xD0\xD1\xEB\xB5\xE7\xCA\xD3\xCC\xA8\xD2\xBB"));
        QCOMPARE(QString::fromStdString(gbk.ToUtf8(bytes.c_str(), 12)), name);
    }

    void cuttingNeverSplitsACharacter()
    {
        const CodePageText gbk(936);
        // Five ASCII letters and four Chinese characters: 13 bytes do not fit.
        const std::string bytes = gbk.FromUtf8(QStringLiteral("ABCDE中文电视").toStdString(), 12);
        QCOMPARE(bytes.size(), size_t(11));
        QCOMPARE(QString::fromStdString(gbk.ToUtf8(bytes.c_str(), 12)), QStringLiteral("ABCDE中文电"));
    }

    void halfACharacterAtTheEndReadsAsQuestionMark()
    {
        const CodePageText gbk(936);
        const char field[12] = { 'A', 'B', 'C', 'D', 'E', 'F', 'G', 'H', 'I', 'J', 'K', '\xD6' };
        QCOMPARE(gbk.ToUtf8(field, 12), std::string("ABCDEFGHIJK?"));
    }

    void westernNamesRoundTrip()
    {
        const CodePageText western(1252);
        const QString name = QStringLiteral("Télé €uro");
        const std::string bytes = western.FromUtf8(name.toStdString(), 12);
        QCOMPARE(bytes, std::string("T\xE9l\xE9 \x80uro"));
        QCOMPARE(QString::fromStdString(western.ToUtf8(bytes.c_str(), 12)), name);
    }

    void missingCharactersBecomeQuestionMarks()
    {
        const CodePageText western(1252);
        QCOMPARE(western.FromUtf8(QStringLiteral("TV中国").toStdString(), 12), std::string("TV??"));
        const char undefined[] = "A\x81" "B";
        QCOMPARE(western.ToUtf8(undefined, 12), std::string("A?B"));
    }

    void readingStopsAtZeroOrTwelveBytes()
    {
        const CodePageText western(1252);
        const char full[13] = "ABCDEFGHIJKL";
        QCOMPARE(western.ToUtf8(full, 12), std::string("ABCDEFGHIJKL"));
        const char shortName[12] = { 'S', 'K', 'Y', 0, 'X' };
        QCOMPARE(western.ToUtf8(shortName, 12), std::string("SKY"));
    }
};

QTEST_GUILESS_MAIN(TestCodePage)
#include "TestCodePage.moc"
