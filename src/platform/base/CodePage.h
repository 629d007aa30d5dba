#pragma once

#include <string>
#include <string_view>

namespace platform {

// A single-byte ANSI code page: the system's texts (paths, file contents, names) are bytes in
// it, while the host names its files in UTF-8.
class CodePage {
public:
    enum class Id { Windows1252, Latin1 };

    explicit CodePage(Id id = Id::Windows1252) : m_id(id) {}
    Id id() const { return m_id; }

    // Every byte maps to one character; bytes the code page leaves undefined map to the C1
    // control of the same number, so the conversion can always be undone.
    std::string toUtf8(std::string_view ansi) const;
    // Characters outside the code page (and malformed UTF-8) become '?'.
    std::string fromUtf8(std::string_view utf8) const;

    // Upper case of one ANSI character (ASCII and the accented letters of the code page).
    char toUpper(char c) const;
    std::string toUpper(std::string_view text) const;
    bool equalsIgnoreCase(std::string_view a, std::string_view b) const;

private:
    Id m_id;
};

} // namespace platform
