#include "ImageDocument.h"

#include "ChannelRows.h"
#include "ImageFile.h"

#include <algorithm>
#include <cstring>

std::string DecodeProblemOf(DecodeProblem problem, int table)
{
    std::string text = DecodeProblemText(problem);
    if (table >= 0)
        text = std::string("table ") + TableName(table) + ": " + text;
    return text;
}

std::string DecodeProblemOf(const ChannelDatabase& db)
{
    return DecodeProblemOf(db.m_DecodeProblem, db.m_nProblemTable);
}

ImageDocument::ImageDocument()
    : m_pDatabase(std::make_unique<ChannelDatabase>())
{
}

ImageDocument::~ImageDocument() = default;

ImageDocument::OpenResult ImageDocument::Open(const std::string& path, std::string& reason, bool keepUndecoded)
{
    std::vector<uint8_t> bytes;
    switch (ReadImageFile(path, IMAGE_SIZE, bytes, reason)) {
    case ImageReadResult::Failed:
        return OpenResult::FileError;
    case ImageReadResult::TooLarge:
        reason = "larger than " + SizeText(IMAGE_SIZE);
        return OpenResult::TooLarge;
    case ImageReadResult::Read:
        break;
    }
    // The file is tried on a copy: a refused file leaves the image, its
    // bytes and its state exactly as they were.
    auto candidate = std::make_unique<ChannelDatabase>();
    PlaceImage(bytes, candidate->m_Image);
    const bool decoded = candidate->DecodeDatabase() != 0;
    if (!decoded) {
        reason = DecodeProblemOf(*candidate);
        if (!keepUndecoded)
            return OpenResult::NotDecoded;
    }
    const bool wasModified = IsModified();
    // Copied, not swapped: others hold on to the database object.
    *m_pDatabase = *candidate;
    m_bLoaded = true;
    m_bDecoded = decoded;
    m_strPath = path;
    m_nFileLength = bytes.size();
    MarkUnmodified();
    m_Steps.clear();
    m_nDone = 0;
    Changed({ Change::Kind::Replaced, {} }, wasModified, true);
    return decoded ? OpenResult::Opened : OpenResult::NotDecoded;
}

bool ImageDocument::AdoptDump(std::span<const uint8_t> flash)
{
    const bool wasModified = IsModified();
    // The dump may have been read into the image itself.
    const std::vector<uint8_t> bytes(flash.begin(), flash.begin() + std::min(flash.size(), IMAGE_SIZE));
    PlaceImage(bytes, m_pDatabase->m_Image);
    m_bLoaded = true;
    Decode();
    m_strPath.clear();
    m_nFileLength = bytes.size();
    MarkUnmodified();
    m_Steps.clear();
    m_nDone = 0;
    Changed({ Change::Kind::Replaced, {} }, wasModified, true);
    return m_bDecoded;
}

void ImageDocument::Unload()
{
    const bool wasModified = IsModified();
    m_bLoaded = false;
    m_bDecoded = false;
    m_strPath.clear();
    m_nFileLength = 0;
    m_Baseline.clear();
    // What the image held can no longer be trusted; nothing may show it.
    std::fill(std::begin(m_pDatabase->m_Image), std::end(m_pDatabase->m_Image), uint8_t(0));
    m_pDatabase->DecodeDatabase();
    m_Steps.clear();
    m_nDone = 0;
    Changed({ Change::Kind::Unloaded, {} }, wasModified, true);
}

bool ImageDocument::Decode()
{
    m_bDecoded = m_pDatabase->DecodeDatabase() != 0;
    return m_bDecoded;
}

ViewLists::Fill ImageDocument::ShowList(int listType, uint16_t satPosition, uint16_t tpRow, int serviceTab)
{
    return ViewLists::FillViewLists(*m_pDatabase, listType, satPosition, tpRow, serviceTab);
}

std::span<const uint8_t> ImageDocument::FlashBytes() const
{
    // An undecoded image is as long as what it was read from: a whole dump,
    // or the file the user chose to send anyway.
    if (IsUndecoded())
        return Image().first(std::min(m_nFileLength, IMAGE_SIZE));
    if (IsDecoded())
        return Image().first(std::min<size_t>(m_pDatabase->m_nFlashSize, IMAGE_SIZE));
    return {};
}

