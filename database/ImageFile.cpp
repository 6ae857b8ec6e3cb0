#include "ImageFile.h"

#include "ChannelDatabase.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::string SystemReason(int error)
{
    return std::strerror(error);
}

std::string NotRegularReason(mode_t mode)
{
    if (S_ISDIR(mode))
        return SystemReason(EISDIR);
    if (S_ISFIFO(mode))
        return FileRefusalText(FileRefusal::NamedPipe);
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return FileRefusalText(FileRefusal::Device);
    if (S_ISSOCK(mode))
        return FileRefusalText(FileRefusal::Socket);
    return FileRefusalText(FileRefusal::NotRegular);
}

constexpr FileRefusal REFUSALS[] = { FileRefusal::NamedPipe, FileRefusal::Device, FileRefusal::Socket,
    FileRefusal::NotRegular, FileRefusal::NothingToWrite };

class FileDescriptor {
public:
    explicit FileDescriptor(int fd)
        : m_fd(fd)
    {
    }
    ~FileDescriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return m_fd; }
    // Closes now, so that a late write error (a network file system) is seen.
    bool Close()
    {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path)
{
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The file a save replaces: a symbolic link is followed, even a dangling one,
// so that the link stays and its target gets the image.
std::string SaveTarget(const std::string& path)
{
    std::string target = path;
    for (int hops = 0; hops < 40; ++hops) {
        struct stat info {};
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return target;
        char text[PATH_MAX];
        const ssize_t length = ::readlink(target.c_str(), text, sizeof text - 1);
        if (length <= 0)
            return target;
        const std::string linked(text, size_t(length));
        target = linked.front() == '/' ? linked : FolderOf(target) + "/" + linked;
    }
    return target;
}

bool WriteAll(int fd, std::span<const uint8_t> data, std::string& reason)
{
    size_t written = 0;
    while (written < data.size()) {
        const ssize_t n = ::write(fd, data.data() + written, data.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            reason = SystemReason(n < 0 ? errno : ENOSPC);
            return false;
        }
        written += size_t(n);
    }
    return true;
}

// A new file beside the target, created with the usual permissions (the
// umask applies) and a name no other save uses. The name holds as much of the
// target's as fits, so that it is legal whenever the target's is.
int CreateTemporary(const std::string& target, std::string& temporary)
{
    static std::atomic<unsigned> counter { 0 };
    const std::string name = NameOf(target);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string suffix = ".tavrel-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const size_t room = NAME_MAX - 1 - suffix.size();
        temporary = FolderOf(target) + "/." + name.substr(0, room) + suffix;
        const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOCTTY, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

} // namespace

const char* FileRefusalText(FileRefusal refusal)
{
    switch (refusal) {
    case FileRefusal::NamedPipe:
        return "Is a named pipe, not a file";
    case FileRefusal::Device:
        return "Is a device, not a file";
    case FileRefusal::Socket:
        return "Is a socket, not a file";
    case FileRefusal::NothingToWrite:
        return "There is nothing to write";
    case FileRefusal::NotRegular:
        break;
    }
    return "Not a regular file";
}

std::optional<FileRefusal> FileRefusalOf(std::string_view reason)
{
    for (const FileRefusal refusal : REFUSALS)
        if (reason == FileRefusalText(refusal))
            return refusal;
    return std::nullopt;
}

void PlaceImage(std::span<const uint8_t> fileBytes, uint8_t* image)
{
    const size_t length = std::min(fileBytes.size(), IMAGE_SIZE);
    std::copy_n(fileBytes.begin(), length, image);
    std::fill(image + length, image + IMAGE_SIZE, ERASED_FLASH);
}

ImageReadResult ReadImageFile(const std::string& path, size_t maxSize, std::vector<uint8_t>& bytes,
    std::string& reason)
{
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        reason = SystemReason(errno);
        return ImageReadResult::Failed;
    }
    if (!S_ISREG(info.st_mode)) {
        reason = NotRegularReason(info.st_mode);
        return ImageReadResult::Failed;
    }
    // Non-blocking, in case the path was swapped for a pipe since the check.
    FileDescriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.Get() < 0) {
        reason = SystemReason(errno);
        return ImageReadResult::Failed;
    }
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode)) {
        reason = NotRegularReason(info.st_mode);
        return ImageReadResult::Failed;
    }
    if (uint64_t(info.st_size) > maxSize)
        return ImageReadResult::TooLarge;

    // Room for what the file holds and one byte more, so that a file that
    // grew since it was measured is seen; never more than one byte beyond
    // the limit. Only what is used is allocated.
    bytes.resize(size_t(info.st_size) + 1);
    size_t total = 0;
    while (total <= maxSize) {
        if (total == bytes.size())
            bytes.resize(std::min(maxSize + 1, 2 * bytes.size()));
        const ssize_t n = ::read(file.Get(), bytes.data() + total, bytes.size() - total);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            reason = SystemReason(errno);
            return ImageReadResult::Failed;
        }
        if (n == 0)
            break;
        total += size_t(n);
    }
    if (total > maxSize)
        return ImageReadResult::TooLarge;
    bytes.resize(total);
    return ImageReadResult::Read;
}

