// Measures `tavrel-cli dump` against a receiver paced like a real line: the
// wall time of the whole command against the time the line needs, and the
// processor time the command takes. Both programs run as processes of their own.
// Usage: tavrel_cli_paced_dump [baud]   (115200 by default; 1 MiB takes about 92 s)

#include "SampleImage.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

constexpr size_t FLASH_SIZE = 0x100000;

pid_t Spawn(const std::vector<std::string>& args, posix_spawn_file_actions_t* actions)
{
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = -1;
    if (posix_spawn(&pid, argv[0], actions, nullptr, argv.data(), environ) != 0)
        return -1;
    return pid;
}

} // namespace

int main(int argc, char** argv)
{
    const std::string baud = argc > 1 ? argv[1] : "115200";
    char folder[] = "/tmp/tavrel-paced-XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    const std::string image = std::string(folder) + "/flash.bin";
    const std::string output = std::string(folder) + "/dump.bin";
    std::vector<uint8_t> flash = MakeSampleImage();
    flash.resize(FLASH_SIZE, 0xFF);
    std::ofstream(image, std::ios::binary).write(reinterpret_cast<const char*>(flash.data()), long(flash.size()));
    setenv("XDG_DATA_HOME", folder, 1);

    // The receiver prints its device on its standard output.
    int pipeFds[2];
    if (pipe(pipeFds) != 0)
        return 1;
    posix_spawn_file_actions_t receiverActions;
    posix_spawn_file_actions_init(&receiverActions);
    posix_spawn_file_actions_adddup2(&receiverActions, pipeFds[1], STDOUT_FILENO);
    const pid_t receiver
        = Spawn({ VIRTUAL_STB_PATH, "dump", "--image", image, "--baud", baud, "--repeat", "0" }, &receiverActions);
    close(pipeFds[1]);
    char device[256] = {};
    const ssize_t length = read(pipeFds[0], device, sizeof device - 1);
    if (receiver < 0 || length <= 0)
        return 1;
    device[std::strcspn(device, "\n")] = '\0';

    const auto start = std::chrono::steady_clock::now();
    const pid_t cli = Spawn({ CLI_PATH, "dump", "--port", device, "-o", output }, nullptr);
    int status = 0;
    rusage usage {};
    if (cli < 0 || wait4(cli, &status, 0, &usage) != cli)
        return 1;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    kill(receiver, SIGTERM);
    waitpid(receiver, nullptr, 0);

    std::ifstream dumped(output, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(dumped)), {});
    const bool same = bytes == flash;
    const double cpu = double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
    // 1048578 bytes of 10 bits, and the 1 s pause before the read reply.
    const double lineSeconds = (FLASH_SIZE + 2) * 10.0 / std::strtod(baud.c_str(), nullptr) + 1.0;
    std::printf("tavrel-cli dump at %s baud: exit status %d, dump %s\n", baud.c_str(), WEXITSTATUS(status),
        same ? "equal" : "DIFFERENT");
    std::printf("wall %.2f s against %.2f s of line time (%+.2f %%); processor %.2f s: %.2f %% of one core\n",
        seconds, lineSeconds, 100.0 * (seconds - lineSeconds) / lineSeconds, cpu, 100.0 * cpu / seconds);
    std::string remove = std::string("rm -rf ") + folder;
    [[maybe_unused]] const int removed = std::system(remove.c_str());
    return same && WEXITSTATUS(status) == 0 ? 0 : 1;
}
