#pragma once

#include "Cli.h"

#include <sstream>
#include <string>
#include <vector>

// tavrel-cli as a script sees it: exit status, output and messages.
struct Result {
    int status;
    std::string out;
    std::string err;
};

inline Result Cli(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCli(args, out, err);
    return { status, out.str(), err.str() };
}
