#include "WindowSink.h"

#include "LinkEvent.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <chrono>
#include <future>
#include <memory>

WindowSink::WindowSink(QObject* mainWindow, LinkWindow* window, const std::atomic<bool>& stopping,
    const LinkState& link)
    : m_pMainWindow(mainWindow)
    , m_pWindow(window)
    , m_bStopping(stopping)
    , m_Link(link)
{
}

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
    QMetaObject::invokeMethod(
        m_pMainWindow, [action = std::move(action), done, window, link, serial] {
            if (link->m_nTransferSerial == serial)
                action(*window);
            done->set_value();
        },
        Qt::QueuedConnection);
    // The window's thread may itself be waiting for this worker to leave its step.
    while (finished.wait_for(std::chrono::milliseconds(20)) != std::future_status::ready) {
        if (m_bStopping || m_Link.m_nTransferSerial != serial)
            return;
    }
}
