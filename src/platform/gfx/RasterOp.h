#pragma once

#include <cstdint>

namespace platform {

// Ternary raster operations of bitmap copies: how the brush pattern P, the source S and the
// destination D combine. Values as the window system's callers pass them; bits 16 to 23 hold
// the truth table (bit 4P + 2S + D is the result), so any code works, not only the named ones.
enum class RasterOp : uint32_t {
    SrcCopy = 0x00CC0020,
    SrcPaint = 0x00EE0086,
    SrcAnd = 0x008800C6,
    SrcInvert = 0x00660046,
    SrcErase = 0x00440328,
    NotSrcCopy = 0x00330008,
    NotSrcErase = 0x001100A6,
    MergeCopy = 0x00C000CA,
    MergePaint = 0x00BB0226,
    PatCopy = 0x00F00021,
    PatPaint = 0x00FB0A09,
    PatInvert = 0x005A0049,
    DstInvert = 0x00550009,
    Blackness = 0x00000042,
    Whiteness = 0x00FF0062,
};

inline uint8_t rasterOpTable(RasterOp op) { return uint8_t(uint32_t(op) >> 16); }

// Whether the operation reads the source or the pattern at all.
inline bool rasterOpUsesSource(RasterOp op)
{
    const uint8_t t = rasterOpTable(op);
    return ((t >> 2) & 0x33) != (t & 0x33);
}
inline bool rasterOpUsesPattern(RasterOp op)
{
    const uint8_t t = rasterOpTable(op);
    return (t >> 4) != (t & 0x0F);
}

// Combines the 24 colour bits through the truth table; the result is opaque.
inline uint32_t applyRasterOp(uint8_t table, uint32_t p, uint32_t s, uint32_t d)
{
    switch (table) {
    case 0xCC: return s | 0xFF000000;
    case 0x66: return (s ^ d) | 0xFF000000;
    case 0x88: return (s & d) | 0xFF000000;
    case 0xEE: return (s | d) | 0xFF000000;
    case 0xF0: return p | 0xFF000000;
    default: break;
    }
    uint32_t r = 0;
    for (int k = 0; k < 8; ++k) {
        if (!((table >> k) & 1))
            continue;
        r |= ((k & 4) ? p : ~p) & ((k & 2) ? s : ~s) & ((k & 1) ? d : ~d);
    }
    return r | 0xFF000000;
}

} // namespace platform
