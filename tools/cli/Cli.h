#pragma once

#include <ostream>
#include <string>
#include <vector>

// Exit status of every command.
constexpr int EXIT_SAME = 0;
constexpr int EXIT_DIFFERENT = 1;
constexpr int EXIT_TROUBLE = 2;

// Runs `tavrel-cli` with its arguments (the program name left out): the
// output goes to `out`, messages to `err`. When `err` is a terminal a
// transfer's progress is one line rewritten in place.
int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err, bool errIsTerminal = false);
