#include "CTavrelApp.h"
#include "CTavrelDlg.h"

#include <cstdlib>

int main(int argc, char** argv)
{
    CTavrelApp app(argc, argv);
    app.m_Comm.Devices().ReadEnvironment();
    if (const char* trace = std::getenv("TAVREL_TRACE"))
        app.m_Link.m_strTraceFile = trace;
    CTavrelDlg dialog(app, app.m_Comm, app.m_Link);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() > 1)
        dialog.OpenImage(arguments.at(1));
    dialog.exec();
    return 0;
}
