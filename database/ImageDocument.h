#pragma once

#include "ChannelDatabase.h"
#include "ImageDelta.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

// Why an image does not decode: the loader's first problem, with its table.
std::string DecodeProblemOf(const ChannelDatabase& db);

// A flash image as the user works on it: its bytes and the tables decoded
// from them, the file it came from, whether it differs from what was last
// opened, dumped or saved, and the history of the changes made to it.
// Apply, Undo and Redo write the image bytes only; Decode brings the
// tables up to date, once, after the change is in.
class ImageDocument {
public:
    enum class OpenResult { Opened, FileError, TooLarge, NotDecoded };
    enum class StepResult { Stepped, NothingToStep, Diverged };

    // One change of the history: what it changed, what the user is told it
    // was, and the records (by their offset in the image) the user had
    // selected before and after it.
    struct Step {
        std::string description;
        ImageDelta delta;
        std::vector<uint32_t> selectedBefore;
        std::vector<uint32_t> selectedAfter;

        // Heap and object bytes the step holds.
        size_t MemoryBytes() const;
    };

    // Enough for a session's work, and a bound on memory: a step that
    // rewrites the whole directory of a full image holds about 20 KiB.
    static constexpr size_t HISTORY_LIMIT = 1000;

    ImageDocument();
    ~ImageDocument();
    ImageDocument(const ImageDocument&) = delete;
    ImageDocument& operator=(const ImageDocument&) = delete;

    // Reads an image file. Only a file that decodes replaces the image,
    // unless keepUndecoded: then it is kept raw. Anything else leaves the
    // document as it was; `reason` says why (the system's words for a file
    // error, the loader's first problem for an image that does not decode).
    OpenResult Open(const std::string& path, std::string& reason, bool keepUndecoded = false);
    // A complete dump of the receiver's flash becomes the image, decoded or
    // kept raw when it does not decode (the raw flash may be the user's only
    // copy). Returns whether it decodes.
    bool AdoptDump(std::span<const uint8_t> flash);
    // Nothing loaded any more: what the image held can no longer be trusted.
    void Unload();

    // Decodes the image again; false when it no longer decodes.
    bool Decode();

    // The bytes that belong to the receiver's flash: the flash size of an
    // image that decodes, all that a raw image was read from (a whole dump),
    // nothing otherwise. Save writes
    // them, an upgrade sends them and a verify compares them.
    std::span<const uint8_t> FlashBytes() const;
    std::span<const uint8_t> UpgradeBytes() const { return FlashBytes(); }
    // Writes FlashBytes through a temporary file; on success the file is
    // the document's and the image counts as unmodified.
    bool Save(const std::string& path, std::string& reason);

    bool IsLoaded() const { return m_bLoaded; }
    bool IsDecoded() const { return m_bLoaded && m_bDecoded; }
    bool IsRawDump() const { return m_bLoaded && m_bRawDump; }
    // The image differs from what was last opened, dumped or saved. A raw
    // dump is kept only to be saved whole and never counts as modified.
    bool IsModified() const;
    const std::string& Path() const { return m_strPath; }
    size_t FileLength() const { return m_nFileLength; }

    ChannelDatabase& Database() { return *m_pDatabase; }
    const ChannelDatabase& Database() const { return *m_pDatabase; }
    std::span<const uint8_t> Image() const { return std::span(m_pDatabase->m_Image, IMAGE_SIZE); }

    // Runs a change on the image. `change` returns false when it refused
    // (nothing written); the bytes it changed become one step of the
    // history, unless it changed none. Returns what `change` returned.
    bool Apply(const std::string& description, const std::function<bool(ChannelDatabase&)>& change,
        std::vector<uint32_t> selectedBefore = {},
        const std::function<std::vector<uint32_t>()>& selectedAfter = {});
    // One step back or forward. A step is taken only when the image is
    // where it expects; otherwise the image has changed outside the history,
    // flipping it would corrupt it, and the history is cleared (Diverged).
    StepResult Undo();
    StepResult Redo();
    // The step Undo or Redo would take, or null.
    const Step* UndoStep() const;
    const Step* RedoStep() const;
    void ClearHistory();
    size_t HistorySize() const { return m_Steps.size(); }
    // How many steps of the history are done; the rest can be redone.
    size_t StepsDone() const { return m_nDone; }

private:
    void MarkUnmodified();

    std::unique_ptr<ChannelDatabase> m_pDatabase;
    bool m_bLoaded = false;
    bool m_bDecoded = false;
    bool m_bRawDump = false;
    std::string m_strPath;
    size_t m_nFileLength = 0;
    // The image as last opened, dumped or saved.
    std::vector<uint8_t> m_Baseline;
    std::vector<Step> m_Steps;
    // How many of m_Steps are done; the rest can be redone.
    size_t m_nDone = 0;
};