bool ImageDocument::Save(const std::string& path, std::string& reason)
{
    const std::span<const uint8_t> bytes = FlashBytes();
    if (bytes.empty()) {
        reason = "nothing says which bytes belong to the flash";
        return false;
    }
    if (!WriteImageFile(path, bytes, reason))
        return false;
    const bool wasModified = IsModified();
    m_strPath = path;
    m_nFileLength = bytes.size();
    MarkUnmodified();
    if (m_pListener && wasModified)
        m_pListener->ModifiedChanged(false);
    return true;
}

bool ImageDocument::IsModified() const
{
    if (!IsDecoded() || m_Baseline.size() != IMAGE_SIZE)
        return false;
    return std::memcmp(m_Baseline.data(), m_pDatabase->m_Image, IMAGE_SIZE) != 0;
}

void ImageDocument::MarkUnmodified()
{
    const std::span<const uint8_t> image = Image();
    m_Baseline.assign(image.begin(), image.end());
}

void ImageDocument::Changed(Change change, bool wasModified, bool historyChanged)
{
    if (!m_pListener)
        return;
    m_pListener->ImageChanged(change);
    if (IsModified() != wasModified)
        m_pListener->ModifiedChanged(!wasModified);
    if (historyChanged)
        m_pListener->HistoryChanged();
}

bool ImageDocument::Apply(const std::string& description, const ImageEdit& edit)
{
    if (!IsDecoded())
        return false;
    const std::vector<uint8_t> before(Image().begin(), Image().end());
    const bool wasModified = IsModified();
    if (m_pListener)
        m_pListener->ImageAboutToChange();
    std::vector<uint32_t> touched;
    const bool applied = edit.m_run(*m_pDatabase, touched);
    ImageDelta delta = ImageDelta::Between(before, Image());
    if (!applied || !Decode()) {
        // Nothing of a refused edit stays; the tables are decoded afresh
        // either way, so the views fill their lists again.
        if (!delta.IsEmpty())
            delta.Flip(std::span(m_pDatabase->m_Image, IMAGE_SIZE));
        Decode();
        if (m_pListener)
            m_pListener->ImageChanged({ Change::Kind::Edited, {} });
        return false;
    }
    if (delta.IsEmpty()) {
        if (m_pListener)
            m_pListener->ImageChanged({ Change::Kind::Edited, std::move(touched) });
        return true;
    }
    m_Steps.erase(m_Steps.begin() + static_cast<std::ptrdiff_t>(m_nDone), m_Steps.end());
    if (m_Steps.size() == HISTORY_LIMIT)
        m_Steps.erase(m_Steps.begin());
    m_Steps.push_back(Step { description, std::move(delta), touched });
    m_nDone = m_Steps.size();
    Changed({ Change::Kind::Edited, std::move(touched) }, wasModified, true);
    return true;
}

bool ImageDocument::Undo()
{
    return TakeStep(true);
}

bool ImageDocument::Redo()
{
    return TakeStep(false);
}

bool ImageDocument::TakeStep(bool back)
{
    const Step* step = back ? UndoStep() : RedoStep();
    if (!step || !IsDecoded())
        return false;
    const bool wasModified = IsModified();
    if (m_pListener)
        m_pListener->ImageAboutToChange();
    step->delta.Flip(std::span(m_pDatabase->m_Image, IMAGE_SIZE));
    m_nDone = back ? m_nDone - 1 : m_nDone + 1;
    Decode();
    Changed({ Change::Kind::Edited, step->records }, wasModified, true);
    return true;
}

const ImageDocument::Step* ImageDocument::UndoStep() const
{
    return m_nDone > 0 ? &m_Steps[m_nDone - 1] : nullptr;
}

const ImageDocument::Step* ImageDocument::RedoStep() const
{
    return m_nDone < m_Steps.size() ? &m_Steps[m_nDone] : nullptr;
}

size_t ImageDocument::Step::MemoryBytes() const
{
    return sizeof(*this) + delta.MemoryBytes() - sizeof(delta) + description.capacity()
        + records.capacity() * sizeof(uint32_t);
}

void ImageDocument::ClearHistory()
{
    const bool had = !m_Steps.empty();
    m_Steps.clear();
    m_nDone = 0;
    if (m_pListener && had)
        m_pListener->HistoryChanged();
}
