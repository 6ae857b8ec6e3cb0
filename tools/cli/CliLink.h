#pragma once

#include <ostream>
#include <string>
#include <vector>

// The subcommands that talk to a receiver on a serial port, and the one
// that lists the ports. Each takes its arguments without its own name.
// pauseScale multiplies the protocol's pauses: 1 unless the receiver is the
// virtual one, which needs none.
int RunDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal,
    double pauseScale = 1.0);
int RunUpgrade(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal,
    double pauseScale = 1.0);
int RunVerify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal,
    double pauseScale = 1.0);
int RunPorts(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
