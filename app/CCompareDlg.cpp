#include "CCompareDlg.h"

#include "CReportListCtrl.h"
#include "ChannelDiff.h"
#include "DiffText.h"

#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QVBoxLayout>

namespace {

struct Column {
    const char* heading;
    int width;
};

constexpr Column COLUMNS[] = {
    { QT_TRANSLATE_NOOP("CCompareDlg", "Table"), 70 },
    { QT_TRANSLATE_NOOP("CCompareDlg", "Change"), 60 },
    { QT_TRANSLATE_NOOP("CCompareDlg", "Position"), 60 },
    { QT_TRANSLATE_NOOP("CCompareDlg", "Record"), 130 },
    { QT_TRANSLATE_NOOP("CCompareDlg", "Details"), 240 },
};

} // namespace

CCompareDlg::CCompareDlg(const ChannelDiff& diff, const QString& otherPath, QWidget* parent)
    : QDialog(parent)
    , m_List(new CReportListCtrl(this))
{
    setWindowTitle(tr("Compare"));
    const int count = static_cast<int>(diff.entries.size());
    const QString summaryText = diff.match == MatchMode::Offset
        ? tr("From the open image to %1, records matched by their offset: %n difference(s).", nullptr, count)
        : tr("From the open image to %1, records matched by service id, frequency and polarization, then by name: "
             "%n difference(s).",
            nullptr, count);
    auto* summary = new QLabel(summaryText.arg(otherPath), this);
    summary->setWordWrap(true);

    for (size_t i = 0; i < std::size(COLUMNS); ++i)
        m_List->InsertColumn(static_cast<int>(i), tr(COLUMNS[i].heading), COLUMNS[i].width);
    m_List->setAccessibleName(tr("Differences"));
    m_List->SetRedraw(false);
    for (size_t i = 0; i < diff.entries.size(); ++i) {
        const DiffEntry& entry = diff.entries[i];
        const int row = m_List->InsertItem(static_cast<int>(i), DiffText::Table(entry.table));
        m_List->SetItemText(row, 1, DiffText::Kind(entry.kind));
        m_List->SetItemText(row, 2, QString::fromStdString(DiffPosition(entry)));
        m_List->SetItemText(row, 3, DiffText::Label(entry));
        m_List->SetItemText(row, 4, DiffText::Details(entry));
    }
    m_List->SetRedraw(true);
    m_List->horizontalHeader()->setStretchLastSection(true);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary);
    layout->addWidget(m_List);
    layout->addWidget(buttons);
    resize(720, 420);
}
