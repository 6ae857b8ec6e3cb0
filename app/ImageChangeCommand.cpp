#include "ImageChangeCommand.h"

ImageChangeCommand::ImageChangeCommand(const QString& text, ImageDelta delta, std::vector<uint32_t> selectedBefore,
    std::vector<uint32_t> selectedAfter, Flip flip)
    : QUndoCommand(text)
    , m_delta(std::move(delta))
    , m_selectedBefore(std::move(selectedBefore))
    , m_selectedAfter(std::move(selectedAfter))
    , m_flip(std::move(flip))
{
}

void ImageChangeCommand::undo()
{
    m_flip(m_delta, m_selectedBefore);
    m_done = false;
}

void ImageChangeCommand::redo()
{
    if (!m_done)
        m_flip(m_delta, m_selectedAfter);
    m_done = true;
}

size_t ImageChangeCommand::MemoryBytes() const
{
    return sizeof(*this) + m_delta.MemoryBytes() - sizeof(m_delta)
        + (m_selectedBefore.capacity() + m_selectedAfter.capacity()) * sizeof(uint32_t)
        + static_cast<size_t>(text().capacity()) * sizeof(QChar);
}
