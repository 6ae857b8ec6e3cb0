#include "DataFolders.h"

#include <cstdlib>

std::string UserDataHome(const char* xdgDataHome, const char* home)
{
    if (xdgDataHome && xdgDataHome[0] == '/')
        return xdgDataHome;
    return std::string(home && *home ? home : ".") + "/.local/share";
}

std::string UserDataHome()
{
    return UserDataHome(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::vector<std::string> SystemDataFolders(const char* xdgDataDirs)
{
    std::vector<std::string> folders;
    const std::string list = xdgDataDirs ? xdgDataDirs : "";
    size_t start = 0;
    while (start <= list.size()) {
        size_t end = list.find(':', start);
        if (end == std::string::npos)
            end = list.size();
        const std::string entry = list.substr(start, end - start);
        if (!entry.empty() && entry[0] == '/')
            folders.push_back(entry);
        start = end + 1;
    }
    if (folders.empty())
        folders = { "/usr/local/share", "/usr/share" };
    return folders;
}

std::vector<std::string> SystemDataFolders()
{
    return SystemDataFolders(std::getenv("XDG_DATA_DIRS"));
}
