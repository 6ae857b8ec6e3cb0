#pragma once

#include "ChannelDatabase.h"
#include "TemplateDialog.h"

class AppState;

// The "Satellite" dialog: edits the satellite of row m_nCurRow in place in
// the satellite table. Its switch combos change the record as soon as one
// is chosen, even if the dialog is then cancelled; OK stores the text fields
// and writes the record into the image.
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
    SatelliteRecord& Record() const;

    AppState& m_state;
};
