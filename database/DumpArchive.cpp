#include "DumpArchive.h"

#include "ImageFile.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <system_error>

#include <unistd.h>

namespace {

std::string DefaultFolder()
{
    const char* dataHome = std::getenv("XDG_DATA_HOME");
    std::string base;
    if (dataHome && dataHome[0] == '/') {
        base = dataHome;
    } else {
        const char* home = std::getenv("HOME");
        base = std::string(home && *home ? home : ".") + "/.local/share";
    }
    return base + "/tavrel/dumps";
}

std::string TimeStamp()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    char text[32];
    std::strftime(text, sizeof text, "%Y%m%d-%H%M%S", &local);
    return text;
}

} // namespace

DumpArchive::DumpArchive()
    : m_strFolder(DefaultFolder())
{
}

DumpArchive::DumpArchive(std::string folder)
    : m_strFolder(std::move(folder))
{
}

bool DumpArchive::Keep(std::span<const uint8_t> dump, std::string& path, std::string& reason) const
{
    std::error_code error;
    std::filesystem::create_directories(m_strFolder, error);
    if (error) {
        reason = error.message();
        return false;
    }
    // Written completely under a name of this process's own, then given its
    // public name by link(), which never replaces: a dump kept by another
    // process in the same second takes the next suffix instead.
    static std::atomic<unsigned> counter { 0 };
    const std::string partial
        = m_strFolder + "/.keeping-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
    if (!WriteImageFile(partial, dump, reason))
        return false;
    const std::string stem = m_strFolder + "/dump-" + TimeStamp();
    path = stem + ".bin";
    bool kept = false;
    for (int n = 2; n < 10000; ++n) {
        if (::link(partial.c_str(), path.c_str()) == 0) {
            kept = true;
            break;
        }
        if (errno != EEXIST) {
            reason = std::strerror(errno);
            break;
        }
        path = stem + "-" + std::to_string(n) + ".bin";
    }
    if (!kept && reason.empty())
        reason = std::strerror(EEXIST);
    ::unlink(partial.c_str());
    return kept;
}
