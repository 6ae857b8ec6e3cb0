#include "UserPrompts.h"

#include "../editors/ModalDriver.h"

#include <QtGui/QAccessible>
#include <QtTest/QtTest>
#include <QtWidgets/QMessageBox>

class TestUserPrompts : public QObject {
    Q_OBJECT

private slots:
    // Screen readers speak a window with the alert role as soon as it shows;
    // a home-made dialog in place of the message box would stay silent.
    void messagesReachScreenReadersAsAlerts_data()
    {
        QTest::addColumn<int>("icon");
        QTest::addColumn<int>("buttons");
        QTest::newRow("warning") << int(PromptIcon::Warning) << int(PromptButtons::Ok);
        QTest::newRow("question") << int(PromptIcon::Question) << int(PromptButtons::YesNo);
        QTest::newRow("save changes") << int(PromptIcon::Warning) << int(PromptButtons::SaveDiscardCancel);
        QTest::newRow("check first") << int(PromptIcon::Question) << int(PromptButtons::CheckUpgradeCancel);
    }

    void messagesReachScreenReadersAsAlerts()
    {
        QFETCH(int, icon);
        QFETCH(int, buttons);
        QAccessible::Role role = QAccessible::NoRole;
        QString spoken;
        ModalDriver<QMessageBox> driver([&](QMessageBox& box) {
            if (QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&box)) {
                role = accessible->role();
                spoken = accessible->text(QAccessible::Name) + QLatin1Char('|') + box.text();
            }
            box.reject();
        });
        QtUserPrompts prompts;
        prompts.Message(nullptr, QStringLiteral("Read to read!"), TITLE_WARNING, PromptIcon(icon),
            PromptButtons(buttons));
        QVERIFY(driver.Ran());
        QCOMPARE(role, QAccessible::AlertMessage);
        QCOMPARE(spoken, QStringLiteral("Waring|Read to read!"));
    }
};

QTEST_MAIN(TestUserPrompts)
#include "TestUserPrompts.moc"
