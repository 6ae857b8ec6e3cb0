#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Every list of problems a front end shows stops after this many, then says
// how many more there are: a broken file can hold a problem on every line.
constexpr size_t MAX_LISTED = 20;

// The first MAX_LISTED problems, then "... and N more" when there are more.
std::vector<std::string> ListedProblems(const std::vector<std::string>& problems);
