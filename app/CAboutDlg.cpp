#include "CAboutDlg.h"

#include "DialogBuilder.h"
#include "MainResources.h"
#include "VersionText.h"

#include <QtWidgets/QLabel>

#include <QtWidgets/QPushButton>
#include <QtWidgets/QVBoxLayout>

CAboutDlg::CAboutDlg(QWidget* parent)
    : QDialog(parent)
{
    const DialogTemplate& dialog = AboutDialogTemplate();
    setWindowTitle(DialogCaption(dialog));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* page = new QWidget(this);
    layout->addWidget(page);
    DialogBuilder(page).Build(dialog);
    if (auto* ok = FindControl<QPushButton>(page, 1))
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    if (auto* version = FindControl<QLabel>(page, IDC_ABOUT_VERSION))
        version->setText(BuildAboutText());
}
