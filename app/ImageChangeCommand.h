#pragma once

#include "ImageDelta.h"

#include <QtGui/QUndoCommand>

#include <cstdint>
#include <functional>
#include <vector>

// One step of the undo history: a change already made to the image, kept
// as what it changed. Undo and redo flip the image between the two states
// and select the records that were selected before or after the change.
class ImageChangeCommand : public QUndoCommand {
public:
    using Flip = std::function<void(const ImageDelta& delta, const std::vector<uint32_t>& select)>;

    ImageChangeCommand(const QString& text, ImageDelta delta, std::vector<uint32_t> selectedBefore,
        std::vector<uint32_t> selectedAfter, Flip flip);

    void undo() override;
    void redo() override;

    const ImageDelta& Delta() const { return m_delta; }
    // What the step holds in memory, its description included.
    size_t MemoryBytes() const;

private:
    ImageDelta m_delta;
    std::vector<uint32_t> m_selectedBefore;
    std::vector<uint32_t> m_selectedAfter;
    Flip m_flip;
    // The stack redoes a step as it is pushed; this one is done already.
    bool m_done = true;
};
