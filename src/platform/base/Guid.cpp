#include "platform/base/Guid.h"

#include <sys/random.h>

#include <cerrno>
#include <cstdio>
#include <random>

namespace platform {

namespace {

// Fills `buffer` from the kernel's random source; falls back to std::random_device only when
// getrandom itself is unavailable, so identifiers stay unpredictable in every case.
void fillRandom(uint8_t* buffer, size_t size)
{
    size_t done = 0;
    while (done < size) {
        const ssize_t n = getrandom(buffer + done, size - done, 0);
        if (n > 0) {
            done += static_cast<size_t>(n);
        } else if (n < 0 && errno != EINTR) {
            std::random_device device;
            for (; done < size; ++done)
                buffer[done] = static_cast<uint8_t>(device());
        }
    }
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Reads `digits` hex digits at `pos`; false when any of them is not a hex digit.
template <typename T>
bool readHex(std::string_view text, size_t pos, size_t digits, T& out)
{
    uint64_t value = 0;
    for (size_t i = 0; i < digits; ++i) {
        const int v = hexValue(text[pos + i]);
        if (v < 0)
            return false;
        value = (value << 4) | static_cast<uint64_t>(v);
    }
    out = static_cast<T>(value);
    return true;
}

} // namespace

Guid Guid::create()
{
    std::array<uint8_t, 16> bytes{};
    fillRandom(bytes.data(), bytes.size());
    Guid guid = fromBytes(bytes.data());
    guid.data3 = static_cast<uint16_t>((guid.data3 & 0x0FFF) | 0x4000); // version 4
    guid.data4[0] = static_cast<uint8_t>((guid.data4[0] & 0x3F) | 0x80); // variant 1 (10xx)
    return guid;
}

std::optional<Guid> Guid::parse(std::string_view text)
{
    if (text.size() == 38) {
        if (text.front() != '{' || text.back() != '}')
            return std::nullopt;
        text = text.substr(1, 36);
    }
    if (text.size() != 36 || text[8] != '-' || text[13] != '-' || text[18] != '-' || text[23] != '-')
        return std::nullopt;

    Guid guid;
    if (!readHex(text, 0, 8, guid.data1) || !readHex(text, 9, 4, guid.data2) || !readHex(text, 14, 4, guid.data3))
        return std::nullopt;
    for (size_t i = 0; i < 8; ++i) {
        const size_t pos = i < 2 ? 19 + 2 * i : 24 + 2 * (i - 2);
        if (!readHex(text, pos, 2, guid.data4[i]))
            return std::nullopt;
    }
    return guid;
}

Guid Guid::fromBytes(const uint8_t* bytes)
{
    Guid guid;
    guid.data1 = static_cast<uint32_t>(bytes[0]) | static_cast<uint32_t>(bytes[1]) << 8 |
                 static_cast<uint32_t>(bytes[2]) << 16 | static_cast<uint32_t>(bytes[3]) << 24;
    guid.data2 = static_cast<uint16_t>(bytes[4] | bytes[5] << 8);
    guid.data3 = static_cast<uint16_t>(bytes[6] | bytes[7] << 8);
    for (size_t i = 0; i < 8; ++i)
        guid.data4[i] = bytes[8 + i];
    return guid;
}

std::array<uint8_t, 16> Guid::toBytes() const
{
    std::array<uint8_t, 16> bytes{};
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<uint8_t>(data1 >> (8 * i));
    for (int i = 0; i < 2; ++i) {
        bytes[4 + i] = static_cast<uint8_t>(data2 >> (8 * i));
        bytes[6 + i] = static_cast<uint8_t>(data3 >> (8 * i));
    }
    for (size_t i = 0; i < 8; ++i)
        bytes[8 + i] = data4[i];
    return bytes;
}

std::string Guid::toString() const
{
    char buffer[37];
    std::snprintf(buffer, sizeof buffer, "%08X-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X",
                  static_cast<unsigned>(data1), static_cast<unsigned>(data2), static_cast<unsigned>(data3),
                  data4[0], data4[1], data4[2], data4[3], data4[4], data4[5], data4[6], data4[7]);
    return buffer;
}

std::string Guid::toRegistryString() const
{
    std::string text(1, '{');
    text += toString();
    text += '}';
    return text;
}

} // namespace platform
