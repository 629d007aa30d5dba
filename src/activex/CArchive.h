#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace morva {

// Writes the project data file's archive form: little-endian integers and length-prefixed
// ANSI strings (one byte below 255; else 0xFF and 16 bits below 0xFFFE; else 0xFF, 0xFFFF
// and 32 bits).
class CArchiveWriter {
public:
    void WriteU8(uint8_t value) { m_bytes.push_back(char(value)); }
    void WriteU16(uint16_t value);
    void WriteU32(uint32_t value);
    void WriteI32(int32_t value) { WriteU32(uint32_t(value)); }
    void WriteString(std::string_view text);
    void WriteBytes(std::span<const uint8_t> bytes);

    const std::string& Bytes() const { return m_bytes; }

private:
    std::string m_bytes;
};

// Reads the same form from untrusted bytes. Every read checks the bytes left; after the
// first failure every further read fails too, so a record can be read in one chain and
// tested once.
class CArchiveReader {
public:
    explicit CArchiveReader(std::string_view bytes) : m_bytes(bytes) {}

    bool ReadU8(uint8_t& value);
    bool ReadU16(uint16_t& value);
    bool ReadU32(uint32_t& value);
    bool ReadI32(int32_t& value);
    bool ReadBool32(bool& value);
    bool ReadString(std::string& text);
    bool ReadBytes(size_t count, std::string& bytes);
    // A count of records each at least `minRecordSize` bytes long: one that the bytes left
    // cannot hold is damage, found before anything is allocated for it.
    bool ReadCount(uint32_t& count, size_t minRecordSize);

    size_t Remaining() const { return m_failed ? 0 : m_bytes.size() - m_pos; }
    bool Failed() const { return m_failed; }
    bool AtEnd() const { return !m_failed && m_pos == m_bytes.size(); }

private:
    bool Take(size_t count, const char*& at);

    std::string_view m_bytes;
    size_t m_pos = 0;
    bool m_failed = false;
};

} // namespace morva
