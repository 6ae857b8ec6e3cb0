#pragma once

#include <cstdint>
#include <span>
#include <ctime>
#include <string>
#include <vector>

// Every completed dump is kept, before anything is made of it, as
// dump-YYYYMMDD-HHMMSS.bin in the user's data folder: the raw flash may be
// the only copy of a receiver's channel list.
class DumpArchive {
public:
    // $XDG_DATA_HOME/tavrel/dumps, or ~/.local/share/tavrel/dumps; read
    // from the environment once, on the thread that constructs the archive.
    DumpArchive();
    explicit DumpArchive(std::string folder);

    const std::string& Folder() const { return m_strFolder; }

    // Writes the dump atomically under a name no earlier dump has; false
    // with the system's reason when the folder or the file cannot be made.
    bool Keep(std::span<const uint8_t> dump, std::string& path, std::string& reason) const;

    // What one kept dump holds, as far as the file can tell.
    struct Kept {
        std::string path;
        // When it was kept: from its name, or else from the file.
        std::time_t time = 0;
        uint64_t size = 0;
        bool decodes = false;
        uint16_t satellites = 0;
        uint16_t tv = 0;
        uint16_t radio = 0;
    };

    // Every dump of the folder, each read and decoded, newest first; empty
    // when there is no folder.
    std::vector<Kept> List() const;

private:
    std::string m_strFolder;
};
