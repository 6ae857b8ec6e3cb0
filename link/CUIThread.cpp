#include "CUIThread.h"

#include "LinkEvent.h"
#include "LinkMessages.h"

#include <QCoreApplication>

#include <chrono>

#include <unistd.h>

// Lives in the worker thread and hands every thread message to it.
class CUIThread::MessageTarget : public QObject {
public:
    explicit MessageTarget(CUIThread& thread)
        : m_Thread(thread)
    {
    }

    bool event(QEvent* event) override
    {
        ThreadHandOff::Receive(event);
        if (auto* message = dynamic_cast<LinkEvent*>(event)) {
            m_Thread.Dispatch(message->Message(), message->WParam(), message->LParam());
            return true;
        }
        return QObject::event(event);
    }

private:
    CUIThread& m_Thread;
};

namespace {

std::unique_ptr<TransferTrace> OpenTrace(const LinkContext& context, TransferSink& sink, std::string& error)
{
    const std::string& path = context.m_Link.m_strTraceFile;
    if (path.empty())
        return nullptr;
    auto trace = std::make_unique<TransferTrace>(context.m_Comm, sink);
    std::string reason;
    if (trace->Open(path, reason))
        return trace;
    error = path + ": " + reason;
    return nullptr;
}

} // namespace

CUIThread::CUIThread(const LinkContext& context, QObject* mainWindow, LinkWindow* window, QObject* parent)
    : QThread(parent)
    , m_Context(context)
    , m_Sink(mainWindow, window, m_bStopping, context.m_Link)
    , m_pTrace(OpenTrace(context, m_Sink, m_strTraceError))
    , m_Transfer(m_pTrace ? static_cast<TransferPort&>(*m_pTrace) : context.m_Comm, context.m_Link,
                 context.m_Database, context.m_bImageLoaded,
                 m_pTrace ? static_cast<TransferSink&>(*m_pTrace) : m_Sink,
                 [this](int milliseconds) { Pause(milliseconds); })
{
}

CUIThread::~CUIThread()
{
    Stop();
}

void CUIThread::SetPauseScale(double scale)
{
    m_dPauseScale = scale;
}

bool CUIThread::PostThreadMessage(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    std::lock_guard lock(m_TargetLock);
    if (!m_pTarget)
        return false;
    QCoreApplication::postEvent(m_pTarget, new LinkEvent(message, wParam, lParam));
    return true;
}

void CUIThread::Stop()
{
    {
        std::lock_guard lock(m_PauseLock);
        m_bStopping = true;
    }
    m_PauseWake.notify_all();
    m_Transfer.Abort();
    quit();
    wait();
    ThreadHandOff::Receive(this);
}

void CUIThread::WaitForStep()
{
    {
        std::lock_guard lock(m_PauseLock);
    }
    m_PauseWake.notify_all();
    std::lock_guard step(m_StepLock);
}

void CUIThread::run()
{
    MessageTarget target(*this);
    InitInstance(&target);
    if (!m_bStopping)
        exec();
    ExitInstance();
    ThreadHandOff::Send(this);
}

void CUIThread::InitInstance(QObject* target)
{
    LinkState& link = m_Context.m_Link;
    link.m_bReadRequested = 0;
    link.m_bReadAccepted = 0;
    {
        std::lock_guard lock(m_TargetLock);
        m_pTarget = target;
    }
    m_Context.m_Comm.SetNotify([this](unsigned message, unsigned wParam, long lParam) {
        PostThreadMessage(message, wParam, lParam);
    });
    link.m_nWorkThreadId = static_cast<int>(gettid());
}

void CUIThread::ExitInstance()
{
    m_Context.m_Link.m_nWorkThreadId = 0;
    m_Context.m_Comm.SetNotify(nullptr);
    {
        std::lock_guard lock(m_TargetLock);
        m_pTarget = nullptr;
    }
    if (m_Context.m_Comm.IsOpen())
        m_Context.m_Comm.Close();
}

void CUIThread::Dispatch(unsigned message, uintptr_t wParam, intptr_t lParam)
{
    std::lock_guard step(m_StepLock);
    switch (message) {
    case WM_START_READ:
        m_Transfer.StartRead(unsigned(wParam), uint32_t(lParam));
        break;
    case WM_CLOSE_PORT:
        m_Transfer.ClosePort();
        break;
    case WM_COM_RECEIVE:
        m_Transfer.OnReceive(unsigned(wParam));
        break;
    case WM_COM_LOST:
        m_Transfer.OnLinkLost(int(lParam));
        break;
    default:
        break;
    }
}

void CUIThread::Pause(int milliseconds)
{
    const auto duration = std::chrono::duration<double, std::milli>(milliseconds * m_dPauseScale);
    std::unique_lock lock(m_PauseLock);
    // A pause of a transfer that ended has nothing left to wait for.
    m_PauseWake.wait_for(lock, duration,
        [this] { return m_bStopping.load() || m_Context.m_Link.m_bTransferIdle == 1; });
}
