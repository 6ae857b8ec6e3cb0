#pragma once

#include <ostream>
#include <string>
#include <vector>

class ChannelDatabase;
class Command;

// tavrel-cli check: the list check of an image, and its repair.
int RunCheck(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Before an upgrade: prints the check's warnings and refuses an image with
// errors, naming them, unless forced. False when the upgrade must not go on.
bool CheckBeforeUpgrade(Command& command, const std::string& path, const ChannelDatabase& db, bool force);