bool WriteImageFile(const std::string& path, std::span<const uint8_t> data, std::string& reason)
{
    if (data.empty()) {
        reason = FileRefusalText(FileRefusal::NothingToWrite);
        return false;
    }
    const std::string target = SaveTarget(path);
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    if (replacing && !S_ISREG(existing.st_mode)) {
        reason = NotRegularReason(existing.st_mode);
        return false;
    }
    // The folder decides who may rename over a file; a file the user may not
    // write keeps that protection.
    if (replacing && ::access(target.c_str(), W_OK) != 0) {
        reason = SystemReason(errno);
        return false;
    }

    std::string temporary;
    FileDescriptor file(CreateTemporary(target, temporary));
    if (file.Get() < 0) {
        reason = SystemReason(errno);
        return false;
    }
    bool done = WriteAll(file.Get(), data, reason);
    if (done && replacing) {
        // Owner first: a change of owner clears the set-id bits the mode restores.
        // Who may not give the file away keeps it, as a plain save would.
        if (::fchown(file.Get(), existing.st_uid, existing.st_gid) != 0
            && ::fchown(file.Get(), uid_t(-1), existing.st_gid) != 0) {
        }
        if (::fchmod(file.Get(), existing.st_mode & 07777) != 0) {
            reason = SystemReason(errno);
            done = false;
        }
    }
    if (done && ::fsync(file.Get()) != 0) {
        reason = SystemReason(errno);
        done = false;
    }
    if (done && !file.Close()) {
        reason = SystemReason(errno);
        done = false;
    }
    if (done && ::rename(temporary.c_str(), target.c_str()) != 0) {
        reason = SystemReason(errno);
        done = false;
    }
    if (!done) {
        ::unlink(temporary.c_str());
        return false;
    }
    // The rename itself reaches the disk with the folder.
    FileDescriptor folder(::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (folder.Get() >= 0)
        ::fsync(folder.Get());
    return true;
}

bool IsSameFile(const std::string& a, const std::string& b)
{
    struct stat first {};
    struct stat second {};
    return ::stat(a.c_str(), &first) == 0 && ::stat(b.c_str(), &second) == 0 && first.st_dev == second.st_dev
        && first.st_ino == second.st_ino;
}

std::string SizeText(size_t bytes)
{
    if (bytes >= (1u << 20) && bytes % (1u << 20) == 0)
        return std::to_string(bytes >> 20) + " MiB";
    if (bytes >= (1u << 10) && bytes % (1u << 10) == 0)
        return std::to_string(bytes >> 10) + " KiB";
    return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
}
