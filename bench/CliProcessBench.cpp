// tavrel-cli's export and import of the capacity image, each timed as a
// whole process, as a user or a script runs it: start-up, reading, writing
// and exit included. An import, and an apply of a reference image, should
// each take at most three times an export.

#include "ChannelDatabase.h"
#include "SampleImage.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

namespace fs = std::filesystem;

// A folder with the capacity image, made once and removed at exit.
class BenchFolder {
public:
    BenchFolder()
    {
        std::string pattern = (fs::temp_directory_path() / "tavrel-cli-bench-XXXXXX").string();
        m_path = mkdtemp(pattern.data());
        const std::vector<uint8_t> image = MakeCapacityImage();
        std::ofstream(m_path / "capacity.bin", std::ios::binary)
            .write(reinterpret_cast<const char*>(image.data()), std::streamsize(image.size()));
    }
    ~BenchFolder() { fs::remove_all(m_path); }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

    const fs::path& Path() const { return m_path; }

private:
    fs::path m_path;
};

const fs::path& Folder()
{
    static const BenchFolder folder;
    return folder.Path();
}

// Runs tavrel-cli with its output and messages thrown away; its exit status.
int RunCli(std::vector<std::string> args)
{
    args.insert(args.begin(), CLI_PATH);
    std::vector<char*> argv;
    for (std::string& arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = -1;
    const int spawned = posix_spawn(&child, CLI_PATH, &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    if (spawned != 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status))
        return -1;
    return WEXITSTATUS(status);
}

void CliExportCapacity(benchmark::State& state)
{
    const std::string image = (Folder() / "capacity.bin").string();
    const std::string csv = (Folder() / "export.csv").string();
    for (auto _ : state)
        if (RunCli({ "export", image, "-o", csv }) != 0)
            state.SkipWithError("the export failed");
}
BENCHMARK(CliExportCapacity)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

void CliImportCapacity(benchmark::State& state)
{
    const std::string image = (Folder() / "capacity.bin").string();
    const std::string csv = (Folder() / "capacity.csv").string();
    const std::string out = (Folder() / "imported.bin").string();
    if (RunCli({ "export", image, "-o", csv }) != 0)
        state.SkipWithError("the export failed");
    for (auto _ : state)
        if (RunCli({ "import", image, csv, "-o", out }) != 0)
            state.SkipWithError("the import failed");
}
BENCHMARK(CliImportCapacity)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

// The capacity image with its TV order reversed, put back by the image
// itself as the reference.
void CliApplyCapacity(benchmark::State& state)
{
    const std::string image = (Folder() / "capacity.bin").string();
    const std::string csv = (Folder() / "reversed.csv").string();
    const std::string scanned = (Folder() / "scanned.bin").string();
    const std::string out = (Folder() / "applied.bin").string();
    std::string reversed = "table,offset\n";
    std::vector<std::string> rows;
    {
        const std::string exported = (Folder() / "tv.csv").string();
        if (RunCli({ "export", image, "--table", "tv", "-o", exported }) != 0)
            state.SkipWithError("the export failed");
        std::ifstream file(exported);
        std::string line;
        std::getline(file, line);
        while (std::getline(file, line)) {
            const size_t offset = line.find(',', line.find(',') + 1);
            rows.push_back("tv," + line.substr(offset + 1, line.find(',', offset + 1) - offset - 1));
        }
    }
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        reversed += *row + "\n";
    std::ofstream(csv) << reversed;
    if (RunCli({ "import", image, csv, "-o", scanned }) != 0)
        state.SkipWithError("the import failed");
    for (auto _ : state)
        if (RunCli({ "apply", scanned, image, "-o", out }) != 0)
            state.SkipWithError("the apply failed");
}
BENCHMARK(CliApplyCapacity)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(20);

} // namespace
