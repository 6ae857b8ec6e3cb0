#pragma once

#include <QtCore/QByteArray>
#include <QtCore/QObject>
#include <QtCore/QString>

#include <string>

class DumpArchive;
class ImageDocument;
class QMenu;
class QMenuBar;
class QWidget;

// The tools around the channel list: the list check and its repairs, the
// dumps kept from the receiver, and the recent files.
class ListTools : public QObject {
    Q_OBJECT

public:
    // What the tools ask of the window around them.
    class Host {
    public:
        virtual ImageDocument& Document() = 0;
        // No transfer runs.
        virtual bool IsIdle() const = 0;
        // No transfer runs and an image is loaded: the image may change.
        virtual bool CanChangeImage() const = 0;
        // Asks whether to save a modified image before it is replaced;
        // false when the user cancels.
        virtual bool ConfirmDiscardChanges() = 0;
        // fileName, when given, is the path as the system spells it.
        virtual bool OpenImage(const QString& path, const std::string& fileName) = 0;
        // Selects a record of a directory table in the tree and the list.
        virtual void ShowRecord(int table, int position) = 0;
        virtual void CompareWithFile(const QString& path) = 0;
        // Previews the file as a reference list to apply to the image.
        virtual void ApplyReference(const QString& path) = 0;
        // The dumps kept from the receiver; null when there is no link.
        virtual const DumpArchive* Archive() const = 0;

    protected:
        ~Host() = default;
    };

    // The tools' items live in `menuBar`; `window` stands behind every message.
    ListTools(Host& host, QWidget& window, QMenuBar& menuBar);

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

    Host& m_host;
    QWidget& m_window;
    QMenu* m_RecentMenu = nullptr;
};
