#include "ProgramFlagsDlg.h"

#include "EditorResources.h"

#include <QtWidgets/QCheckBox>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QPushButton>

#include <algorithm>

namespace {

// Items of the lock choice; the first two are lockBit values.
constexpr int LOCK_LOCKED = 0;
constexpr int LOCK_UNLOCKED = 1;
constexpr int LOCK_UNCHANGED = 2;

bool InGroup(uint8_t favoriteBits, int bit)
{
    return (favoriteBits & (1u << bit)) == 0;
}

} // namespace

ProgramFlagsDlg::ProgramFlagsDlg(QWidget* parent)
    : TemplateDialog(ProgramFlagsDialogTemplate(), parent)
{
}

void ProgramFlagsDlg::SetPrograms(const std::vector<const ProgramRecord*>& programs, Focus focus)
{
    m_favoriteBits.clear();
    for (const ProgramRecord* prog : programs)
        m_favoriteBits.push_back(prog->favoriteBits);
    m_focus = focus;
}

bool ProgramFlagsDlg::OnInitDialog()
{
    m_groups.fill(Qt::PartiallyChecked);
    m_lock = LOCK_UNCHANGED;
    if (m_favoriteBits.empty())
        return false;
    setWindowTitle(tr("Edit %n program(s)", nullptr, static_cast<int>(m_favoriteBits.size())));
    connect(Control<QPushButton>(IDC_FLAGS_OK), &QPushButton::clicked, this, &ProgramFlagsDlg::OnOK);
    connect(Control<QPushButton>(IDC_FLAGS_CANCEL), &QPushButton::clicked, this, &ProgramFlagsDlg::reject);

    for (int bit = 1; bit <= 6; ++bit) {
        const auto members = std::count_if(m_favoriteBits.begin(), m_favoriteBits.end(),
            [bit](uint8_t bits) { return InGroup(bits, bit); });
        auto* box = Control<QCheckBox>(IDC_FLAGS_FAVORITES[bit - 1]);
        box->setTristate(true);
        box->setCheckState(members == 0 ? Qt::Unchecked
                : static_cast<size_t>(members) == m_favoriteBits.size() ? Qt::Checked
                                                                        : Qt::PartiallyChecked);
    }
    auto* lock = Control<QComboBox>(IDC_FLAGS_CHILD_LOCK);
    lock->addItem(tr("Locked"));
    lock->addItem(tr("UnLocked"));
    lock->addItem(tr("Unchanged"));
    lock->setCurrentIndex(LOCK_UNCHANGED);

    QWidget* first = m_focus == Focus::ChildLock ? static_cast<QWidget*>(lock) : Control(IDC_FLAGS_MOVIES);
    first->setFocus(Qt::OtherFocusReason);
    return true;
}

void ProgramFlagsDlg::OnOK()
{
    for (int bit = 1; bit <= 6; ++bit)
        m_groups[static_cast<size_t>(bit - 1)] = Control<QCheckBox>(IDC_FLAGS_FAVORITES[bit - 1])->checkState();
    m_lock = Control<QComboBox>(IDC_FLAGS_CHILD_LOCK)->currentIndex();
    accept();
}

bool ProgramFlagsDlg::ChangesFavourites() const
{
    return std::any_of(m_groups.begin(), m_groups.end(), [](Qt::CheckState state) { return state != Qt::PartiallyChecked; });
}

bool ProgramFlagsDlg::ChangesChildLock() const
{
    return m_lock == LOCK_LOCKED || m_lock == LOCK_UNLOCKED;
}

void ProgramFlagsDlg::ApplyTo(ProgramRecord& prog) const
{
    for (int bit = 1; bit <= 6; ++bit) {
        const Qt::CheckState state = m_groups[static_cast<size_t>(bit - 1)];
        if (state == Qt::Checked)
            prog.favoriteBits &= static_cast<uint8_t>(~(1u << bit));
        else if (state == Qt::Unchecked)
            prog.favoriteBits |= static_cast<uint8_t>(1u << bit);
    }
    if (ChangesChildLock())
        prog.lockBit = static_cast<uint8_t>(m_lock);
}
