#include "LanguageMenu.h"

#include "Language.h"

#include <QtCore/QLocale>
#include <QtGui/QActionGroup>

LanguageMenu::LanguageMenu(QWidget* parent)
    : QMenu(parent)
{
    auto* group = new QActionGroup(this);
    const QString chosen = Language::Chosen();
    const auto add = [&](const QString& name, const QString& code) {
        QAction* action = addAction(name);
        action->setCheckable(true);
        action->setChecked(code == chosen);
        action->setActionGroup(group);
        connect(action, &QAction::triggered, this, [code] { Language::Choose(code); });
    };
    add(tr("The locale's language"), QString());
    add(QStringLiteral("English"), QStringLiteral("en"));
    for (const QString& code : Language::Translated())
        add(QLocale(code).nativeLanguageName(), code);
    addSeparator();
    addAction(tr("A new language shows at the next start."))->setEnabled(false);
}
