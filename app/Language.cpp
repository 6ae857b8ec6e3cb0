#include "Language.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QDir>
#include <QtCore/QLibraryInfo>
#include <QtCore/QLocale>
#include <QtCore/QSettings>
#include <QtCore/QTranslator>
#include <QtGui/QGuiApplication>

namespace {

const QString SETTINGS_KEY = QStringLiteral("Window/Language");

// The settings file of the receiver link's choices too.
QSettings Store()
{
    return QSettings(QStringLiteral("Tavrel"), QStringLiteral("Tavrel"));
}
const QString TRANSLATIONS = QStringLiteral(":/i18n");

// "de_DE.UTF-8@euro" is "de_DE".
QString LocaleName(const QByteArray& value)
{
    QString name = QString::fromLocal8Bit(value);
    name = name.left(name.indexOf(QLatin1Char('.')));
    return name.left(name.indexOf(QLatin1Char('@')));
}

bool IsPlain(const QString& name)
{
    return name == QLatin1String("C") || name == QLatin1String("POSIX");
}

} // namespace

QString Language::FromEnvironment()
{
    QString locale;
    for (const char* variable : { "LC_ALL", "LC_MESSAGES", "LANG" }) {
        locale = LocaleName(qgetenv(variable));
        if (!locale.isEmpty())
            break;
    }
    if (locale.isEmpty() || IsPlain(locale))
        return QString();
    const QString first = LocaleName(qgetenv("LANGUAGE").split(':').constFirst());
    return first.isEmpty() ? locale : first;
}

QString Language::Chosen()
{
    return Store().value(SETTINGS_KEY).toString();
}

void Language::Choose(const QString& code)
{
    QSettings settings = Store();
    if (code.isEmpty())
        settings.remove(SETTINGS_KEY);
    else
        settings.setValue(SETTINGS_KEY, code);
}

QString Language::Current()
{
    const QString chosen = Chosen();
    return chosen.isEmpty() ? FromEnvironment() : chosen;
}

QStringList Language::Translated()
{
    QStringList codes;
    for (const QString& file : QDir(TRANSLATIONS).entryList({ QStringLiteral("tavrel_*.qm") }))
        codes << file.mid(7, file.size() - 10);
    codes.removeOne(QStringLiteral("en"));
    return codes;
}

void Language::InstallEnglish()
{
    auto* plurals = new QTranslator(qApp);
    if (plurals->load(QStringLiteral("tavrel_en"), TRANSLATIONS))
        QCoreApplication::installTranslator(plurals);
    else
        delete plurals;
}

bool Language::Install(const QString& code)
{
    const QLocale locale(code);
    auto* own = new QTranslator(qApp);
    if (code.isEmpty() || IsPlain(code) || locale.language() == QLocale::English
        || !own->load(locale, QStringLiteral("tavrel"), QStringLiteral("_"), TRANSLATIONS)) {
        delete own;
        return false;
    }
    QCoreApplication::installTranslator(own);
    // The buttons and texts of Qt's own dialogs.
    auto* qt = new QTranslator(qApp);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    QLocale::setDefault(locale);
    QGuiApplication::setLayoutDirection(locale.textDirection());
    return true;
}
