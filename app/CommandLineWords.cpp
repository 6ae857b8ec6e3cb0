#include "CommandLineWords.h"

QStringList WithFileNames(const QStringList& arguments, const QStringList& optionNames)
{
    QStringList options;
    QStringList names;
    bool onlyNames = false;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        const bool singleDash = argument.size() > 1 && argument.startsWith(QLatin1Char('-'))
            && !argument.startsWith(QStringLiteral("--"));
        if (onlyNames)
            names << argument;
        else if (argument == QStringLiteral("--"))
            onlyNames = true;
        else if (singleDash && !optionNames.contains(argument.mid(1)))
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

std::string ArgumentBytes(int argc, const char* const* argv, const QString& text)
{
    for (int i = argc - 1; i > 0; --i)
        if (QString::fromLocal8Bit(argv[i]) == text)
            return argv[i];
    return std::string();
}
