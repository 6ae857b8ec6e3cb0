#pragma once

#include "AppState.h"
#include "PortDevices.h"

#include <QtWidgets/QApplication>

// The one application object: the Qt application and, through AppState,
// the channel database and the state every window shares.
class CTavrelApp : public QApplication, public AppState {
    Q_OBJECT

public:
    CTavrelApp(int& argc, char** argv);
    ~CTavrelApp() override;

    // Which device each port of the receiver link opens.
    PortDevices m_Ports;
};
