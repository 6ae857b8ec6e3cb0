#pragma once

#include "LoaderBlocks.h"
#include "LoaderSet.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

// While it lives, transfers send blocks that are not placeholders, as a
// receiver's maker supplies them: the window's through the installed set,
// tavrel-cli's through TAVREL_LOADERS, which names their folder.
class MakerBlocks {
public:
    MakerBlocks()
    {
        char name[] = "/tmp/tavrel-maker-XXXXXX";
        if (!mkdtemp(name))
            std::abort();
        m_strFolder = name;
        const LoaderSet builtIn = LoaderSet::BuiltIn();
        for (const LoaderBlock& block : builtIn.Blocks()) {
            const std::vector<char> bytes(block.bytes.size(), 0x3C);
            std::ofstream(m_strFolder + "/" + block.fileName, std::ios::binary).write(bytes.data(), long(bytes.size()));
        }
        InstallLoaders(LoaderSet::Find(m_strFolder, {}));
        setenv(LoaderSet::ENVIRONMENT, m_strFolder.c_str(), 1);
    }
    ~MakerBlocks()
    {
        unsetenv(LoaderSet::ENVIRONMENT);
        InstallLoaders(LoaderSet::BuiltIn());
        std::filesystem::remove_all(m_strFolder);
    }
    MakerBlocks(const MakerBlocks&) = delete;
    MakerBlocks& operator=(const MakerBlocks&) = delete;

    const std::string& Folder() const { return m_strFolder; }

private:
    std::string m_strFolder;
};
