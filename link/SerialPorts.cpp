#include "SerialPorts.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>

#include <fcntl.h>
#include <grp.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

constexpr const char* ROOT_VARIABLE = "TAVREL_DEV_ROOT";
constexpr const char* DEFAULT_ROOT = "/dev";
constexpr const char* USUAL_GROUP = "dialout";

bool IsNumber(std::string_view text)
{
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

bool IsNumbered(const std::string& name, std::string_view prefix)
{
    return name.starts_with(prefix) && IsNumber(std::string_view(name).substr(prefix.size()));
}

// ttyUSB2 before ttyUSB10.
bool DeviceOrder(const std::string& a, const std::string& b)
{
    const auto split = [](const std::string& name) {
        size_t digits = name.size();
        while (digits > 0 && name[digits - 1] >= '0' && name[digits - 1] <= '9')
            --digits;
        const std::string number = name.substr(digits);
        return std::make_pair(name.substr(0, digits), number.empty() ? -1L : std::strtol(number.c_str(), nullptr, 10));
    };
    return split(a) < split(b);
}

// Every entry of a folder; a folder that cannot be read, or that changes
// while it is read (/proc), simply yields less.
void ForEachEntry(const fs::path& folder, const std::function<void(const fs::path&)>& visit)
{
    std::error_code error;
    fs::directory_iterator entry(folder, error);
    for (; !error && entry != fs::directory_iterator(); entry.increment(error))
        visit(entry->path());
}

// ttyS0 to ttyS31 always exist; sysfs says which of them have a UART behind them.
bool IsRealOnBoardPort(const fs::path& root, const std::string& name)
{
    std::ifstream typeFile(root.parent_path() / "sys/class/tty" / name / "type");
    int type = 0;
    return static_cast<bool>(typeFile >> type) && type != 0;
}

// The processes that have the device open, as "name (pid N)"; ourselves apart.
std::vector<std::string> ProcessesHolding(const std::string& device, bool& byUs)
{
    byUs = false;
    std::error_code error;
    const fs::path target = fs::canonical(device, error);
    if (error)
        return {};
    const std::string ownPid = std::to_string(getpid());
    std::vector<std::string> holders;
    ForEachEntry("/proc", [&](const fs::path& process) {
        const std::string pid = process.filename();
        if (!IsNumber(pid))
            return;
        bool holds = false;
        ForEachEntry(process / "fd", [&](const fs::path& fd) {
            std::error_code unreadable;
            holds = holds || fs::read_symlink(fd, unreadable) == target;
        });
        if (!holds)
            return;
        if (pid == ownPid) {
            byUs = true;
            return;
        }
        std::string name;
        std::getline(std::ifstream(process / "comm"), name);
        holders.push_back((name.empty() ? std::string("a program") : name) + " (pid " + pid + ")");
    });
    return holders;
}

std::string OwningGroup(const std::string& device, gid_t& gid)
{
    struct stat info {};
    if (stat(device.c_str(), &info) != 0)
        return std::string();
    gid = info.st_gid;
    const group* owner = getgrgid(info.st_gid);
    return owner ? owner->gr_name : std::string();
}

// The user's account lists the group, though this login session may not have it yet.
bool AccountHasGroup(const std::string& groupName)
{
    const passwd* user = getpwuid(geteuid());
    const group* wanted = getgrnam(groupName.c_str());
    if (!user || !wanted)
        return false;
    if (user->pw_gid == wanted->gr_gid)
        return true;
    for (char** member = wanted->gr_mem; member && *member; ++member) {
        if (std::strcmp(*member, user->pw_name) == 0)
            return true;
    }
    return false;
}

bool SessionHasGroup(gid_t gid)
{
    if (getegid() == gid)
        return true;
    std::vector<gid_t> groups(size_t(std::max(getgroups(0, nullptr), 0)));
    const int count = getgroups(int(groups.size()), groups.data());
    return std::find(groups.begin(), groups.begin() + std::max(count, 0), gid) != groups.begin() + std::max(count, 0);
}

void AdviseOnPermission(const std::string& device, PortProblem& problem)
{
    gid_t gid = 0;
    std::string groupName = OwningGroup(device, gid);
    const bool named = !groupName.empty() && groupName != "root";
    if (!named)
        groupName = USUAL_GROUP;
    problem.group = groupName;
    if (named && AccountHasGroup(groupName) && !SessionHasGroup(gid)) {
        problem.adviceKind = PortProblem::Advice::LogInAgain;
        problem.advice = "Your user is in the group " + groupName + ", but this login session is not yet: log out and in again.";
        return;
    }
    problem.adviceKind = PortProblem::Advice::JoinGroup;
    problem.advice = "Your user must be in the group that owns the device (" + groupName + "): sudo usermod -aG "
        + groupName + " $USER, then log in again.";
}

void ExplainBusy(const std::string& device, PortProblem& problem)
{
    bool byUs = false;
    const std::vector<std::string> holders = ProcessesHolding(device, byUs);
    if (holders.empty() && byUs) {
        problem.reason = "open in this program";
        problem.openHere = true;
        return;
    }
    problem.adviceKind = PortProblem::Advice::CloseOther;
    problem.holders = holders;
    problem.advice = "Another program is using the port";
    for (size_t i = 0; i < holders.size(); ++i)
        problem.advice += (i == 0 ? ": " : ", ") + holders[i];
    problem.advice += holders.empty() ? "." : ". Close it, then try again.";
}

} // namespace

