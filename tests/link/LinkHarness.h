#pragma once

#include "CUIThread.h"
#include "ChannelDatabase.h"
#include "LinkEvent.h"
#include "LinkMessages.h"
#include "LinkWindow.h"
#include "PseudoTerminal.h"
#include "VirtualReceiver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

// Stands in for the main window: records the worker's messages and actions.
class WindowRecorder : public QObject, public LinkWindow {
public:
    struct Message {
        unsigned message;
        uintptr_t wParam;
        intptr_t lParam;
    };

    bool event(QEvent* event) override
    {
        ThreadHandOff::Receive(event);
        if (auto* message = dynamic_cast<LinkEvent*>(event)) {
            m_Messages.push_back({message->Message(), message->WParam(), message->LParam()});
            return true;
        }
        return QObject::event(event);
    }

    void EnableDumpButton(bool enable) override { m_Actions.push_back(enable ? "enable dump" : "disable dump"); }
    void SetDumpCaption(const std::string& caption) override { m_Actions.push_back("caption " + caption); }
    void SetStatusText(const std::string& text) override { m_Actions.push_back("status " + text); }
    void ShowMessage(const std::string& text, const std::string& caption) override
    {
        m_Actions.push_back("message " + text + " / " + caption);
    }

    bool Received(unsigned message) const
    {
        for (const Message& m : m_Messages)
            if (m.message == message)
                return true;
        return false;
    }

    std::vector<intptr_t> Progress() const
    {
        std::vector<intptr_t> done;
        for (const Message& m : m_Messages)
            if (m.message == WM_TRANSFER_PROGRESS)
                done.push_back(m.lParam);
        return done;
    }

    std::vector<Message> m_Messages;
    std::vector<std::string> m_Actions;
};

// The application's link data, the worker and a virtual receiver on a pseudo-terminal.
class LinkHarness {
public:
    static constexpr const char* CRYSTAL_SETTINGS[] = {"9600,n,8,1", "19200,n,8,1", "57600,n,8,1",
                                                       "38400,n,8,1", "115200,n,8,1"};

    explicit LinkHarness(double pauseScale = 0.01)
    {
        m_Worker = std::make_unique<CUIThread>(m_Context, &m_Window, &m_Window);
        m_Worker->SetPauseScale(pauseScale);
        m_Worker->start();
        WaitFor([this] { return m_Link.m_nWorkThreadId != 0; }, 5000);
    }

    ~LinkHarness()
    {
        Cancel();
        m_Worker->Stop();
        StopReceiver();
    }

    // With closeWhenDone the receiver closes its line as soon as its
    // sessions end, as the program does when it exits.
    bool StartReceiver(VirtualReceiverOptions options, bool closeWhenDone = false)
    {
        StopReceiver();
        m_Route.reset();
        m_Receiver = std::make_unique<VirtualReceiver>(std::move(options));
        m_Receiver->SetReport([](const std::string& text) { std::fprintf(stderr, "receiver: %s\n", text.c_str()); });
        if (!m_Receiver->Open())
            return false;
        m_Route = std::make_unique<PortRoute>(m_Comm, 4, m_Receiver->DevicePath());
        m_ReceiverThread = std::thread([this, closeWhenDone] {
            m_Receiver->Run();
            if (closeWhenDone)
                m_Receiver->HangUp();
        });
        return true;
    }

    void StopReceiver()
    {
        if (!m_Receiver)
            return;
        m_Receiver->Stop();
        if (m_ReceiverThread.joinable())
            m_ReceiverThread.join();
    }

    // What the main window's Dump and Upgrade buttons do before the receiver is reset.
    bool StartTransfer(bool upgrade)
    {
        m_Link.m_bTransferIdle = 0;
        m_Link.m_bUpgradeMode = upgrade ? 1 : 0;
        return m_Comm.IsOpen() || m_Comm.OpenAndConfigure(m_Link.m_nPort, CRYSTAL_SETTINGS[m_Link.m_nXtal]);
    }

    // The main window's cancel, which also ends every finished transfer.
    void Cancel()
    {
        m_Link.m_bTransferIdle = 1;
        m_Link.m_nDumpStep = 1;
        m_Link.m_bReadRequested = 0;
        m_Link.m_bReadAccepted = 0;
        if (m_Comm.IsOpen())
            m_Comm.Close();
    }

    // A whole dump through the main window's two presses; false on time-out.
    bool Dump(int timeoutMs = 30000)
    {
        if (!StartTransfer(false))
            return false;
        if (!WaitFor([this] { return m_Link.m_nDumpStep == 0; }, timeoutMs))
            return false;
        m_Worker->PostThreadMessage(WM_START_READ, START_READ_SEND, intptr_t(IMAGE_SIZE));
        return WaitFor([this] { return m_Window.Received(WM_DUMP_DONE); }, timeoutMs);
    }

    // Runs the user-interface thread's event loop until condition holds.
    static bool WaitFor(const std::function<bool()>& condition, int timeoutMs)
    {
        if (condition())
            return true;
        QEventLoop loop;
        QElapsedTimer elapsed;
        elapsed.start();
        QTimer check;
        QObject::connect(&check, &QTimer::timeout, &loop, [&] {
            if (condition() || elapsed.elapsed() > timeoutMs)
                loop.quit();
        });
        check.start(5);
        loop.exec();
        return condition();
    }

    // True when the worker's event loop handles a message again, i.e. no
    // transfer step holds it: it closes a port opened for the purpose.
    bool WorkerResponds(int timeoutMs = 2000)
    {
        PseudoTerminal spare;
        PortRoute route(m_Comm, 4, spare.Path());
        if (!m_Comm.OpenAndConfigure(4, "115200,n,8,1"))
            return false;
        m_Worker->PostThreadMessage(WM_CLOSE_PORT, 0, 0);
        return WaitFor([this] { return !m_Comm.IsOpen(); }, timeoutMs);
    }

    cnComm m_Comm;
    LinkState m_Link;
    std::atomic<int> m_bImageLoaded{0};
    std::unique_ptr<ChannelDatabase> m_Database = std::make_unique<ChannelDatabase>();
    LinkContext m_Context{m_Comm, m_Link, m_bImageLoaded, *m_Database};
    WindowRecorder m_Window;
    std::unique_ptr<CUIThread> m_Worker;
    std::unique_ptr<VirtualReceiver> m_Receiver;
    std::unique_ptr<PortRoute> m_Route;
    std::thread m_ReceiverThread;
};

inline std::vector<uint8_t> PatternImage(size_t size, uint32_t seed)
{
    std::vector<uint8_t> image(size);
    uint32_t x = seed;
    for (uint8_t& byte : image) {
        x = x * 1664525u + 1013904223u;
        byte = uint8_t(x >> 24);
    }
    return image;
}
