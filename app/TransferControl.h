#pragma once

#include "LoaderBlocks.h"
#include "TransferSession.h"

#include <QtCore/QObject>
#include <QtCore/QString>

#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>

class ImageDocument;
struct LoaderBlock;
class QAction;
class QComboBox;
class QLabel;
class QMenuBar;
class QProgressBar;
class QStatusBar;
class QWidget;
class PortDevices;
class TransferEventQueue;
struct TransferOutcome;

// The transfer row of the main window: port and crystal, the lamp, Open/Close
// Com, Dump/Read, Upgrade, Cancel, the progress and status texts, and the
// Tools items verify and ports. It drives the receiver through its transfer
// session and shows what the session reports; while a transfer runs it locks
// what could change the image.
class TransferControl : public QObject, public TransferListener {
    Q_OBJECT

public:
    // What the transfer asks of the window around it.
    class Host {
    public:
        // Before a dump replaces the image: false keeps the image and stops the dump.
        virtual bool ConfirmDiscardChanges() = 0;
        // Before an upgrade sends the image: false stops the upgrade.
        virtual bool ConfirmUpgradeOfCheckedList() = 0;
        // A dump became the document's image.
        virtual void DumpAdopted() = 0;

    protected:
        ~Host() = default;
    };

    // The controls live on `page`; `window` stands behind every message.
    TransferControl(Host& host, QWidget& window, QWidget& page, QMenuBar& menuBar, QStatusBar& statusBar,
        PortDevices& ports, ImageDocument& document, const std::string& traceFile);
    ~TransferControl() override;

    // Opens the session on the remembered port; the window is shown first so
    // that a port message has it behind.
    void Start();
    // Stops a running transfer and the worker, then closes the port.
    void ShutDown();

    // The receiver link; null before Start and after ShutDown.
    TransferSession* Session() const { return m_pSession.get(); }
    // No transfer runs: the image may change and the port may be chosen.
    bool IsIdle() const { return !m_pSession || m_pSession->IsIdle(); }
    // Multiplies the protocol's pauses of the transfers that follow; only a
    // receiver that needs none, the virtual one, is served faster.
    void SetPauseScale(double scale) { m_Options.pauseScale = scale; }

    // Ends the transfer if one still runs, and shows the link idle: the
    // controls enabled again, the port closed, the progress at nought.
    void EndTransfer();
    // The session's events, on the window's thread.
    void OnEvent(const TransferEvent& event) override;

public slots:
    void OnOpenCloseCom();
    void OnPortChange(int index);
    void OnXtalChange(int index);
    void OnDump();
    void OnUpgrade();
    void OnCancelTransfer();
    // Whether the receiver holds the image.
    void OnVerify();
    // Which device each port opens.
    void OnPorts();
    // The loader blocks in use.
    void OnLoaderBlocks();

private:
    void Connect();
    QWidget* Control(int id) const;
    QAction* MenuAction(int commandId) const;
    void ShowPortState(bool open);
    void ShowPortClosed();
    void ShowPortError(const QString& text, int error);
    // Opens the port before anything else is asked of it: a port that does
    // not open is the first problem a transfer has, and is named first.
    void NamePortProblem();
    static QString PlaceholderText(const LoaderBlock& block);
    void ShowLamp(bool open);
    void SetMenuGrayed(std::initializer_list<int> grayed);
    void UpdateLinkMenuItems();
    void StartTransfer();
    void SetStatusText(const QString& text);
    void ShowTransferProgress(const TransferEvent& event);
    void ShowKeptDump(const TransferOutcome& outcome);
    bool HasImageToVerify() const;
    // Shows why the blocks must not go to the selected port, if they must not.
    bool LoadersRefused(LoaderUse use);
    void OnStage(const TransferEvent& event);
    void OnEnd(const TransferEvent& event);
    // The port went away: a transfer it cut short ends with a message, and
    // the port shows closed.
    void OnLinkLost(int error, bool duringTransfer);
    void FinishDump();
    void FinishVerify();
    void FinishUpgrade();
    void RestoreLinkChoices();
    void RememberLinkChoices();
    void UpdatePortTips();

    Host& m_host;
    QWidget& m_window;
    QWidget& m_page;
    QMenuBar& m_menuBar;
    QStatusBar& m_StatusBar;
    PortDevices& m_Ports;
    ImageDocument& m_document;
    std::string m_strTraceFile;
    QComboBox* m_PortCombo = nullptr;
    QComboBox* m_XtalCombo = nullptr;
    QLabel* m_LampOn = nullptr;
    QLabel* m_LampOff = nullptr;
    QProgressBar* m_Progress = nullptr;
    int m_nProgressMax = 0;
    int m_nLastPercent = 0;
    TransferOptions m_Options;
    // The session's events reach this object through the queue, which goes after it.
    std::unique_ptr<TransferEventQueue> m_pTransferEvents;
    std::unique_ptr<TransferSession> m_pSession;
};
