#pragma once

#include <ostream>
#include <string>
#include <vector>

// tavrel-cli apply: the order of a reference list put back into an image.
int RunApply(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
