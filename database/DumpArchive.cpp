#include "DumpArchive.h"

#include "DataFolders.h"
#include "ImageFile.h"

#include <cerrno>
#include <ctime>
#include <filesystem>
#include <system_error>

namespace {

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
    : m_strFolder(UserDataHome() + "/tavrel/dumps")
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
    const std::string stem = m_strFolder + "/dump-" + TimeStamp();
    path = stem + ".bin";
    // Two dumps within one second must not replace each other.
    for (int n = 2; std::filesystem::exists(path, error); ++n)
        path = stem + "-" + std::to_string(n) + ".bin";
    return WriteImageFile(path, dump, reason);
}
