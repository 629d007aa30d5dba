#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// A globally unique identifier with the field layout the system formats and stores.
struct Guid {
    uint32_t data1 = 0;
    uint16_t data2 = 0;
    uint16_t data3 = 0;
    std::array<uint8_t, 8> data4{};

    friend bool operator==(const Guid&, const Guid&) = default;
    friend auto operator<=>(const Guid&, const Guid&) = default;

    // A random identifier (version 4, variant 1) from the operating system's random source.
    static Guid create();

    // "{0002DF01-0000-0000-C000-000000000046}" or the same without braces, either case.
    static std::optional<Guid> parse(std::string_view text);
    // The 16 bytes as stored in binary files: data1..data3 little-endian, then data4.
    static Guid fromBytes(const uint8_t* bytes);
    std::array<uint8_t, 16> toBytes() const;

    bool isNull() const { return *this == Guid{}; }
    // "XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX", upper-case hex.
    std::string toString() const;
    // The registry's braced form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".
    std::string toRegistryString() const;
};

} // namespace platform
