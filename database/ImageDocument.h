#pragma once

#include "ChannelDatabase.h"
#include "ImageDelta.h"
#include "ImageEdit.h"
#include "ViewLists.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

// Why an image does not decode: the loader's first problem, with its table.
std::string DecodeProblemOf(const ChannelDatabase& db);
// The same for a problem and its table (-1 for none).
std::string DecodeProblemOf(DecodeProblem problem, int table);

// A flash image as the user works on it: its bytes and the tables decoded
// from them, the file it came from, whether it differs from what was last
// opened, dumped or saved, and the history of the changes made to it. The
// document is the only writer of the image: every change is an ImageEdit
// it applies and records, and its listener hears of each.
class ImageDocument {
public:
    enum class OpenResult { Opened, FileError, TooLarge, NotDecoded };

    // What changed: an edit, undo or redo (with the offsets of the records
    // it touched), a new image, or no image any more.
    struct Change {
        enum class Kind { Edited, Replaced, Unloaded };
        Kind kind = Kind::Edited;
        std::vector<uint32_t> records;
    };

    // Told of every change, in the order they happen.
    class Listener {
    public:
        // An edit, undo or redo is about to write the image; the tables
        // still hold what they held.
        virtual void ImageAboutToChange() = 0;
        virtual void ImageChanged(const Change& change) = 0;
        virtual void ModifiedChanged(bool modified) = 0;
        virtual void HistoryChanged() = 0;

    protected:
        ~Listener() = default;
    };

    // One change of the history: what it changed, what the user is told it
    // was, and the records it touched, by their offset in the image.
    struct Step {
        std::string description;
        ImageDelta delta;
        std::vector<uint32_t> records;

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

    // One listener at a time; null for none.
    void SetListener(Listener* listener) { m_pListener = listener; }

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
    // Loaded but not decoded: kept only to be saved or sent whole.
    bool IsUndecoded() const { return m_bLoaded && !m_bDecoded; }
    // The image differs from what was last opened, dumped or saved. An
    // undecoded image never counts as modified.
    bool IsModified() const;
    const std::string& Path() const { return m_strPath; }
    size_t FileLength() const { return m_nFileLength; }

    const ChannelDatabase& Database() const { return *m_pDatabase; }
    std::span<const uint8_t> Image() const { return std::span(m_pDatabase->m_Image, IMAGE_SIZE); }
    // Fills the view lists of the database for a list the user is shown;
    // the image and its tables stay as they are.
    ViewLists::Fill ShowList(int listType, uint16_t satPosition, uint16_t tpRow, int serviceTab);

    // Applies an edit to a decoded image. False when the edit refuses or
    // would leave an image that no longer decodes: then nothing changed.
    // The bytes it changed become one step of the history, unless it
    // changed none.
    bool Apply(const std::string& description, const ImageEdit& edit);
    // One step back or forward; false when there is none.
    bool Undo();
    bool Redo();
    // The step Undo or Redo would take, or null.
    const Step* UndoStep() const;
    const Step* RedoStep() const;
    void ClearHistory();
    size_t HistorySize() const { return m_Steps.size(); }

private:
    void MarkUnmodified();
    bool Decode();
    bool TakeStep(bool back);
    // Tells the listener of a change, and of the modified state and the
    // history when they changed with it.
    void Changed(Change change, bool wasModified, bool historyChanged);

    std::unique_ptr<ChannelDatabase> m_pDatabase;
    bool m_bLoaded = false;
    bool m_bDecoded = false;
    Listener* m_pListener = nullptr;
    std::string m_strPath;
    size_t m_nFileLength = 0;
    // The image as last opened, dumped or saved.
    std::vector<uint8_t> m_Baseline;
    std::vector<Step> m_Steps;
    // How many of m_Steps are done; the rest can be redone.
    size_t m_nDone = 0;
};
