#include "CheckListDlg.h"

#include "FindingText.h"
#include "ListRepair.h"

#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLabel>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidget>
#include <QtWidgets/QVBoxLayout>

#include <algorithm>

namespace {

// The finding an item stands for; group items hold none.
constexpr int FINDING_ROLE = Qt::UserRole;

} // namespace

CheckListDlg::CheckListDlg(QWidget* parent)
    : QDialog(parent)
    , m_Tree(new QTreeWidget(this))
    , m_Summary(new QLabel(this))
    , m_RemoveDuplicates(new QPushButton(tr("Remove duplicates")))
    , m_RemoveOrphans(new QPushButton(tr("Remove orphans")))
{
    setWindowTitle(tr("Check list"));
    m_Tree->setAccessibleName(tr("Findings"));
    m_Tree->setHeaderHidden(true);
    m_Tree->setRootIsDecorated(true);
    m_Summary->setWordWrap(true);

    // Close comes last: added before the others, the Tab key would never reach it.
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(m_RemoveDuplicates, QDialogButtonBox::ActionRole);
    buttons->addButton(m_RemoveOrphans, QDialogButtonBox::ActionRole);
    buttons->addButton(QDialogButtonBox::Close);
    // Enter in the list shows a record; it must not press a remove button.
    m_RemoveDuplicates->setAutoDefault(false);
    m_RemoveOrphans->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_RemoveDuplicates, &QPushButton::clicked, this, [this] { emit removeRequested(REPAIR_DUPLICATES); });
    connect(m_RemoveOrphans, &QPushButton::clicked, this, [this] { emit removeRequested(REPAIR_ORPHANS); });
    connect(m_Tree, &QTreeWidget::itemActivated, this, &CheckListDlg::OnItemActivated);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_Summary);
    layout->addWidget(m_Tree);
    layout->addWidget(buttons);
    resize(640, 420);
}

void CheckListDlg::SetFindings(std::vector<Finding> findings)
{
    m_Findings = std::move(findings);
    m_Tree->clear();
    const size_t errors = ListCheck::CountErrors(m_Findings);
    const size_t warnings = m_Findings.size() - errors;
    //: %1 is "3 errors", %2 is "1 warning".
    m_Summary->setText(m_Findings.empty() ? tr("No problems found.")
                                          : tr("%1 and %2. Double-click a finding to show its record.")
                                                .arg(tr("%n error(s)", nullptr, int(errors)),
                                                    tr("%n warning(s)", nullptr, int(warnings))));
    for (int kind = 0; kind < FINDING_KIND_COUNT; ++kind) {
        QTreeWidgetItem* group = nullptr;
        int count = 0;
        for (size_t i = 0; i < m_Findings.size(); ++i) {
            const Finding& finding = m_Findings[i];
            if (static_cast<int>(finding.kind) != kind)
                continue;
            if (!group)
                group = new QTreeWidgetItem(m_Tree);
            auto* item = new QTreeWidgetItem(group, { FindingText::Of(finding) });
            item->setToolTip(0, item->text(0));
            item->setData(0, FINDING_ROLE, static_cast<int>(i));
            ++count;
        }
        if (group) {
            const FindingKind which = static_cast<FindingKind>(kind);
            group->setText(0, (SeverityOf(which) == Severity::Error ? tr("%1 (error): %2") : tr("%1 (warning): %2"))
                                  .arg(FindingText::KindName(which))
                                  .arg(count));
            group->setExpanded(true);
        }
    }
    const auto any = [this](bool (*of)(FindingKind)) {
        return std::any_of(m_Findings.begin(), m_Findings.end(), [of](const Finding& f) { return of(f.kind); });
    };
    m_RemoveDuplicates->setEnabled(any(IsDuplicate));
    m_RemoveOrphans->setEnabled(any(IsOrphan));
}

void CheckListDlg::OnItemActivated(QTreeWidgetItem* item)
{
    const QVariant index = item ? item->data(0, FINDING_ROLE) : QVariant();
    if (!index.isValid())
        return;
    const Finding& finding = m_Findings[static_cast<size_t>(index.toInt())];
    if (!finding.records.empty())
        emit recordChosen(finding.records.front().table, finding.records.front().position);
}
