#pragma once

#include "ChannelDatabase.h"
#include "TemplateDialog.h"

class AppState;

// The "Satellite" dialog: edits a copy of the satellite of row m_nCurRow.
// OK stores the copy into the satellite table and writes it into the image;
// Cancel leaves both as they were, switch choices included.
class SatEditDlg : public TemplateDialog {
    Q_OBJECT

public:
    explicit SatEditDlg(AppState& state, QWidget* parent = nullptr);

public slots:
    void reject() override;

protected:
    bool OnInitDialog() override;

private:
    void OnOK();
    void OnSwitchChange(int comboId, int index);

    AppState& m_state;
    SatelliteRecord m_sat {};
};
