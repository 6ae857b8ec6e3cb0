#include "CTavrelApp.h"

#include "Language.h"
#include "MainResources.h"

#include <QtGui/QIcon>

CTavrelApp::CTavrelApp(int& argc, char** argv)
    : QApplication(argc, argv)
{
    InitTavrelResources();
    // The program keeps no settings; the name only places it among others.
    setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    setApplicationName(QStringLiteral("Tavrel"));
    setWindowIcon(QIcon(QString::fromLatin1(ICON_APP)));
    Language::InstallEnglish();
}

CTavrelApp::~CTavrelApp() = default;
