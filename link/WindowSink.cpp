#include "WindowSink.h"

#include "LinkEvent.h"

#include "ThreadHandOff.h"

#include <QCoreApplication>
#include <QThread>

#include <chrono>
#include <future>
#include <memory>

namespace {

// A window action of the worker, to be run on the main window's thread.
class WindowActionEvent : public QEvent {
public:
    explicit WindowActionEvent(std::function<void()> run)
        : QEvent(EventType())
        , m_Run(std::move(run))
    {
        ThreadHandOff::Send(this);
    }

    static QEvent::Type EventType()
    {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }

    void Run() const { m_Run(); }

private:
    std::function<void()> m_Run;
};

} // namespace

class WindowSink::ActionTarget : public QObject {
public:
    bool event(QEvent* event) override
    {
        ThreadHandOff::Receive(event);
        if (event->type() != WindowActionEvent::EventType())
            return QObject::event(event);
        static_cast<WindowActionEvent*>(event)->Run();
        return true;
    }
};

WindowSink::WindowSink(QObject* mainWindow, LinkWindow* window, const std::atomic<bool>& stopping,
    const LinkState& link)
    : m_pMainWindow(mainWindow)
    , m_pWindow(window)
    , m_bStopping(stopping)
    , m_Link(link)
    , m_pActionTarget(std::make_unique<ActionTarget>())
{
    if (m_pMainWindow)
        m_pActionTarget->moveToThread(m_pMainWindow->thread());
}

WindowSink::~WindowSink() = default;

void WindowSink::PostToWindow(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    if (m_pMainWindow)
        QCoreApplication::postEvent(m_pMainWindow, new LinkEvent(message, wParam, lParam));
}

void WindowSink::EnableDumpButton(bool enable)
{
    RunOnWindowThread([enable](LinkWindow& window) { window.EnableDumpButton(enable); });
}

void WindowSink::SetDumpCaption(const std::string& caption)
{
    RunOnWindowThread([caption](LinkWindow& window) { window.SetDumpCaption(caption); });
}

void WindowSink::SetStatusText(const std::string& text)
{
    RunOnWindowThread([text](LinkWindow& window) { window.SetStatusText(text); });
}

void WindowSink::ShowMessage(const std::string& text, const std::string& caption)
{
    RunOnWindowThread([text, caption](LinkWindow& window) { window.ShowMessage(text, caption); });
}

void WindowSink::RunOnWindowThread(std::function<void(LinkWindow&)> action)
{
    if (!m_pMainWindow || !m_pWindow || m_bStopping)
        return;
    if (QThread::currentThread() == m_pMainWindow->thread()) {
        action(*m_pWindow);
        return;
    }
    // The promise dies unfulfilled when the window goes away before the call
    // runs, which ends the wait as well.
    auto done = std::make_shared<std::promise<void>>();
    std::future<void> finished = done->get_future();
    LinkWindow* window = m_pWindow;
    const LinkState* link = &m_Link;
    const uint32_t serial = m_Link.m_nTransferSerial;
    QCoreApplication::postEvent(m_pActionTarget.get(),
        new WindowActionEvent([action = std::move(action), done, window, link, serial] {
            if (link->m_nTransferSerial == serial)
                action(*window);
            done->set_value();
        }));
    // The window's thread may itself be waiting for this worker to leave its step.
    while (finished.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        if (m_bStopping || m_Link.m_nTransferSerial != serial)
            return;
    }
}
