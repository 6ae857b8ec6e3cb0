#include "TransferEventQueue.h"

#include <QtCore/QCoreApplication>
#include <QtCore/QEvent>

namespace {

QEvent::Type ArrivalType()
{
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

} // namespace

TransferEventQueue::TransferEventQueue(TransferListener& target)
    : m_Target(target)
{
}

TransferEventQueue::~TransferEventQueue() = default;

void TransferEventQueue::DropAllButEnds()
{
    std::lock_guard lock(m_Lock);
    std::erase_if(m_Pending, [](const TransferEvent& pending) { return pending.type != TransferEvent::Type::End; });
}

void TransferEventQueue::OnEvent(const TransferEvent& event)
{
    {
        std::lock_guard lock(m_Lock);
        m_Pending.push_back(event);
    }
    // The Qt event carries nothing: what it announces waits here, behind the lock.
    QCoreApplication::postEvent(this, new QEvent(ArrivalType()));
}

bool TransferEventQueue::event(QEvent* event)
{
    if (event->type() != ArrivalType())
        return QObject::event(event);
    TransferEvent next;
    {
        std::lock_guard lock(m_Lock);
        if (m_Pending.empty())
            return true;
        next = m_Pending.front();
        m_Pending.pop_front();
    }
    m_Target.OnEvent(next);
    return true;
}
