#pragma once

#include "TemplateDialog.h"

class AppState;

// The "Password" login that switches the program into advanced mode for the
// rest of the run. Whatever happens, the dialog ends as cancelled.
class PassWord : public TemplateDialog {
    Q_OBJECT

public:
    explicit PassWord(AppState& state, QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;

private:
    void OnOK();

    AppState& m_state;
};
