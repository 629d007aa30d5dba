#pragma once

#include <cstdint>

namespace platform {

// The sixteen binary raster operations that combine a pen (or brush) colour P with the
// destination D, numbered 1 to 16 as the window system's callers pass them. The number
// minus one is the operation's truth table: bit (2 * P + D) is the result.
enum class DrawMode : uint8_t {
    Black = 1,        // 0
    NotMergePen = 2,  // ~(P | D)
    MaskNotPen = 3,   // ~P & D
    NotCopyPen = 4,   // ~P
    MaskPenNot = 5,   // P & ~D
    Not = 6,          // ~D
    XorPen = 7,       // P ^ D
    NotMaskPen = 8,   // ~(P & D)
    MaskPen = 9,      // P & D
    NotXorPen = 10,   // ~(P ^ D)
    Nop = 11,         // D
    MergeNotPen = 12, // ~P | D
    CopyPen = 13,     // P
    MergePenNot = 14, // P | ~D
    MergePen = 15,    // P | D
    White = 16,       // 1
};

// Combines the 24 colour bits; the result is opaque. A number outside 1..16 acts as CopyPen.
inline uint32_t applyDrawMode(DrawMode mode, uint32_t pen, uint32_t dst)
{
    uint32_t r;
    switch (mode) {
    case DrawMode::Black: r = 0; break;
    case DrawMode::NotMergePen: r = ~(pen | dst); break;
    case DrawMode::MaskNotPen: r = ~pen & dst; break;
    case DrawMode::NotCopyPen: r = ~pen; break;
    case DrawMode::MaskPenNot: r = pen & ~dst; break;
    case DrawMode::Not: r = ~dst; break;
    case DrawMode::XorPen: r = pen ^ dst; break;
    case DrawMode::NotMaskPen: r = ~(pen & dst); break;
    case DrawMode::MaskPen: r = pen & dst; break;
    case DrawMode::NotXorPen: r = ~(pen ^ dst); break;
    case DrawMode::Nop: r = dst; break;
    case DrawMode::MergeNotPen: r = ~pen | dst; break;
    case DrawMode::MergePenNot: r = pen | ~dst; break;
    case DrawMode::MergePen: r = pen | dst; break;
    case DrawMode::White: r = 0xFFFFFFFF; break;
    case DrawMode::CopyPen:
    default: r = pen; break;
    }
    return r | 0xFF000000;
}

} // namespace platform
