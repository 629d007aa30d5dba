#pragma once

#include <cstdint>
#include <vector>

namespace gfxtest {

// Writes bitmap files and bitmaps of icon files for tests, byte by byte.
class BmpBuilder {
public:
    void u8(uint8_t v) { m_bytes.push_back(v); }
    void u16(uint16_t v)
    {
        u8(uint8_t(v));
        u8(uint8_t(v >> 8));
    }
    void u32(uint32_t v)
    {
        u16(uint16_t(v));
        u16(uint16_t(v >> 16));
    }
    void bytes(const std::vector<uint8_t>& b) { m_bytes.insert(m_bytes.end(), b.begin(), b.end()); }
    void pad4()
    {
        while (m_bytes.size() % 4)
            u8(0);
    }
    size_t size() const { return m_bytes.size(); }
    void patch32(size_t at, uint32_t v)
    {
        for (int i = 0; i < 4; ++i)
            m_bytes[at + size_t(i)] = uint8_t(v >> (8 * i));
    }
    const std::vector<uint8_t>& data() const { return m_bytes; }

    // A 40-byte info header.
    void infoHeader(int32_t width, int32_t height, uint16_t bitCount, uint32_t compression = 0, uint32_t colorsUsed = 0,
                    uint32_t imageSize = 0)
    {
        u32(40);
        u32(uint32_t(width));
        u32(uint32_t(height));
        u16(1);
        u16(bitCount);
        u32(compression);
        u32(imageSize);
        u32(2835);
        u32(2835);
        u32(colorsUsed);
        u32(0);
    }
    void coreHeader(uint16_t width, uint16_t height, uint16_t bitCount)
    {
        u32(12);
        u16(width);
        u16(height);
        u16(1);
        u16(bitCount);
    }
    // File header with the pixel offset patched in later by pixelsStartHere().
    void fileHeader()
    {
        u8('B');
        u8('M');
        u32(0);
        u32(0);
        m_offBitsAt = size();
        u32(0);
    }
    void pixelsStartHere() { patch32(m_offBitsAt, uint32_t(size())); }
    void rgbQuad(uint32_t rgb) { u32(rgb & 0xFFFFFF); }

private:
    std::vector<uint8_t> m_bytes;
    size_t m_offBitsAt = 0;
};

} // namespace gfxtest
