#pragma once

#include "platform/gfx/Painter.h"

namespace platform {

// Saves a painter's state on construction and restores it on destruction, so a drawing
// routine can change pen, clip or origin freely and leave the painter as it found it.
class PainterStateSaver {
public:
    explicit PainterStateSaver(Painter& painter) : m_painter(painter), m_depth(painter.saveDepth())
    {
        m_painter.save();
    }
    ~PainterStateSaver()
    {
        // Also undoes saves the routine left unbalanced.
        while (m_painter.saveDepth() > m_depth)
            m_painter.restore();
    }
    PainterStateSaver(const PainterStateSaver&) = delete;
    PainterStateSaver& operator=(const PainterStateSaver&) = delete;

private:
    Painter& m_painter;
    size_t m_depth;
};

} // namespace platform
