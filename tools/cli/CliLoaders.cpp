#include "CliLoaders.h"

#include "Cli.h"
#include "CliArguments.h"
#include "CliCommand.h"
#include "LoaderBlocks.h"
#include "LoaderSet.h"
#include "PrintableText.h"

#include <cstdio>

namespace {

const char* const LOADERS_USAGE = R"(Usage: tavrel-cli loaders [--loaders DIR]

Lists the loader blocks a transfer sends to the receiver: for each, its file
name, its size, its SHA-256, whether it is a placeholder, and where it comes
from. Each is looked for by its file name, first match wins, in
  DIR given with --loaders, else $TAVREL_LOADERS;
  $XDG_DATA_HOME/tavrel/loaders (~/.local/share/tavrel/loaders);
  tavrel/loaders in each folder of $XDG_DATA_DIRS (/usr/share/tavrel/loaders);
and otherwise is the one built in. A block of the wrong size, or one that
cannot be read, is an error. The blocks built in are placeholders: they are
sent only to a pseudo-terminal such as the virtual receiver's.
)";

} // namespace

bool UseLoaders(Command& command, const CliArguments& arguments)
{
    const std::optional<std::string> chosen = arguments.Value("--loaders");
    int status = EXIT_SAME;
    if (chosen && chosen->empty())
        return command.UsageError("--loaders names a folder; it is empty", status);
    const LoaderSet set = LoaderSet::FromEnvironment(chosen);
    if (!set.Problem().empty()) {
        command.Err() << "tavrel-cli: " << set.Problem() << "\n";
        return false;
    }
    InstallLoaders(set);
    return true;
}

int RunLoaders(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    Command command("loaders", LOADERS_USAGE, out, err);
    CliArguments arguments({ "--loaders" }, {});
    int status = EXIT_SAME;
    if (!command.Parse(arguments, args, 0, status))
        return status;
    if (!UseLoaders(command, arguments))
        return EXIT_TROUBLE;
    bool placeholders = false;
    char line[160];
    for (const LoaderBlock& block : InstalledLoaders().Blocks()) {
        std::snprintf(line, sizeof line, "%-20s %5zu  %s  %-11s  ", block.fileName, block.bytes.size(),
            block.Sha256().c_str(), block.Placeholder() ? "placeholder" : "");
        out << line << (block.BuiltIn() ? "built in" : PrintableText(block.source)) << "\n";
        placeholders = placeholders || block.Placeholder();
    }
    if (placeholders)
        command.Note(LoaderSet::UserFolder(),
            "put the receiver maker's blocks here; placeholders go only to a pseudo-terminal");
    return EXIT_SAME;
}
