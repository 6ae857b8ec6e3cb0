#pragma once

#include "ChannelDiff.h"
#include "CsvImport.h"
#include "ImageDocument.h"

#include <optional>
#include <string>

// The channel list of a document out to a file and back, and compared with
// another image: one call each, which the window and tavrel-cli share and
// each words in its own way. Names go through the ANSI code page.

enum class ExportFormat { Csv, Json };

// The channel list of `tables` as text.
std::string ExportChannels(const ImageDocument& document, unsigned tables, ExportFormat format);

struct ImportReport {
    enum class Outcome {
        Imported,   // one step of the document's history
        Unchanged,  // the CSV changes nothing
        DryRun,     // planned only, nothing applied
        FileError,  // `reason` holds the system's words
        TooLarge,   // more than MAX_CSV_SIZE
        Refused,    // the plan's errors say why; nothing changed
        NotApplied, // the database refused the plan; nothing changed
    };
    Outcome outcome = Outcome::Unchanged;
    std::string reason;
    ImportPlan plan;
};

// Reads a CSV file, plans it against the document's image and, unless
// dryRun, applies it as one edit that the history names `stepName`.
ImportReport ImportChannels(ImageDocument& document, const std::string& csvPath, const ImportOptions& options,
    bool dryRun = false, const std::string& stepName = "import CSV");

struct CompareReport {
    // How the other image opened; the diff holds something only when it did.
    ImageDocument::OpenResult opened = ImageDocument::OpenResult::FileError;
    std::string reason;
    ChannelDiff diff;
};

// Opens the image in `otherPath` and compares the document's channel list
// with it, matching as `match` says or, without one, as ChooseDiffMatch
// decides.
CompareReport CompareChannels(const ImageDocument& document, const std::string& otherPath, unsigned tables,
    std::optional<MatchMode> match);
