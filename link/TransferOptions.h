#pragma once

// How the session runs one transfer.
struct TransferOptions {
    // Multiplies every protocol pause; the virtual receiver needs hardly any.
    double pauseScale = 1.0;
    // The read starts as soon as the receiver is ready, with nobody to press Read.
    bool readWhenReady = false;
    // A port that does not open ends the transfer: at the start as
    // PortFailed, again at the transfer rate as Failed. Otherwise the
    // transfer goes on without it and waits to be cancelled.
    bool endOnPortFailure = false;
};
