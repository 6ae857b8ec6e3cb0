#pragma once

#include "CTavrelApp.h"
#include "UserPrompts.h"

#include <QtCore/QCoreApplication>

// The one application object of the window benchmarks, offscreen unless a
// platform is chosen.
inline CTavrelApp& WindowBenchApp()
{
    static int argc = 1;
    static char name[] = "tavrel_bench";
    static char* argv[] = { name, nullptr };
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (auto* running = qobject_cast<CTavrelApp*>(QCoreApplication::instance()))
        return *running;
    static CTavrelApp app(argc, argv);
    return app;
}

// No message box may stop a measurement; whatever is asked is answered No.
class SilentPrompts : public UserPrompts {
public:
    PromptAnswer Message(QWidget*, const QString&, const QString&, PromptIcon, PromptButtons buttons) override
    {
        return buttons == PromptButtons::Ok ? PromptAnswer::Ok : PromptAnswer::No;
    }
    QString OpenFileName(QWidget*, const QString&) override { return {}; }
    QString SaveFileName(QWidget*, const QString&, const QString&) override { return {}; }
};
