#pragma once

#include "ChannelDatabase.h"
#include "ChannelRows.h"
#include "ImageDocument.h"
#include "RowMatcher.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

class CliArguments;

// A decoded image whose file ends before its flash does: the rest is only
// erased flash made up on reading.
inline bool ShorterThanFlash(const ImageDocument& image)
{
    return image.IsDecoded() && image.FileLength() < image.Database().m_nFlashSize;
}

// One subcommand's arguments, messages and files: every message names the
// file it is about, and the exit status follows from what went wrong.
class Command {
public:
    Command(const char* name, const char* usage, std::ostream& out, std::ostream& err);

    // False when the command should end: with 0 after --help, else with 2.
    bool Parse(CliArguments& arguments, const std::vector<std::string>& args, size_t operands, int& status);
    bool UsageError(const std::string& text, int& status);
    // Reports a problem with a file and returns the exit status for it.
    int Trouble(const std::string& path, const std::string& reason);
    // Names and texts are echoed printable, a huge name cut short.
    void Note(const std::string& path, const std::string& text);
    // A list of problems with one file, capped as every list is.
    void Notes(const std::string& path, const std::vector<std::string>& problems);

    // A text file of at most MAX_CSV_SIZE bytes; false after reporting why not.
    bool ReadText(const std::string& path, std::string& text);
    // Opens an image file, decoded or kept raw; false after reporting why not.
    bool ReadImage(const std::string& path, ImageDocument& image);
    // Opens an image file that decodes; false after reporting why not.
    bool Load(const std::string& path, ImageDocument& image);
    // Saves the image; a note says when the file is shorter than the one it came from.
    bool Save(const std::string& path, ImageDocument& image);
    // False after reporting it when the output is the same file as one of the inputs.
    bool DistinctOutput(const std::string& output, const std::vector<std::string>& inputs);
    // To the file named by -o, or to the standard output.
    int Emit(const std::optional<std::string>& path, const std::string& text);

    bool Tables(const CliArguments& arguments, unsigned& tables, int& status);
    bool Match(const CliArguments& arguments, MatchMode& mode, int& status);
    bool Format(const CliArguments& arguments, const char* first, const char* second, std::string& format,
        int& status);

    std::ostream& Out() { return m_out; }
    std::ostream& Err() { return m_err; }

private:
    const char* m_name;
    const char* m_usage;
    std::ostream& m_out;
    std::ostream& m_err;
};
