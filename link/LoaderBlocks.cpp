#include "LoaderBlocks.h"

#include "LoaderSet.h"
#include "PrintableText.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <vector>

namespace {

std::mutex g_InstallLock;
std::atomic<const LoaderSet*> g_pInstalled { nullptr };

const LoaderSet& BuiltInSet()
{
    static const LoaderSet set = LoaderSet::BuiltIn();
    return set;
}

} // namespace

void InstallLoaders(const LoaderSet& set)
{
    static std::vector<std::unique_ptr<const LoaderSet>> installed;
    const std::lock_guard lock(g_InstallLock);
    installed.push_back(std::make_unique<const LoaderSet>(set));
    g_pInstalled = installed.back().get();
}

void InstallLoadersFromEnvironment()
{
    const LoaderSet set = LoaderSet::FromEnvironment();
    if (set != InstalledLoaders())
        InstallLoaders(set);
}

const LoaderSet& InstalledLoaders()
{
    const LoaderSet* set = g_pInstalled.load();
    return set ? *set : BuiltInSet();
}

std::span<const uint8_t> DumpLoader()
{
    return InstalledLoaders().Dump().bytes;
}

std::span<const uint8_t> UpgradeLoader(int xtal)
{
    return InstalledLoaders().Upgrade(xtal).bytes;
}

std::span<const uint8_t> StageTwoImage()
{
    return InstalledLoaders().StageTwo().bytes;
}

const LoaderBlock* RefusedPlaceholder(LoaderUse use, int xtal, bool portIsPseudoTerminal)
{
    const LoaderSet& set = InstalledLoaders();
    if (!set.Problem().empty() || portIsPseudoTerminal)
        return nullptr;
    std::vector<const LoaderBlock*> sent;
    if (use == LoaderUse::Dump)
        sent = { &set.Dump() };
    else
        sent = { &set.Upgrade(xtal), &set.StageTwo() };
    for (const LoaderBlock* block : sent) {
        if (block->Placeholder())
            return block;
    }
    return nullptr;
}

std::optional<std::string> PlaceholderRefusal(LoaderUse use, int xtal, bool portIsPseudoTerminal)
{
    const LoaderSet& set = InstalledLoaders();
    if (!set.Problem().empty())
        return set.Problem();
    const LoaderBlock* block = RefusedPlaceholder(use, xtal, portIsPseudoTerminal);
    if (!block)
        return std::nullopt;
    const std::string from = block->BuiltIn() ? "the one built in" : PrintableText(block->source);
    return "The " + std::string(block->title) + " (" + from + ") is a placeholder, not the receiver maker's "
        + "block, and a receiver cannot run it. Put the maker's " + block->fileName + " in "
        + PrintableText(LoaderSet::UserFolder()) + " or in /usr/share/tavrel/loaders, or name its folder in "
        + LoaderSet::ENVIRONMENT + ".";
}
