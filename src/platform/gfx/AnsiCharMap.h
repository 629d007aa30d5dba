#pragma once

#include <cstdint>

namespace platform {

// The character a byte of the system's ANSI text stands for (Windows-1252; the bytes that
// code page leaves undefined map to the C1 control of the same number, as the code page
// conversion of the base layer does). Latin-1 text differs only in that range, where it holds
// control characters, so one table serves both.
inline char32_t ansiToUnicode(uint8_t byte)
{
    static constexpr char16_t high[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
    };
    if (byte >= 0x80 && byte < 0xA0)
        return high[byte - 0x80];
    return byte;
}

} // namespace platform
