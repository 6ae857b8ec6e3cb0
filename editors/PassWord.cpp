#include "PassWord.h"

#include "EditorResources.h"
#include "UserPrompts.h"

#include <QtWidgets/QPushButton>

namespace {

struct LoginEntry {
    char16_t user[20];
    char16_t password[50];
};

constexpr LoginEntry LOGIN_TABLE[] = {
    { u"QTR1", u"40537219" },
    { u"QTR2", u"40537219" },
    { u"QTR3", u"40537219" },
    { u"QTR4", u"40537219" },
    { u"QTR5", u"40537219" },
    { u"QTR6", u"40537219" },
    { u"QTR7", u"40537219" },
    { u"QTR8", u"40537219" },
    { u"QTR9", u"40537219" },
    { u"QTR10", u"40537219" },
};

const QString HIDDEN_LOGIN = QStringLiteral("******");

// Whole strings, case and blanks included.
bool IsKnownLogin(const QString& user, const QString& password)
{
    for (const LoginEntry& entry : LOGIN_TABLE) {
        if (user == QString::fromUtf16(entry.user) && password == QString::fromUtf16(entry.password))
            return true;
    }
    return false;
}

} // namespace

PassWord::PassWord(QWidget* parent)
    : TemplateDialog(PassWordDialogTemplate(), parent)
{
}

bool PassWord::LogIn(bool loggedIn)
{
    m_loggedIn = loggedIn;
    DoModal();
    return m_loggedIn;
}

bool PassWord::OnInitDialog()
{
    connect(Control<QPushButton>(IDC_LOGIN_OK), &QPushButton::clicked, this, &PassWord::OnOK);
    connect(Control<QPushButton>(IDC_LOGIN_CANCEL), &QPushButton::clicked, this, &PassWord::reject);
    if (m_loggedIn) {
        SetItemText(IDC_LOGIN_USER, HIDDEN_LOGIN);
        SetItemText(IDC_LOGIN_PASSWORD, HIDDEN_LOGIN);
    }
    return true;
}

void PassWord::OnOK()
{
    if (!m_loggedIn) {
        if (IsKnownLogin(ItemText(IDC_LOGIN_USER), ItemText(IDC_LOGIN_PASSWORD))) {
            m_loggedIn = true;
        } else {
            Prompts().Message(this, tr("Name or PassWord is error!"), tr("Warnning"),
                PromptIcon::None, PromptButtons::Ok);
        }
    }
    reject();
}
