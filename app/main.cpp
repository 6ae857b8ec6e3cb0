#include "CTavrelApp.h"
#include "CTavrelDlg.h"
#include "CodePageText.h"
#include "VersionText.h"

#include <QtCore/QCommandLineParser>

#include <cstdio>
#include <string>

namespace {

const QCommandLineOption HELP({ QStringLiteral("h"), QStringLiteral("help") }, QStringLiteral("Shows this help."));

void SetUp(QCommandLineParser& parser)
{
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(
        QStringLiteral("Edits the channel database in the flash image of a satellite receiver."));
    parser.addOption(HELP);
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("image"),
        QStringLiteral("Flash image to open, at most 1 MiB (use -- before a name that starts with -)."),
        QStringLiteral("[image]"));
}

// A word after a single dash that is no option of ours is a file name
// ("-dash.bin"), never a bundle of one-letter options: such words go after
// "--". Qt's own options (-platform) are taken by the application first.
QStringList WithFileNames(const QStringList& arguments)
{
    const QStringList known { QStringLiteral("h"), QStringLiteral("help"), QStringLiteral("v"),
        QStringLiteral("version") };
    QStringList options;
    QStringList names;
    bool onlyNames = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (onlyNames)
            names << argument;
        else if (argument == QStringLiteral("--"))
            onlyNames = true;
        else if (argument.size() > 1 && argument.startsWith(QLatin1Char('-')) && !argument.startsWith(QStringLiteral("--"))
            && !known.contains(argument.mid(1)))
            names << argument;
        else
            options << argument;
    }
    QStringList result;
    if (!arguments.isEmpty())
        result << arguments.first();
    result << options;
    if (!names.isEmpty())
        result << QStringLiteral("--") << names;
    return result;
}

// The bytes of the command-line argument that reads as the text.
std::string ArgumentBytes(int argc, char** argv, const QString& text)
{
    for (int i = argc - 1; i > 0; --i)
        if (QString::fromLocal8Bit(argv[i]) == text)
            return argv[i];
    return std::string();
}

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
    early.parse(WithFileNames(raw));
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
    if (!parser.parse(WithFileNames(QCoreApplication::arguments())) || parser.positionalArguments().size() > 1) {
        const QString reason = parser.errorText().isEmpty() ? QStringLiteral("more than one image named")
                                                            : parser.errorText();
        Print(stderr, QStringLiteral("tavrel: %1\nTry 'tavrel --help'.\n").arg(reason));
        return 2;
    }
    app.m_Comm.Devices().ReadEnvironment();
    ChooseAnsiCodePage(CodePageFromEnvironment());
    if (const char* trace = std::getenv("TAVREL_TRACE"))
        app.m_Link.m_strTraceFile = trace;
    CTavrelDlg dialog(app, app.m_Comm, app.m_Link);
    if (!parser.positionalArguments().isEmpty()) {
        const QString image = parser.positionalArguments().constFirst();
        dialog.OpenImage(image, ArgumentBytes(argc, argv, image));
    }
    dialog.exec();
    return 0;
}