std::string SerialDeviceRoot()
{
    const char* root = std::getenv(ROOT_VARIABLE);
    return root && *root ? root : DEFAULT_ROOT;
}

std::vector<SerialPort> ListSerialPorts(const std::string& rootText)
{
    fs::path root = fs::path(rootText).lexically_normal();
    if (!root.has_filename())
        root = root.parent_path();

    std::map<std::string, SerialPort> found;
    ForEachEntry(root, [&](const fs::path& entry) {
        const std::string name = entry.filename();
        const bool usb = IsNumbered(name, "ttyUSB") || IsNumbered(name, "ttyACM");
        if (usb || (IsNumbered(name, "ttyS") && IsRealOnBoardPort(root, name)))
            found[name].device = entry.string();
    });
    ForEachEntry(root / "serial/by-id", [&](const fs::path& link) {
        // One step only: the link names the device node (../../ttyUSB0).
        std::error_code error;
        const fs::path target = (link.parent_path() / fs::read_symlink(link, error)).lexically_normal();
        if (error || !fs::exists(target, error))
            return;
        SerialPort& port = found[target.filename()];
        port.device = target.string();
        port.byId = link.string();
    });

    std::vector<SerialPort> ports;
    for (auto& [name, port] : found)
        ports.push_back(std::move(port));
    std::sort(ports.begin(), ports.end(), [](const SerialPort& a, const SerialPort& b) {
        return DeviceOrder(fs::path(a.device).filename(), fs::path(b.device).filename());
    });
    for (SerialPort& port : ports)
        port.usable = TrySerialPort(port.device, port.problem);
    return ports;
}

int OpenSerialDevice(const std::string& device)
{
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return -1;
    // The advisory lock keeps out other programs that honour it, TIOCEXCL the rest.
    if (!isatty(fd) || flock(fd, LOCK_EX | LOCK_NB) != 0 || ioctl(fd, TIOCEXCL) != 0) {
        const int error = errno;
        ::close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

bool TrySerialPort(const std::string& device, PortProblem& problem)
{
    const int fd = OpenSerialDevice(device);
    if (fd < 0) {
        problem = ExplainPortFailure(device, errno);
        return false;
    }
    ioctl(fd, TIOCNXCL);
    ::close(fd);
    problem = PortProblem();
    return true;
}

PortProblem ExplainPortFailure(const std::string& device, int error)
{
    // A port another program has locked: the lock's own words say nothing useful.
    if (error == EWOULDBLOCK)
        error = EBUSY;
    PortProblem problem;
    problem.reason = std::strerror(error);
    switch (error) {
    case EACCES:
    case EPERM:
        AdviseOnPermission(device, problem);
        break;
    case EBUSY:
        ExplainBusy(device, problem);
        break;
    case ENOTTY:
        problem.adviceKind = PortProblem::Advice::NotSerial;
        problem.advice = "This is not a serial device.";
        break;
    default:
        break;
    }
    return problem;
}

std::string PortFailureText(const std::string& device, int error)
{
    const PortProblem problem = ExplainPortFailure(device, error);
    std::string text = device + ": " + problem.reason;
    if (!problem.advice.empty())
        text += "\n" + problem.advice;
    return text;
}

bool IsPseudoTerminal(const std::string& device)
{
    // Linux numbers the pseudo-terminal devices with majors 136 to 143.
    struct stat info {};
    if (stat(device.c_str(), &info) != 0 || !S_ISCHR(info.st_mode))
        return false;
    return major(info.st_rdev) >= 136 && major(info.st_rdev) <= 143;
}
