#pragma once

#include "DialogBuilder.h"

#include <QtWidgets/QDialog>

// A modal dialog whose window is built anew from its template for every run,
// so each run starts with fresh controls; the object itself lives on.
class TemplateDialog : public QDialog {
    Q_OBJECT

public:
    TemplateDialog(const DialogTemplate& dialog, QWidget* parent);

    // Builds the controls, lets OnInitDialog fill them and runs the dialog.
    // Returns QDialog::Rejected at once when OnInitDialog refuses to open.
    int DoModal();

    QWidget* Control(int id) const;
    template <typename T>
    T* Control(int id) const
    {
        return qobject_cast<T*>(Control(id));
    }
    // Text of an edit control of the current run.
    QString ItemText(int id) const;
    void SetItemText(int id, const QString& text);

protected:
    virtual bool OnInitDialog() = 0;

private:
    const DialogTemplate& m_template;
    QWidget* m_page = nullptr;
};
