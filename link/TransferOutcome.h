#pragma once

#include "FlashVerify.h"
#include "TransferEvent.h"

#include <cstdint>
#include <string>
#include <vector>

// How a dump, an upgrade or a verify ended, with what it brought back.
struct TransferOutcome {
    TransferKind kind = TransferKind::Dump;
    TransferResult result = TransferResult::Done;
    // The system's reason (an errno) of PortFailed, LinkLost and Failed.
    int error = 0;
    // The receiver's flash, of a dump or a verify that is done.
    std::vector<uint8_t> flash;
    // Where that flash was kept; empty when it was not, with keepProblem saying why.
    std::string keptPath;
    std::string keepProblem;
    // What a verify found.
    FlashVerification verification;
};
