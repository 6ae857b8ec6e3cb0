#pragma once

#include "ChannelDatabase.h"
#include "TemplateDialog.h"

#include <array>
#include <vector>

// Sets the favourite groups and the child lock of several programs at once.
// A group's box opens checked when every program is in the group, unchecked
// when none is, and grey when some are; a grey box and the lock choice
// "Unchanged" leave each program's own setting as it is. The dialog changes
// nothing itself: OK records the choice for ApplyTo.
class ProgramFlagsDlg : public TemplateDialog {
    Q_OBJECT

public:
    enum class Focus { Favourites, ChildLock };

    explicit ProgramFlagsDlg(QWidget* parent = nullptr);

    // The programs the next run starts from, and where it puts the focus.
    void SetPrograms(const std::vector<const ProgramRecord*>& programs, Focus focus);

    bool ChangesFavourites() const;
    bool ChangesChildLock() const;
    // A program's lock and favourite groups as OK chose them.
    void ApplyTo(ProgramRecord& prog) const;

protected:
    bool OnInitDialog() override;

private:
    void OnOK();

    std::vector<uint8_t> m_favoriteBits;
    Focus m_focus = Focus::Favourites;
    std::array<Qt::CheckState, 6> m_groups {};
    int m_lock = 0;
};
