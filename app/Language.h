#pragma once

#include <QtCore/QString>
#include <QtCore/QStringList>

// The language of the window's texts. A choice made with --lang or in the
// Help menu is kept in the settings and wins over the locale; without one
// the locale decides. English needs no translation and is what a language
// without one gets.
class Language {
public:
    // The locale's language as gettext reads the environment: LANGUAGE (its
    // first entry), then LC_ALL, LC_MESSAGES and LANG; "C" and "POSIX" are
    // English, and so is LANGUAGE under them.
    static QString FromEnvironment();

    // The language kept in the settings, or empty.
    static QString Chosen();
    // An empty code follows the locale again.
    static void Choose(const QString& code);

    // The chosen language, or the locale's.
    static QString Current();

    // The languages the program is translated into, as codes ("de", "zh_CN").
    static QStringList Translated();

    // The plural forms of English counts ("1 error", "2 errors"), which the
    // application needs whatever its language.
    static void InstallEnglish();

    // Installs the program's and Qt's translations for a language into the
    // application and lays the window out in the direction it reads.
    // False when the program has no translation for it (English stays).
    static bool Install(const QString& code);
};
