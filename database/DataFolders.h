#pragma once

#include <string>
#include <vector>

// Where the user's and the system's data files live, by the XDG base
// directory rules: only absolute entries count.

// $XDG_DATA_HOME, or $HOME/.local/share when it is unset or relative.
std::string UserDataHome(const char* xdgDataHome, const char* home);
std::string UserDataHome();

// The entries of $XDG_DATA_DIRS in order, or /usr/local/share and /usr/share
// when it names none.
std::vector<std::string> SystemDataFolders(const char* xdgDataDirs);
std::vector<std::string> SystemDataFolders();
