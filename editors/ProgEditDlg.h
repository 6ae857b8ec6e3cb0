#pragma once

#include "RecordList.h"
#include "TemplateDialog.h"

class AppState;

// The "Program" dialog: edits a working copy of one program and writes it
// into the image on OK. The BISS key row is there only in advanced mode for
// images that hold the key area.
class ProgEditDlg : public TemplateDialog {
    Q_OBJECT

public:
    explicit ProgEditDlg(AppState& state, QWidget* parent = nullptr);

    // The program of the row that was double-clicked; copied into the
    // working record when the dialog opens.
    void SetSource(const ProgramRow& source) { m_source = source; }

    const ProgramRecord& CurrentProgram() const { return m_CurProg; }

public slots:
    void reject() override;

protected:
    bool OnInitDialog() override;

private:
    void OnOK();
    void OnTrackChange(int index);
    void OnChildLockChange(int index);
    void ShowSatellite();
    void ShowFrequency();
    bool KeyRowShown() const;

    AppState& m_state;
    ProgramRow m_source { nullptr, TABLE_TV, 0 };
    ProgramRecord m_CurProg {};
};
