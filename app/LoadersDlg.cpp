#include "LoadersDlg.h"

#include "FileReasonText.h"
#include "LoaderSet.h"
#include "PrintableText.h"

#include <QtCore/QFile>
#include <QtGui/QScreen>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

LoadersDlg::LoadersDlg(const LoaderSet& loaders, QWidget* parent)
    : QDialog(parent)
    , m_BlockList(new QTreeWidget(this))
    , m_Note(new QLabel(this))
{
    setWindowTitle(tr("Loader blocks"));
    m_BlockList->setAccessibleName(tr("Loader blocks"));
    m_BlockList->setColumnCount(5);
    m_BlockList->setHeaderLabels({ tr("Block"), tr("Bytes"), tr("SHA-256"), tr("Placeholder"), tr("From") });
    m_BlockList->setRootIsDecorated(false);
    m_BlockList->setUniformRowHeights(true);
    m_BlockList->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_BlockList->header()->setStretchLastSection(false);
    m_BlockList->setMinimumHeight(180);
    bool placeholders = false;
    for (const LoaderBlock& block : loaders.Blocks()) {
        auto* item = new QTreeWidgetItem(m_BlockList);
        item->setText(0, QString::fromLatin1(block.fileName));
        item->setText(1, QString::number(block.bytes.size()));
        item->setText(2, QString::fromLatin1(block.Sha256().c_str()));
        item->setText(3, block.Placeholder() ? tr("yes") : tr("no"));
        item->setText(4, block.BuiltIn() ? tr("built in") : QFile::decodeName(block.source.c_str()));
        placeholders = placeholders || block.Placeholder();
    }

    // Wide enough for every column, as far as the screen allows.
    const QAbstractItemView& view = *m_BlockList; // where the column's size hint is public
    int width = 2 * m_BlockList->frameWidth() + m_BlockList->verticalScrollBar()->sizeHint().width();
    for (int column = 0; column < m_BlockList->columnCount(); ++column)
        width += std::max(m_BlockList->header()->sectionSizeHint(column), view.sizeHintForColumn(column));
    m_BlockList->setMinimumWidth(std::min(width, screen()->availableGeometry().width() * 9 / 10));

    QString note;
    if (loaders.Fault())
        note = tr("These blocks cannot be used: %1").arg(ProblemText(*loaders.Fault()));
    else if (placeholders)
        note = tr("Placeholders are sent only to a pseudo-terminal, such as the virtual receiver's. "
                  "Put the receiver maker's blocks in %1.")
                   .arg(QFile::decodeName(LoaderSet::UserFolder().c_str()));
    m_Note->setText(note);
    m_Note->setWordWrap(true);
    m_Note->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_BlockList);
    layout->addWidget(m_Note);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

QString LoadersDlg::ProblemText(const LoaderProblem& problem)
{
    const QString path = QFile::decodeName(EchoedText(problem.path).c_str());
    switch (problem.kind) {
    case LoaderProblem::Kind::NotAFolder:
        //: %1 is the folder given for the loader blocks.
        return tr("%1: not a folder of loader blocks").arg(path);
    case LoaderProblem::Kind::TooLarge:
        //: %1 is a loader block's file; %2 the bytes it must hold.
        return tr("%1: more than %2 bytes, the receiver expects %2").arg(path, QString::number(problem.expected));
    case LoaderProblem::Kind::WrongSize:
        //: %1 is a loader block's file; %2 the bytes it holds, %3 the bytes it must hold.
        return tr("%1: %2 bytes, the receiver expects %3")
            .arg(path, QString::number(problem.bytes), QString::number(problem.expected));
    case LoaderProblem::Kind::Unreadable:
        break;
    }
    //: %1 is a loader block's file or folder; %2 why it cannot be read.
    return tr("%1: %2").arg(path, FileReasonText::Of(problem.reason));
}
