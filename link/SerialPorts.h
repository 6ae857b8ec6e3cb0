#pragma once

#include <string>
#include <vector>

// Why a serial device cannot be opened, and what the user can do about it.
struct PortProblem {
    // What `advice` says, for a wording of its own.
    enum class Advice {
        None,
        JoinGroup,  // the user is not in `group`
        LogInAgain, // the user is in `group`, this login session not yet
        CloseOther, // `holders` (maybe none known) use the port
        NotSerial,
    };
    std::string reason;  // the system's words: "Permission denied"
    std::string advice;  // empty when there is nothing to suggest
    // True when `reason` says that this program holds the port.
    bool openHere = false;
    Advice adviceKind = Advice::None;
    std::string group;
    std::vector<std::string> holders;
};

// A serial device present on this machine.
struct SerialPort {
    std::string device;  // the device node: /dev/ttyUSB0
    std::string byId;    // its stable name under /dev/serial/by-id; empty when it has none
    bool usable = false; // this user can open it now
    PortProblem problem; // when it cannot

    // What to choose it by: the stable name, which survives replugging, when there is one.
    const std::string& Name() const { return byId.empty() ? device : byId; }
};

// The folder that stands for /dev: $TAVREL_DEV_ROOT when set, else /dev.
// The sysfs that tells real ttyS ports from placeholders is looked for
// beside it, in ../sys.
std::string SerialDeviceRoot();

// The USB (ttyUSB*, ttyACM*) and real on-board (ttyS*) serial devices, and
// whatever /dev/serial/by-id names, sorted by device; each is tried for
// whether this user can open it.
std::vector<SerialPort> ListSerialPorts(const std::string& root);

// Opens a serial device for the link's sole use: read and write, never
// blocking, locked against other programs. -1 with errno set when it cannot.
int OpenSerialDevice(const std::string& device);
// Opens the device as the link does and lets it go again; false with the problem when it cannot.
bool TrySerialPort(const std::string& device, PortProblem& problem);

// Why opening the device failed with the system's error, and what to do.
PortProblem ExplainPortFailure(const std::string& device, int error);
// "<device>: <reason>", and the advice on a line of its own.
std::string PortFailureText(const std::string& device, int error);

// Whether the device (or what a link to it names) is the far end of a
// pseudo-terminal, where a program such as the virtual receiver plays the
// receiver, rather than a line to real hardware.
bool IsPseudoTerminal(const std::string& device);
