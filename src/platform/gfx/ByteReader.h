#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace platform {

// Little-endian reads from a byte span that never go past its end: a read outside gives 0,
// and has() tells beforehand whether a range is there. Offsets and counts are 64-bit so that
// sums of values read from a file cannot wrap.
class ByteReader {
public:
    explicit ByteReader(std::span<const uint8_t> data) : m_data(data) {}

    uint64_t size() const { return m_data.size(); }
    bool has(uint64_t offset, uint64_t count) const { return offset <= size() && count <= size() - offset; }

    uint8_t u8(uint64_t offset) const { return has(offset, 1) ? m_data[size_t(offset)] : 0; }
    uint16_t u16(uint64_t offset) const
    {
        return has(offset, 2) ? uint16_t(m_data[size_t(offset)] | (m_data[size_t(offset) + 1] << 8)) : 0;
    }
    uint32_t u32(uint64_t offset) const
    {
        if (!has(offset, 4))
            return 0;
        const size_t o = size_t(offset);
        return uint32_t(m_data[o]) | (uint32_t(m_data[o + 1]) << 8) | (uint32_t(m_data[o + 2]) << 16)
            | (uint32_t(m_data[o + 3]) << 24);
    }
    int32_t i32(uint64_t offset) const { return int32_t(u32(offset)); }
    // The bytes [offset, offset + count), or an empty span when they are not all there.
    std::span<const uint8_t> bytes(uint64_t offset, uint64_t count) const
    {
        return has(offset, count) ? m_data.subspan(size_t(offset), size_t(count)) : std::span<const uint8_t>();
    }
    std::span<const uint8_t> data() const { return m_data; }

private:
    std::span<const uint8_t> m_data;
};

} // namespace platform
