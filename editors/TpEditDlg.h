#pragma once

#include "ChannelDatabase.h"
#include "TemplateDialog.h"

class AppState;

// The "Transponder" dialog: edits transponder m_nCurRow of the shown
// satellite's transponder list in place. The polarisation combo changes the
// record at once; OK stores frequency and symbol rate and writes the record
// into the image.
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
    TransponderRecord& Record() const;

    AppState& m_state;
};
