#include "TemplateDialog.h"

#include <QtWidgets/QLineEdit>
#include <QtWidgets/QVBoxLayout>

TemplateDialog::TemplateDialog(const DialogTemplate& dialog, QWidget* parent)
    : QDialog(parent)
    , m_template(dialog)
{
    setWindowTitle(DialogCaption(dialog));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
        | Qt::WindowCloseButtonHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int TemplateDialog::DoModal()
{
    delete m_page;
    m_page = new QWidget(this);
    layout()->addWidget(m_page);
    DialogBuilder(m_page).Build(m_template);
    if (!OnInitDialog())
        return QDialog::Rejected;
    return exec();
}

QWidget* TemplateDialog::Control(int id) const
{
    return m_page ? FindControl(m_page, id) : nullptr;
}

QString TemplateDialog::ItemText(int id) const
{
    const auto* edit = Control<QLineEdit>(id);
    return edit ? edit->text() : QString();
}

void TemplateDialog::SetItemText(int id, const QString& text)
{
    if (auto* edit = Control<QLineEdit>(id))
        edit->setText(text);
}
