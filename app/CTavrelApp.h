#pragma once

#include "ImageDocument.h"
#include "PortDevices.h"

#include <QtWidgets/QApplication>

// The one application object: the Qt application, the image document the
// window edits, and the receiver link's ports.
class CTavrelApp : public QApplication {
    Q_OBJECT

public:
    CTavrelApp(int& argc, char** argv);
    ~CTavrelApp() override;

    ImageDocument m_Document;
    // Which device each port of the receiver link opens.
    PortDevices m_Ports;
};
