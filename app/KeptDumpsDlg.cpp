#include "KeptDumpsDlg.h"

#include "UserPrompts.h"

#include <QtCore/QDateTime>
#include <QtCore/QDir>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QVBoxLayout>

KeptDumpsDlg::KeptDumpsDlg(const DumpArchive& archive, bool canCompare, QWidget* parent)
    : QDialog(parent)
    , m_Folder(QFile::decodeName(archive.Folder().c_str()))
    , m_Dumps(archive.List())
    , m_bCanCompare(canCompare)
    , m_List(new QTreeWidget(this))
    , m_Open(new QPushButton(tr("Open", "a kept dump, as an image")))
    , m_Compare(new QPushButton(tr("Compare")))
    , m_Reference(new QPushButton(tr("Apply as reference")))
    , m_ShowFolder(new QPushButton(tr("Show folder")))
{
    setWindowTitle(tr("Kept dumps"));
    auto* folder = new QLabel(m_Dumps.empty() ? tr("No dumps are kept in %1 yet.").arg(m_Folder)
                                              : tr("Every dump is kept in %1.").arg(m_Folder),
        this);
    folder->setWordWrap(true);

    m_List->setAccessibleName(tr("Kept dumps"));
    m_List->setRootIsDecorated(false);
    //: Column headings: when a dump was kept, its size, whether it decodes, its satellites, TV and radio programs.
    m_List->setHeaderLabels({ tr("Kept"), tr("Size"), tr("Decodes"), tr("Sat"), tr("TV"), tr("Radio"), tr("File") });
    for (const DumpArchive::Kept& dump : m_Dumps) {
        const QString when = QDateTime::fromSecsSinceEpoch(dump.time).toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
        auto* item = new QTreeWidgetItem(m_List,
            { when, QString::number(dump.size), dump.decodes ? tr("yes") : tr("no"),
                dump.decodes ? QString::number(dump.satellites) : QString(),
                dump.decodes ? QString::number(dump.tv) : QString(),
                dump.decodes ? QString::number(dump.radio) : QString(),
                QFileInfo(QFile::decodeName(dump.path.c_str())).fileName() });
        for (int column = 1; column <= 5; ++column)
            item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_List->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (!m_Dumps.empty())
        m_List->setCurrentItem(m_List->topLevelItem(0));

    // Close comes last: added before the others, the Tab key would never reach it.
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_Open, QDialogButtonBox::ActionRole);
    buttons->addButton(m_Compare, QDialogButtonBox::ActionRole);
    buttons->addButton(m_Reference, QDialogButtonBox::ActionRole);
    buttons->addButton(m_ShowFolder, QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_Open, &QPushButton::clicked, this, [this] { Choose(Choice::Open); });
    connect(m_Compare, &QPushButton::clicked, this, [this] { Choose(Choice::Compare); });
    connect(m_Reference, &QPushButton::clicked, this, [this] { Choose(Choice::Reference); });
    connect(m_ShowFolder, &QPushButton::clicked, this, [this] {
        QDir().mkpath(m_Folder);
        Prompts().OpenFolder(m_Folder);
    });
    connect(m_List, &QTreeWidget::currentItemChanged, this, &KeptDumpsDlg::UpdateButtons);
    connect(m_List, &QTreeWidget::itemActivated, this, [this] { Choose(Choice::Open); });
    UpdateButtons();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(folder);
    layout->addWidget(m_List);
    layout->addWidget(buttons);
    resize(680, 360);
}

void KeptDumpsDlg::UpdateButtons()
{
    const int row = m_List->currentItem() ? m_List->indexOfTopLevelItem(m_List->currentItem()) : -1;
    const bool decodes = row >= 0 && m_Dumps[static_cast<size_t>(row)].decodes;
    m_Open->setEnabled(decodes);
    m_Compare->setEnabled(decodes && m_bCanCompare);
    m_Reference->setEnabled(decodes && m_bCanCompare);
}

void KeptDumpsDlg::Choose(Choice choice)
{
    const int row = m_List->currentItem() ? m_List->indexOfTopLevelItem(m_List->currentItem()) : -1;
    if (row < 0 || !m_Dumps[static_cast<size_t>(row)].decodes)
        return;
    if ((choice == Choice::Compare || choice == Choice::Reference) && !m_bCanCompare)
        return;
    m_Chosen = choice;
    m_ChosenPath = QFile::decodeName(m_Dumps[static_cast<size_t>(row)].path.c_str());
    accept();
}
