#pragma once

#include <QtCore/QString>

#include <optional>

class QWidget;

enum class PromptIcon { None, Information, Warning, Question };
enum class PromptButtons { Ok, YesNo, SaveDiscardCancel, CheckUpgradeCancel };
enum class PromptAnswer { Ok, Yes, No, Save, Discard, Cancel, Check, Upgrade };

// Titles and file filters the program's messages and file dialogs use,
// in English; the real dialogs show them in the user's language.
inline const QString TITLE_WARNING = QString::fromLatin1(QT_TRANSLATE_NOOP("UserPrompts", "Waring"));
inline const QString TITLE_ERROR = QString::fromLatin1(QT_TRANSLATE_NOOP("UserPrompts", "Error"));
inline const QString TITLE_INFO = QString::fromLatin1(QT_TRANSLATE_NOOP("UserPrompts", "Info"));
//: The title of the question whether to save changes.
inline const QString TITLE_SAVE = QString::fromLatin1(QT_TRANSLATE_NOOP("UserPrompts", "save"));
// The title of the program's own newer messages.
inline const QString TITLE_PROGRAM = QStringLiteral("Tavrel");
// Qt shows a filter up to its last parenthesised pattern list when the
// details are hidden, so the visible texts stay those of the program.
//: File dialog filters: keep the patterns in parentheses and the ";;" between filters.
inline const QString OPEN_IMAGE_FILTER
    = QString::fromUtf8(QT_TRANSLATE_NOOP("UserPrompts", "bin file (*.bin) (*.bin *.s);;All file (*.*) (*)"));
//: File dialog filters: keep the patterns in parentheses and the ";;" between filters.
inline const QString SAVE_IMAGE_FILTER
    = QString::fromUtf8(QT_TRANSLATE_NOOP("UserPrompts", "Bin文件(*.bin) (*.bin);;所有文件(*.*) (*)"));
inline const QString SAVE_IMAGE_NAME = QStringLiteral("QM7702_FlashMapNew.bin");

// Every message box and file dialog of the program goes through the current
// UserPrompts, so that tests can record them and answer as scripted.
class UserPrompts {
public:
    virtual ~UserPrompts() = default;

    virtual PromptAnswer Message(QWidget* parent, const QString& text, const QString& title, PromptIcon icon,
        PromptButtons buttons)
        = 0;
    // An empty name means the user cancelled.
    virtual QString OpenFileName(QWidget* parent, const QString& filter) = 0;
    virtual QString SaveFileName(QWidget* parent, const QString& initialName, const QString& filter) = 0;
    // A whole number from minimum to maximum; nothing when the user cancels
    // (and from stand-ins that never ask).
    virtual std::optional<int> Number(QWidget* parent, const QString& text, const QString& title, int minimum,
        int maximum, int value);
    // Shows a folder in the desktop's file manager; false when none could.
    virtual bool OpenFolder(const QString& path);
};

// The real dialogs: QMessageBox and QFileDialog.
class QtUserPrompts : public UserPrompts {
public:
    PromptAnswer Message(QWidget* parent, const QString& text, const QString& title, PromptIcon icon,
        PromptButtons buttons) override;
    QString OpenFileName(QWidget* parent, const QString& filter) override;
    QString SaveFileName(QWidget* parent, const QString& initialName, const QString& filter) override;
    std::optional<int> Number(QWidget* parent, const QString& text, const QString& title, int minimum, int maximum,
        int value) override;
    bool OpenFolder(const QString& path) override;
};

UserPrompts& Prompts();
// Null puts the real dialogs back.
void SetPrompts(UserPrompts* prompts);

// A warning box with title "Waring" and an OK button.
void ShowWarning(QWidget* parent, const QString& text);
// A file that could not be read or written: its path over the reason, in a warning box.
void ShowFileError(QWidget* parent, const QString& path, const QString& reason);
