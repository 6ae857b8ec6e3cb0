#pragma once

#include "ChannelDatabase.h"
#include "TemplateDialog.h"

#include <cstdint>
#include <optional>

// The "Satellite" dialog: edits a copy of one satellite. OK returns the
// copy; Cancel returns nothing, switch choices included.
class SatEditDlg : public TemplateDialog {
    Q_OBJECT

public:
    explicit SatEditDlg(QWidget* parent = nullptr);

    // `row` is the satellite's row in the list, counted from 0.
    std::optional<SatelliteRecord> Edit(const SatelliteRecord& sat, uint16_t row);

protected:
    bool OnInitDialog() override;

private:
    void OnOK();
    void OnSwitchChange(int comboId, int index);

    SatelliteRecord m_sat {};
    uint16_t m_nRow = 0;
};
