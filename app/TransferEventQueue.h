#pragma once

#include "TransferSession.h"

#include <QtCore/QObject>

#include <deque>
#include <functional>
#include <mutex>

// Hands the events a transfer session raises on its worker thread to a
// listener on this object's thread, in order, through the event loop.
class TransferEventQueue : public QObject, public TransferSession::Listener {
public:
    explicit TransferEventQueue(TransferSession::Listener& target);
    ~TransferEventQueue() override;

    // A cancelled transfer says no more: what it still had on its way is
    // dropped, except how it ended.
    void DropProgress();

    void OnStage(TransferSession::Stage stage) override;
    void OnProgress(uint32_t total, uint32_t done) override;
    void OnRateChangeFailed() override;
    void OnFinished(TransferSession::Kind kind, TransferSession::Result result) override;
    void OnLinkLost(int error, bool duringTransfer) override;

protected:
    bool event(QEvent* event) override;

private:
    struct Pending {
        std::function<void(TransferSession::Listener&)> deliver;
        bool end = false;
    };

    void Push(std::function<void(TransferSession::Listener&)> deliver, bool end);

    TransferSession::Listener& m_Target;
    std::mutex m_Lock;
    std::deque<Pending> m_Pending;
};
