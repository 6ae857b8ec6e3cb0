#pragma once

#include "ThreadHandOff.h"

#include <QEvent>

#include <cstdint>

// A thread or window message: its number is the event type.
class LinkEvent : public QEvent {
public:
    LinkEvent(unsigned message, uintptr_t wParam, intptr_t lParam)
        : QEvent(static_cast<QEvent::Type>(message))
        , m_nWParam(wParam)
        , m_nLParam(lParam)
    {
        ThreadHandOff::Send(this);
    }

    unsigned Message() const { return static_cast<unsigned>(type()); }
    uintptr_t WParam() const { return m_nWParam; }
    intptr_t LParam() const { return m_nLParam; }

private:
    uintptr_t m_nWParam;
    intptr_t m_nLParam;
};
