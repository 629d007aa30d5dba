#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace platform {

// Bounds-checked little-endian reads from a byte range that came from outside. Every read
// names an absolute offset and gives nothing when any byte of it lies outside the range, so
// a hostile offset can never reach memory beyond the file.
class ByteView {
public:
    ByteView() = default;
    explicit ByteView(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    size_t size() const { return m_bytes.size(); }
    std::span<const uint8_t> bytes() const { return m_bytes; }

    bool contains(uint64_t offset, uint64_t length) const
    {
        return offset <= m_bytes.size() && length <= m_bytes.size() - offset;
    }

    std::optional<uint8_t> u8(uint64_t offset) const
    {
        if (!contains(offset, 1))
            return std::nullopt;
        return m_bytes[offset];
    }
    std::optional<uint16_t> u16(uint64_t offset) const
    {
        if (!contains(offset, 2))
            return std::nullopt;
        return uint16_t(m_bytes[offset] | (m_bytes[offset + 1] << 8));
    }
    std::optional<uint32_t> u32(uint64_t offset) const
    {
        if (!contains(offset, 4))
            return std::nullopt;
        return uint32_t(m_bytes[offset]) | (uint32_t(m_bytes[offset + 1]) << 8) |
               (uint32_t(m_bytes[offset + 2]) << 16) | (uint32_t(m_bytes[offset + 3]) << 24);
    }
    std::optional<int16_t> i16(uint64_t offset) const
    {
        const auto v = u16(offset);
        return v ? std::optional<int16_t>(int16_t(*v)) : std::nullopt;
    }
    std::optional<int32_t> i32(uint64_t offset) const
    {
        const auto v = u32(offset);
        return v ? std::optional<int32_t>(int32_t(*v)) : std::nullopt;
    }
    std::optional<uint64_t> u64(uint64_t offset) const
    {
        const auto lo = u32(offset);
        const auto hi = u32(offset + 4);
        if (!lo || !hi)
            return std::nullopt;
        return uint64_t(*lo) | (uint64_t(*hi) << 32);
    }

    // `length` bytes at `offset`, or nothing.
    std::optional<std::span<const uint8_t>> slice(uint64_t offset, uint64_t length) const
    {
        if (!contains(offset, length))
            return std::nullopt;
        return m_bytes.subspan(size_t(offset), size_t(length));
    }
    std::optional<std::string> text(uint64_t offset, uint64_t length) const
    {
        const auto s = slice(offset, length);
        if (!s)
            return std::nullopt;
        return std::string(reinterpret_cast<const char*>(s->data()), s->size());
    }

private:
    std::span<const uint8_t> m_bytes;
};

} // namespace platform
