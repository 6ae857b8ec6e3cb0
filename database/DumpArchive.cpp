#include "DumpArchive.h"

#include "ChannelDatabase.h"
#include "DataFolders.h"
#include "ImageFile.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

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

// The local time in a name made by Keep, dump-YYYYMMDD-HHMMSS[-n].bin.
bool TimeOfName(const std::string& name, std::time_t& time)
{
    std::tm local {};
    char rest = 0;
    if (std::sscanf(name.c_str(), "dump-%4d%2d%2d-%2d%2d%2d%c", &local.tm_year, &local.tm_mon, &local.tm_mday,
            &local.tm_hour, &local.tm_min, &local.tm_sec, &rest)
        != 7)
        return false;
    if (rest != '.' && rest != '-')
        return false;
    local.tm_year -= 1900;
    local.tm_mon -= 1;
    local.tm_isdst = -1;
    time = std::mktime(&local);
    return time != std::time_t(-1);
}

// Gives the written file the name, unless a file has it (errno EEXIST).
// Where the file system has no hard links, the name is first created
// exclusively, then replaced by the file.
bool ClaimName(const std::string& written, const std::string& name)
{
    if (::link(written.c_str(), name.c_str()) == 0)
        return true;
    if (errno != EPERM && errno != EOPNOTSUPP && errno != ENOSYS)
        return false;
    const int placeholder = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (placeholder < 0)
        return false;
    ::close(placeholder);
    if (::rename(written.c_str(), name.c_str()) == 0)
        return true;
    const int error = errno;
    ::unlink(name.c_str());
    errno = error;
    return false;
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
    for (int n = 2; n < 10000 && !kept; ++n) {
        kept = ClaimName(partial, path);
        if (!kept && errno != EEXIST) {
            reason = std::strerror(errno);
            break;
        }
        if (!kept)
            path = stem + "-" + std::to_string(n) + ".bin";
    }
    if (!kept && reason.empty())
        reason = std::strerror(EEXIST);
    ::unlink(partial.c_str());
    return kept;
}

std::vector<DumpArchive::Kept> DumpArchive::List() const
{
    namespace fs = std::filesystem;
    std::vector<Kept> dumps;
    std::error_code error;
    auto db = std::make_unique<ChannelDatabase>();
    for (fs::directory_iterator it(m_strFolder, error), end; !error && it != end; it.increment(error)) {
        const fs::path& path = it->path();
        if (path.extension() != ".bin" || !it->is_regular_file(error))
            continue;
        Kept dump;
        dump.path = path.string();
        if (!TimeOfName(path.filename().string(), dump.time)) {
            const auto written = fs::last_write_time(path, error);
            if (!error)
                dump.time = std::chrono::system_clock::to_time_t(
                    std::chrono::time_point_cast<std::chrono::system_clock::duration>(
                        std::chrono::file_clock::to_sys(written)));
        }
        std::vector<uint8_t> bytes;
        std::string reason;
        if (ReadImageFile(dump.path, IMAGE_SIZE, bytes, reason) == ImageReadResult::Read) {
            dump.size = bytes.size();
            PlaceImage(bytes, db->m_Image);
            dump.decodes = db->DecodeDatabase() != 0;
            dump.satellites = db->m_nSatCount;
            dump.tv = db->m_nTvCount;
            dump.radio = db->m_nRadioCount;
        } else {
            dump.size = it->file_size(error);
        }
        dumps.push_back(std::move(dump));
    }
    // Within one second a later dump has the longer name (-2, -3, ..., -10).
    std::sort(dumps.begin(), dumps.end(), [](const Kept& a, const Kept& b) {
        if (a.time != b.time)
            return a.time > b.time;
        return a.path.size() != b.path.size() ? a.path.size() > b.path.size() : a.path > b.path;
    });
    return dumps;
}
