#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "CodePageText.h"
#include "CommandLineWords.h"
#include "Language.h"
#include "PrintableText.h"
#include "VersionText.h"

#include <QtCore/QCommandLineParser>

#include <cstdio>

namespace {

const QCommandLineOption HELP({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Shows this help."));
const QCommandLineOption LANG(QStringLiteral("lang"),
    QStringLiteral("Shows the window in this language (de, ru, tr, ar, zh_CN, en) from now on; "
                   "an empty code follows the locale again."),
    QStringLiteral("code"));

void SetUp(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Edits the channel database in the flash image of a satellite receiver."));
    parser.addOption(HELP);
    parser.addOption(LANG);
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("image"),
        QStringLiteral("Flash image to open, at most 1 MiB (use -- before a name that starts with -)."),
        QStringLiteral("[image]"));
}

// Every option name (those of addVersionOption too), so that no other
// single-dash word is taken for one.
const QStringList OPTION_NAMES = HELP.names() + LANG.names() + QStringList { QStringLiteral("v"), QStringLiteral("version") };

void Print(std::FILE* stream, const QString& text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

#include <cstdlib>

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Tavrel"));
    QCoreApplication::setApplicationVersion(BuildVersionText());

    // Help and version need no display, so they are answered before the
    // application exists; what else is wrong is known only once it has
    // taken its own options (-platform and the like).
    QStringList raw;
    for (int i = 0; i < argc; ++i)
        raw << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser early;
    SetUp(early);
    early.parse(WithFileNames(raw, OPTION_NAMES));
    if (early.isSet(HELP)) {
        // Without an application the parser knows no program name.
        Print(stdout, early.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("tavrel")));
        return 0;
    }
    if (early.isSet(QStringLiteral("version"))) {
        Print(stdout, QStringLiteral("Tavrel %1\n").arg(QCoreApplication::applicationVersion()));
        return 0;
    }

    CTavrelApp app(argc, argv);
    QCommandLineParser parser;
    SetUp(parser);
    if (!parser.parse(WithFileNames(QCoreApplication::arguments(), OPTION_NAMES)) || parser.positionalArguments().size() > 1) {
        const QString reason = parser.errorText().isEmpty() ? QStringLiteral("more than one image named")
                                                            : parser.errorText();
        Print(stderr, QStringLiteral("tavrel: %1\nTry 'tavrel --help'.\n")
                          .arg(QString::fromStdString(EchoedText(reason.toStdString()))));
        return 2;
    }
    if (parser.isSet(LANG))
        Language::Choose(parser.value(LANG));
    Language::Install(Language::Current());
    app.m_Ports.ReadEnvironment();
    ChooseAnsiCodePage(CodePageFromEnvironment());
    const char* trace = std::getenv("TAVREL_TRACE");
    CTavrelDlg dialog(app.m_Document, app.m_Ports, trace ? trace : "");
    if (!parser.positionalArguments().isEmpty()) {
        const QString image = parser.positionalArguments().constFirst();
        dialog.OpenImage(image, ArgumentBytes(argc, argv, image));
    }
    dialog.exec();
    return 0;
}
