#pragma once

#include "TemplateDialog.h"

// The "Password" login that switches the program into advanced mode for the
// rest of the run. Whatever happens, the dialog ends as cancelled.
class PassWord : public TemplateDialog {
    Q_OBJECT

public:
    explicit PassWord(QWidget* parent = nullptr);

    // Shows the login; true when it succeeds. Once logged in, the login
    // shows hidden texts, checks nothing and stays logged in.
    bool LogIn(bool loggedIn);

protected:
    bool OnInitDialog() override;

private:
    void OnOK();

    bool m_loggedIn = false;
};
