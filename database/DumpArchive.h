#pragma once

#include <cstdint>
#include <span>
#include <string>

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

private:
    std::string m_strFolder;
};
