#include "studio/core/TextLines.h"

#include <algorithm>

namespace studio {

TextLines::TextLines(std::string_view text) : m_text(text)
{
    m_starts.push_back(0);
    for (size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\n')
            m_starts.push_back(i + 1);
}

size_t TextLines::lineStart(int line) const
{
    line = std::clamp(line, 1, lineCount());
    return m_starts[static_cast<size_t>(line - 1)];
}

size_t TextLines::lineLength(int line) const
{
    line = std::clamp(line, 1, lineCount());
    const size_t start = m_starts[static_cast<size_t>(line - 1)];
    size_t end = line < lineCount() ? m_starts[static_cast<size_t>(line)] - 1 : m_text.size();
    if (end > start && m_text[end - 1] == '\r' && end < m_text.size() && m_text[end] == '\n')
        --end;
    return end - start;
}

size_t TextLines::offsetOf(int line, int column) const
{
    line = std::clamp(line, 1, lineCount());
    const size_t length = lineLength(line);
    const size_t col = static_cast<size_t>(std::max(column, 1) - 1);
    return lineStart(line) + std::min(col, length);
}

int TextLines::lineOf(size_t offset) const
{
    offset = std::min(offset, m_text.size());
    const auto after = std::upper_bound(m_starts.begin(), m_starts.end(), offset);
    return static_cast<int>(after - m_starts.begin());
}

int TextLines::columnOf(size_t offset) const
{
    offset = std::min(offset, m_text.size());
    return static_cast<int>(offset - lineStart(lineOf(offset))) + 1;
}

} // namespace studio
