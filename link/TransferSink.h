#pragma once

#include "LinkWindow.h"

#include <cstdint>

// Where the transfer state machine sends its window messages and window actions.
class TransferSink : public LinkWindow {
public:
    virtual void PostToWindow(unsigned message, uintptr_t wParam, intptr_t lParam) = 0;
};
