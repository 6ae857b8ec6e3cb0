#pragma once

#include "ReferenceListWnd.h"
#include "ReferencePlan.h"

#include <QtCore/QObject>
#include <QtCore/QPointer>
#include <QtCore/QString>

#include <memory>

class CTavrelDlg;

// Reference lists in the window: File "apply reference list..." previews a
// reference and applies it as one step of the history; View "reference
// list" shows the last one chosen beside the main window, from where its
// rows are dragged into the main list.
class ReferenceCommands : public QObject {
    Q_OBJECT

public:
    explicit ReferenceCommands(CTavrelDlg& window);
    ~ReferenceCommands() override;

    // Previews the reference in a file (a kept dump) for the user to apply.
    void PreviewFile(const QString& path);
    // The window of the reference list, while it is open.
    ReferenceListWnd* ListWindow() const { return m_ListWindow; }

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

    CTavrelDlg& m_window;
    std::unique_ptr<ReferenceList> m_List;
    QString m_Name;
    ReferenceOptions m_Options;
    std::unique_ptr<ReferencePlan> m_Plan;
    QPointer<ReferenceListWnd> m_ListWindow;
};
