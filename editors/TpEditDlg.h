#pragma once

#include "ChannelDatabase.h"
#include "TemplateDialog.h"

#include <optional>

// The "Transponder" dialog: edits a copy of one transponder, showing the
// satellite it belongs to. OK returns the copy; Cancel returns nothing,
// polarisation included.
class TpEditDlg : public TemplateDialog {
    Q_OBJECT

public:
    // The satellites are looked up in `db`.
    explicit TpEditDlg(const ChannelDatabase& db, QWidget* parent = nullptr);

    std::optional<TransponderRecord> Edit(const TransponderRecord& tp);

protected:
    // Refuses to open, after telling the user, when no satellite of the
    // image has the transponder's satellite id.
    bool OnInitDialog() override;

private:
    void OnOK();
    void OnPolarizationChange(int index);

    const ChannelDatabase& m_db;
    TransponderRecord m_tp {};
};
