#pragma once

#include "ChannelDatabase.h"
#include "TemplateDialog.h"

class AppState;

// The "Transponder" dialog: edits a copy of transponder m_nCurRow of the
// shown satellite's transponder list. OK stores the copy into that list and
// writes it into the image; Cancel leaves both as they were, polarisation
// included.
class TpEditDlg : public TemplateDialog {
    Q_OBJECT

public:
    explicit TpEditDlg(AppState& state, QWidget* parent = nullptr);

public slots:
    void reject() override;

protected:
    // Refuses to open, after telling the user, when no satellite of the
    // image has the transponder's satellite id.
    bool OnInitDialog() override;

private:
    void OnOK();
    void OnPolarizationChange(int index);

    AppState& m_state;
    TransponderRecord m_tp {};
};
