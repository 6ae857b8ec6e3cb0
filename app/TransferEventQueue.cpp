#include "TransferEventQueue.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QEvent>

#include <algorithm>

namespace {

QEvent::Type ArrivalType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace

TransferEventQueue::TransferEventQueue(TransferSession::Listener& target)
    : m_Target(target)
{
}

TransferEventQueue::~TransferEventQueue() = default;

void TransferEventQueue::DropProgress()
{
    std::lock_guard lock(m_Lock);
    std::erase_if(m_Pending, [](const Pending& pending) { return !pending.end; });
}

void TransferEventQueue::OnStage(TransferSession::Stage stage)
{
    Push([stage](TransferSession::Listener& target) { target.OnStage(stage); }, false);
}

void TransferEventQueue::OnProgress(uint32_t total, uint32_t done)
{
    Push([total, done](TransferSession::Listener& target) { target.OnProgress(total, done); }, false);
}

void TransferEventQueue::OnRateChangeFailed()
{
    Push([](TransferSession::Listener& target) { target.OnRateChangeFailed(); }, false);
}

void TransferEventQueue::OnFinished(TransferSession::Kind kind, TransferSession::Result result)
{
    Push([kind, result](TransferSession::Listener& target) { target.OnFinished(kind, result); }, true);
}

void TransferEventQueue::OnLinkLost(int error, bool duringTransfer)
{
    Push([error, duringTransfer](TransferSession::Listener& target) { target.OnLinkLost(error, duringTransfer); },
        true);
}

void TransferEventQueue::Push(std::function<void(TransferSession::Listener&)> deliver, bool end)
{
    {
        std::lock_guard lock(m_Lock);
        m_Pending.push_back({ std::move(deliver), end });
    }
    // The event carries nothing: what it announces waits here, behind the lock.
    QCoreApplication::postEvent(this, new QEvent(ArrivalType()));
}

bool TransferEventQueue::event(QEvent* event)
{
    if (event->type() != ArrivalType())
        return QObject::event(event);
    Pending next;
    {
        std::lock_guard lock(m_Lock);
        if (m_Pending.empty())
            return true;
        next = std::move(m_Pending.front());
        m_Pending.pop_front();
    }
    next.deliver(m_Target);
    return true;
}
