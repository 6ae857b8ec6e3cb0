#include "ListedProblems.h"

std::vector<std::string> ListedProblems(const std::vector<std::string>& problems)
{
    if (problems.size() <= MAX_LISTED)
        return problems;
    std::vector<std::string> listed(problems.begin(), problems.begin() + MAX_LISTED);
    listed.push_back("... and " + std::to_string(problems.size() - MAX_LISTED) + " more");
    return listed;
}
