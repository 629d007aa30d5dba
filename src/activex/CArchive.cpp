#include "activex/CArchive.h"

namespace morva {

void CArchiveWriter::WriteU16(uint16_t value)
{
    WriteU8(uint8_t(value));
    WriteU8(uint8_t(value >> 8));
}

void CArchiveWriter::WriteU32(uint32_t value)
{
    WriteU16(uint16_t(value));
    WriteU16(uint16_t(value >> 16));
}

void CArchiveWriter::WriteString(std::string_view text)
{
    const size_t length = text.size();
    if (length < 0xFF) {
        WriteU8(uint8_t(length));
    } else if (length < 0xFFFE) {
        WriteU8(0xFF);
        WriteU16(uint16_t(length));
    } else {
        WriteU8(0xFF);
        WriteU16(0xFFFF);
        WriteU32(uint32_t(length));
    }
    m_bytes.append(text.substr(0, uint32_t(length)));
}

void CArchiveWriter::WriteBytes(std::span<const uint8_t> bytes)
{
    m_bytes.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

bool CArchiveReader::Take(size_t count, const char*& at)
{
    if (m_failed || count > m_bytes.size() - m_pos) {
        m_failed = true;
        return false;
    }
    at = m_bytes.data() + m_pos;
    m_pos += count;
    return true;
}

bool CArchiveReader::ReadU8(uint8_t& value)
{
    const char* at = nullptr;
    if (!Take(1, at))
        return false;
    value = uint8_t(at[0]);
    return true;
}

bool CArchiveReader::ReadU16(uint16_t& value)
{
    const char* at = nullptr;
    if (!Take(2, at))
        return false;
    value = uint16_t(uint8_t(at[0]) | (uint8_t(at[1]) << 8));
    return true;
}

bool CArchiveReader::ReadU32(uint32_t& value)
{
    const char* at = nullptr;
    if (!Take(4, at))
        return false;
    value = uint32_t(uint8_t(at[0])) | (uint32_t(uint8_t(at[1])) << 8) | (uint32_t(uint8_t(at[2])) << 16) |
            (uint32_t(uint8_t(at[3])) << 24);
    return true;
}

bool CArchiveReader::ReadI32(int32_t& value)
{
    uint32_t raw = 0;
    if (!ReadU32(raw))
        return false;
    value = int32_t(raw);
    return true;
}

bool CArchiveReader::ReadBool32(bool& value)
{
    uint32_t raw = 0;
    if (!ReadU32(raw))
        return false;
    value = raw != 0;
    return true;
}

bool CArchiveReader::ReadString(std::string& text)
{
    uint8_t shortLength = 0;
    if (!ReadU8(shortLength))
        return false;
    uint32_t length = shortLength;
    if (shortLength == 0xFF) {
        uint16_t middle = 0;
        if (!ReadU16(middle))
            return false;
        length = middle;
        if (middle == 0xFFFF && !ReadU32(length))
            return false;
    }
    return ReadBytes(length, text);
}

bool CArchiveReader::ReadBytes(size_t count, std::string& bytes)
{
    const char* at = nullptr;
    if (!Take(count, at))
        return false;
    bytes.assign(at, count);
    return true;
}

bool CArchiveReader::ReadCount(uint32_t& count, size_t minRecordSize)
{
    if (!ReadU32(count))
        return false;
    if (minRecordSize != 0 && count > Remaining() / minRecordSize) {
        m_failed = true;
        return false;
    }
    return true;
}

} // namespace morva
