#include "UserPrompts.h"

#include <QtCore/QUrl>
#include <QtGui/QDesktopServices>
#include <QtCore/QCoreApplication>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QInputDialog>
#include <QtWidgets/QMessageBox>
#include <QtWidgets/QPushButton>

namespace {

UserPrompts* g_prompts = nullptr;

// A title or filter of UserPrompts.h in the user's language.
QString Shown(const QString& text)
{
    return QCoreApplication::translate("UserPrompts", text.toUtf8().constData());
}

QMessageBox::Icon ToQtIcon(PromptIcon icon)
{
    switch (icon) {
    case PromptIcon::Information:
        return QMessageBox::Information;
    case PromptIcon::Warning:
        return QMessageBox::Warning;
    case PromptIcon::Question:
        return QMessageBox::Question;
    case PromptIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

} // namespace

PromptAnswer QtUserPrompts::Message(QWidget* parent, const QString& text, const QString& title, PromptIcon icon,
    PromptButtons buttons)
{
    QMessageBox box(ToQtIcon(icon), Shown(title), text, QMessageBox::NoButton, parent);
    switch (buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return PromptAnswer::Ok;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? PromptAnswer::Yes : PromptAnswer::No;
    case PromptButtons::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        switch (box.exec()) {
        case QMessageBox::Save:
            return PromptAnswer::Save;
        case QMessageBox::Discard:
            return PromptAnswer::Discard;
        default:
            return PromptAnswer::Cancel;
        }
    case PromptButtons::CheckUpgradeCancel: {
        QPushButton* check = box.addButton(QCoreApplication::translate("UserPrompts", "Check"), QMessageBox::ActionRole);
        QPushButton* upgrade = box.addButton(QCoreApplication::translate("UserPrompts", "Upgrade"), QMessageBox::AcceptRole);
        QPushButton* cancel = box.addButton(QMessageBox::Cancel);
        box.setDefaultButton(check);
        box.setEscapeButton(cancel);
        box.exec();
        if (box.clickedButton() == check)
            return PromptAnswer::Check;
        return box.clickedButton() == upgrade ? PromptAnswer::Upgrade : PromptAnswer::Cancel;
    }
    }
    return PromptAnswer::Ok;
}

QString QtUserPrompts::OpenFileName(QWidget* parent, const QString& filter)
{
    return QFileDialog::getOpenFileName(parent, QString(), QString(), Shown(filter), nullptr,
        QFileDialog::HideNameFilterDetails);
}

QString QtUserPrompts::SaveFileName(QWidget* parent, const QString& initialName, const QString& filter)
{
    return QFileDialog::getSaveFileName(parent, QString(), initialName, Shown(filter), nullptr,
        QFileDialog::HideNameFilterDetails);
}

std::optional<int> UserPrompts::Number(QWidget*, const QString&, const QString&, int, int, int)
{
    return std::nullopt;
}

bool UserPrompts::OpenFolder(const QString&)
{
    return false;
}

std::optional<int> QtUserPrompts::Number(QWidget* parent, const QString& text, const QString& title, int minimum,
    int maximum, int value)
{
    bool ok = false;
    const int number = QInputDialog::getInt(parent, Shown(title), text, value, minimum, maximum, 1, &ok);
    return ok ? std::optional<int>(number) : std::nullopt;
}

bool QtUserPrompts::OpenFolder(const QString& path)
{
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

UserPrompts& Prompts()
{
    static QtUserPrompts real;
    return g_prompts ? *g_prompts : real;
}

void SetPrompts(UserPrompts* prompts)
{
    g_prompts = prompts;
}

void ShowWarning(QWidget* parent, const QString& text)
{
    Prompts().Message(parent, text, TITLE_WARNING, PromptIcon::Warning, PromptButtons::Ok);
}

void ShowFileError(QWidget* parent, const QString& path, const QString& reason)
{
    ShowWarning(parent, QStringLiteral("%1\n%2").arg(path, reason));
}
