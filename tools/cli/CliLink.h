#pragma once

#include <ostream>
#include <string>
#include <vector>

// The subcommands that talk to a receiver on a serial port, and the one
// that lists the ports. Each takes its arguments without its own name.
int RunDump(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal);
int RunUpgrade(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal);
int RunVerify(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal);
int RunPorts(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Multiplies the protocol's pauses of the transfers that follow; 1 unless a
// test against the virtual receiver, which needs no pauses, shortens them.
void SetLinkPauseScale(double scale);
