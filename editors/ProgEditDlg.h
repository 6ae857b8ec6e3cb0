#pragma once

#include "ChannelDatabase.h"
#include "TemplateDialog.h"

#include <cstdint>
#include <optional>

// The "Program" dialog: edits a working copy of one program. OK returns the
// copy; Cancel returns nothing. The BISS key row is there only in advanced
// mode for images that hold the key area.
class ProgEditDlg : public TemplateDialog {
    Q_OBJECT

public:
    // Satellites and transponders are looked up in `db`.
    explicit ProgEditDlg(const ChannelDatabase& db, QWidget* parent = nullptr);

    // `row` is the program's row in the list, counted from 0; in advanced
    // mode the key row is shown where the image holds the key area.
    std::optional<ProgramRecord> Edit(const ProgramRecord& prog, uint16_t row, bool advancedMode);

protected:
    bool OnInitDialog() override;

private:
    void OnOK();
    void OnTrackChange(int index);
    void OnChildLockChange(int index);
    void ShowSatellite();
    void ShowFrequency();
    bool KeyRowShown() const;

    const ChannelDatabase& m_db;
    ProgramRecord m_CurProg {};
    uint16_t m_nRow = 0;
    bool m_advancedMode = false;
};
