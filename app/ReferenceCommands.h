#pragma once

#include "ReferenceListWnd.h"
#include "ReferencePlan.h"

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QString>

#include <cstdint>
#include <memory>
#include <vector>

class CDragDropListCtrl;
class DocumentSignals;
class DumpArchive;
class ImageDocument;
class QWidget;

// Reference lists in the window: File "apply reference list..." previews a
// reference and applies it as one step of the history; View "reference
// list" shows the last one chosen beside the main window, from where its
// rows are dragged into the main list.
class ReferenceCommands : public QObject {
    Q_OBJECT

public:
    // What the commands ask of the window around them.
    class Host {
    public:
        virtual ImageDocument& Document() = 0;
        // No transfer runs.
        virtual bool IsIdle() const = 0;
        // The dumps kept from the receiver; null when there is no link.
        virtual const DumpArchive* Archive() const = 0;
        // Selects a record of a directory table in the tree and the list.
        virtual void ShowRecord(int table, int position) = 0;
        // Moves these records of the list shown (by offset, in this order)
        // to right after the shown row `dropRow`, as a drag of them would.
        virtual void MoveRecordsAfter(const std::vector<uint32_t>& records, int dropRow) = 0;

    protected:
        ~Host() = default;
    };

    // Rows of the reference land on `list`; the reference window stands
    // beside `window`, which stands behind every message; `documentSignals` tell of
    // the document's changes.
    ReferenceCommands(Host& host, QWidget& window, CDragDropListCtrl& list, DocumentSignals& documentSignals);
    ~ReferenceCommands() override;

    // Previews the reference in a file (a kept dump) for the user to apply.
    void PreviewFile(const QString& path);

public slots:
    void OnApplyReferenceList();
    void OnViewReferenceList();

private:
    void Preview(const QString& path);
    void ShowListWindow();
    // What the reference finds in the image as it is now.
    void Replan();
    // Rows of the reference dropped on the main list after `dropRow`.
    void OnRowsDropped(const QByteArray& data, int dropRow);

    Host& m_host;
    QWidget& m_window;
    std::unique_ptr<ReferenceList> m_List;
    QString m_Name;
    ReferenceOptions m_Options;
    std::unique_ptr<ReferencePlan> m_Plan;
    QPointer<ReferenceListWnd> m_ListWindow;
};
