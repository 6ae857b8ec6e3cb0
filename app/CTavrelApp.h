#pragma once

#include "AppState.h"
#include "LinkState.h"
#include "cnComm.h"

#include <QtWidgets/QApplication>

// The one application object: the Qt application and, through AppState,
// the channel database and the state every window shares.
class CTavrelApp : public QApplication, public AppState {
    Q_OBJECT

public:
    CTavrelApp(int& argc, char** argv);
    ~CTavrelApp() override;

    // The receiver link: the serial port and the flags the transfer worker shares.
    cnComm m_Comm;
    LinkState m_Link;
};
