#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QString>

class CTavrelDlg;
class QMenu;

// The tools around the channel list: the list check and its repairs, the
// dumps kept from the receiver, and the recent files.
class ListTools : public QObject {
    Q_OBJECT

public:
    explicit ListTools(CTavrelDlg& window);

    // True when the image has no error the list check finds, or the user
    // chooses to upgrade anyway.
    bool ConfirmUpgradeOfCheckedList();

public slots:
    void OnCheckList();
    void OnKeptDumps();
    void OpenRecentFile(const QByteArray& fileName);

private:
    void RemoveFindings(unsigned kinds);
    void FillRecentMenu();

    CTavrelDlg& m_window;
    QMenu* m_RecentMenu = nullptr;
};
