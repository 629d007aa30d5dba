#pragma once

#include "platform/registry/RegistryValue.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Lines of a registry text file (LF or CR LF ends) with their numbers, and the hex byte lists
// that both file formats continue over several lines with a backslash at the line end.
class RegLineReader {
public:
    explicit RegLineReader(std::string_view text) : m_text(text) {}

    // The next line without its line end; false after the last one.
    bool next(std::string_view& line);
    // The number (from 1) of the line last returned.
    size_t lineNumber() const { return m_lineNumber; }

    // Appends the bytes of "xx,xx,..." starting with `first` (the rest of the value's line),
    // reading continuation lines as long as a line ends with a backslash. On failure the
    // problem is returned and lineNumber() names the offending line.
    std::optional<std::string> readHexBytes(std::string_view first, std::string& bytes);
    // The data of a value written "dword:xxxxxxxx", "hex:xx,..." or "hex(n):xx,..." (type n in
    // hex), the hex lists possibly continued. `expectedForms` completes the message for data in
    // none of these forms ("\"...\", dword:, hex:, hex(n): or -").
    std::optional<std::string> readNumericValue(std::string_view rest, std::string_view expectedForms,
                                                RegistryValue& value);

private:
    std::string_view m_text;
    size_t m_position = 0;
    size_t m_lineNumber = 0;
};

} // namespace platform
