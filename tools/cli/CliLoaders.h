#pragma once

#include <ostream>
#include <string>
#include <vector>

class CliArguments;
class Command;

// `tavrel-cli loaders`: each loader block, where it comes from, its size,
// its SHA-256 and whether it is a placeholder.
int RunLoaders(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

// Finds the blocks by --loaders (when given) and the usual folders, and makes
// them the ones every transfer sends; false after reporting why they cannot be used.
bool UseLoaders(Command& command, const CliArguments& arguments);
