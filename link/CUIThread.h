#pragma once

#include "FlashTransfer.h"
#include "LinkContext.h"
#include "TransferTrace.h"
#include "WindowSink.h"

#include <QThread>

#include <atomic>
#include <condition_variable>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

class LinkWindow;

// The transfer worker: a thread with its own event loop that is the notify
// thread of the port and runs the transfer for each thread message.
// Thread messages (WM_COM_*, WM_START_READ, WM_CLOSE_PORT) are LinkEvents;
// window messages (WM_TRANSFER_PROGRESS, WM_DUMP_DONE, WM_UPGRADE_DONE) reach
// mainWindow as LinkEvents, in its event() or customEvent(); window actions
// run on mainWindow's thread through window. The main window usually passes
// itself as both, and the application's link data as context.
class CUIThread : public QThread {
public:
    CUIThread(const LinkContext& context, QObject* mainWindow, LinkWindow* window,
              QObject* parent = nullptr);
    ~CUIThread() override;

    // Multiplies every protocol pause. Tests shorten the pauses with it.
    void SetPauseScale(double scale);
    // Posts a thread message; false while the thread's event loop is not there.
    bool PostThreadMessage(unsigned message, uintptr_t wParam, intptr_t lParam);
    // Leaves a running step at its next check, ends the event loop and waits for the thread.
    void Stop();
    // For a transfer that was just made idle (and its port closed): cuts its
    // pauses short and returns once the worker has left the step it was in.
    // From then on the worker leaves the image buffer alone.
    void WaitForStep();
    // Why the trace the link state asks for is not written; empty when it is, or when none is asked for.
    const std::string& TraceError() const { return m_strTraceError; }

protected:
    void run() override;

private:
    class MessageTarget;

    void InitInstance(QObject* target);
    void ExitInstance();
    void Dispatch(unsigned message, uintptr_t wParam, intptr_t lParam);
    void Pause(int milliseconds);

    LinkContext m_Context;
    std::atomic<bool> m_bStopping{false};
    WindowSink m_Sink;
    std::string m_strTraceError;
    // Between the state machine and the port and window when the link state names a trace file.
    std::unique_ptr<TransferTrace> m_pTrace;
    FlashTransfer m_Transfer;
    std::atomic<double> m_dPauseScale{1.0};
    // Held while a thread message is handled.
    std::mutex m_StepLock;

    std::mutex m_TargetLock;
    QObject* m_pTarget = nullptr;

    std::mutex m_PauseLock;
    std::condition_variable m_PauseWake;
};
