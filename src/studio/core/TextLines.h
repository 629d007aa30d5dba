#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace studio {

// Line starts of a text, to convert between offsets and the editor's line and column (both
// from 1). A line ends at LF; a CR before the LF belongs to the line break, not to the line.
class TextLines {
public:
    explicit TextLines(std::string_view text);

    int lineCount() const { return static_cast<int>(m_starts.size()); }
    // Offset of (line, column), both clamped: to the text's lines, and to the line's length + 1.
    size_t offsetOf(int line, int column) const;
    size_t lineStart(int line) const;
    // Length of a line without its line break.
    size_t lineLength(int line) const;
    int lineOf(size_t offset) const;
    int columnOf(size_t offset) const;

private:
    std::string_view m_text;
    std::vector<size_t> m_starts;
};

} // namespace studio
