#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// The data of one registry value: a type number and its bytes, kept exactly as the system
// stores them. String types hold ANSI text with its terminating NUL (a multi-string ends
// with two), a 32-bit number is four bytes little-endian.
class RegistryValue {
public:
    enum Type : uint32_t {
        None = 0,
        String = 1,
        ExpandString = 2,
        Binary = 3,
        Dword = 4,
        MultiString = 7,
    };

    RegistryValue() = default;
    RegistryValue(uint32_t type, std::string data) : m_type(type), m_data(std::move(data)) {}

    static RegistryValue fromString(std::string_view text);
    static RegistryValue fromExpandString(std::string_view text);
    static RegistryValue fromStrings(const std::vector<std::string>& items);
    static RegistryValue fromDword(uint32_t number);
    static RegistryValue fromBinary(std::string_view bytes);

    uint32_t type() const { return m_type; }
    const std::string& data() const { return m_data; }
    bool isString() const { return m_type == String || m_type == ExpandString; }

    // The data up to its first NUL: what a caller reading a string value sees.
    std::string text() const;
    // The first four bytes as a little-endian number; none when there are fewer.
    std::optional<uint32_t> firstDword() const;
    // The items of a multi-string (the NUL-separated texts before the empty one).
    std::vector<std::string> strings() const;

    friend bool operator==(const RegistryValue&, const RegistryValue&) = default;

private:
    uint32_t m_type = None;
    std::string m_data;
};

// A value together with its name, as enumeration hands it out ("" is the default value).
struct NamedRegistryValue {
    std::string name;
    RegistryValue value;
};

} // namespace platform
