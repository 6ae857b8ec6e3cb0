#pragma once

#include "TransferEvent.h"

#include <QtCore/QObject>

#include <deque>
#include <mutex>

// Hands the events a transfer session raises on its worker thread to a
// listener on this object's thread, in order, through the event loop.
class TransferEventQueue : public QObject, public TransferListener {
public:
    explicit TransferEventQueue(TransferListener& target);
    ~TransferEventQueue() override;

    // A transfer that was ended says no more: what it still had on its way
    // is dropped, stages and progress alike, except how it ended.
    void DropAllButEnds();

    void OnEvent(const TransferEvent& event) override;

protected:
    bool event(QEvent* event) override;

private:
    TransferListener& m_Target;
    std::mutex m_Lock;
    std::deque<TransferEvent> m_Pending;
};
