#include "codegen/SourceTextChange.h"

#include "codegen/ISourceText.h"

#include <algorithm>
#include <utility>

namespace morva {

namespace {

// Line and column (from 1) of an offset, lines ending at LF.
std::pair<int, int> LineColumnOf(const std::string& text, size_t offset)
{
    int line = 1;
    size_t lineStart = 0;
    for (size_t i = 0; i < offset && i < text.size(); ++i)
        if (text[i] == '\n') {
            ++line;
            lineStart = i + 1;
        }
    return {line, static_cast<int>(offset - lineStart) + 1};
}

} // namespace

bool ApplySourceTextChange(ISourceText& sources, const std::string& path, const std::string& oldText,
                           const std::string& newText)
{
    if (!sources.IsSourceOpen(path))
        return sources.WriteWholeFile(path, newText);
    if (oldText == newText)
        return true;

    // The common head and tail, cut back to whole lines so that no edit starts between a CR and
    // its LF.
    const size_t shorter = std::min(oldText.size(), newText.size());
    size_t head = 0;
    while (head < shorter && oldText[head] == newText[head])
        ++head;
    size_t tail = 0;
    while (tail < shorter - head && oldText[oldText.size() - 1 - tail] == newText[newText.size() - 1 - tail])
        ++tail;
    const size_t lineStart = head == 0 ? std::string::npos : oldText.rfind('\n', head - 1);
    head = lineStart == std::string::npos ? 0 : lineStart + 1;
    size_t oldEnd = oldText.size() - tail;
    if (oldEnd > 0 && oldEnd < oldText.size() && oldText[oldEnd - 1] != '\n') {
        const size_t lf = oldText.find('\n', oldEnd);
        oldEnd = lf == std::string::npos ? oldText.size() : lf + 1;
    }
    const size_t newEnd = newText.size() - (oldText.size() - oldEnd);

    const auto [firstLine, firstColumn] = LineColumnOf(oldText, head);
    const auto [lastLine, lastColumn] = LineColumnOf(oldText, oldEnd);
    return sources.ReplaceRangeAt(path, firstLine, firstColumn, lastLine, lastColumn,
                                  newText.substr(head, newEnd - head));
}

} // namespace morva
