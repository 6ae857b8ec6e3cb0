#include "ImageDocument.h"

#include "ChannelRows.h"
#include "ImageFile.h"

#include <algorithm>
#include <cstring>

std::string DecodeProblemOf(const ChannelDatabase& db)
{
    std::string problem = DecodeProblemText(db.m_DecodeProblem);
    if (db.m_nProblemTable >= 0)
        problem = std::string("table ") + TableName(db.m_nProblemTable) + ": " + problem;
    return problem;
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
        reason = "larger than 1 MiB";
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
    // Copied, not swapped: others hold on to the database object.
    *m_pDatabase = *candidate;
    m_bLoaded = true;
    m_bDecoded = decoded;
    m_bRawDump = !decoded;
    m_strPath = path;
    m_nFileLength = bytes.size();
    MarkUnmodified();
    ClearHistory();
    return decoded ? OpenResult::Opened : OpenResult::NotDecoded;
}

bool ImageDocument::AdoptDump(std::span<const uint8_t> flash)
{
    // The dump may have been read into the image itself.
    const std::vector<uint8_t> bytes(flash.begin(), flash.begin() + std::min(flash.size(), IMAGE_SIZE));
    PlaceImage(bytes, m_pDatabase->m_Image);
    m_bLoaded = true;
    m_bDecoded = m_pDatabase->DecodeDatabase() != 0;
    m_bRawDump = !m_bDecoded;
    m_strPath.clear();
    m_nFileLength = bytes.size();
    MarkUnmodified();
    ClearHistory();
    return m_bDecoded;
}

void ImageDocument::Unload()
{
    m_bLoaded = false;
    m_bDecoded = false;
    m_bRawDump = false;
    m_strPath.clear();
    m_nFileLength = 0;
    m_Baseline.clear();
    ClearHistory();
}

bool ImageDocument::Decode()
{
    m_bDecoded = m_pDatabase->DecodeDatabase() != 0;
    return m_bDecoded;
}

std::span<const uint8_t> ImageDocument::FlashBytes() const
{
    // A raw image is as long as what it was read from: a whole dump, or the
    // file the user chose to send anyway.
    if (IsRawDump())
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
    m_strPath = path;
    m_nFileLength = bytes.size();
    MarkUnmodified();
    return true;
}

bool ImageDocument::IsModified() const
{
    if (!IsLoaded() || IsRawDump() || m_Baseline.size() != IMAGE_SIZE)
        return false;
    return std::memcmp(m_Baseline.data(), m_pDatabase->m_Image, IMAGE_SIZE) != 0;
}

void ImageDocument::MarkUnmodified()
{
    const std::span<const uint8_t> image = Image();
    m_Baseline.assign(image.begin(), image.end());
}

bool ImageDocument::Apply(const std::string& description, const std::function<bool(ChannelDatabase&)>& change,
    std::vector<uint32_t> selectedBefore, const std::function<std::vector<uint32_t>()>& selectedAfter)
{
    const std::vector<uint8_t> before(Image().begin(), Image().end());
    if (!change(*m_pDatabase))
        return false;
    ImageDelta delta = ImageDelta::Between(before, Image());
    if (delta.IsEmpty())
        return true;
    m_Steps.erase(m_Steps.begin() + static_cast<std::ptrdiff_t>(m_nDone), m_Steps.end());
    if (m_Steps.size() == HISTORY_LIMIT)
        m_Steps.erase(m_Steps.begin());
    m_Steps.push_back(Step { description, std::move(delta), std::move(selectedBefore),
        selectedAfter ? selectedAfter() : std::vector<uint32_t>() });
    m_nDone = m_Steps.size();
    return true;
}

ImageDocument::StepResult ImageDocument::Undo()
{
    const Step* step = UndoStep();
    if (!step)
        return StepResult::NothingToStep;
    if (!step->delta.IsAfter(Image())) {
        ClearHistory();
        return StepResult::Diverged;
    }
    step->delta.Flip(std::span(m_pDatabase->m_Image, IMAGE_SIZE));
    --m_nDone;
    return StepResult::Stepped;
}

ImageDocument::StepResult ImageDocument::Redo()
{
    const Step* step = RedoStep();
    if (!step)
        return StepResult::NothingToStep;
    if (!step->delta.IsBefore(Image())) {
        ClearHistory();
        return StepResult::Diverged;
    }
    step->delta.Flip(std::span(m_pDatabase->m_Image, IMAGE_SIZE));
    ++m_nDone;
    return StepResult::Stepped;
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
        + (selectedBefore.capacity() + selectedAfter.capacity()) * sizeof(uint32_t);
}

void ImageDocument::ClearHistory()
{
    m_Steps.clear();
    m_nDone = 0;
}
