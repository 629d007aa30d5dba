// Any two texts as a document's old and new text: the line-and-column replacement that carries
// the change into an open document must turn the old text into exactly the new one.
#include "codegen/ISourceText.h"
#include "codegen/SourceTextChange.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

using namespace morva;

namespace {

// An open document: line and column positions resolved against its text, lines ending at LF.
class Document : public ISourceText {
public:
    explicit Document(std::string text) : m_text(std::move(text)) {}
    bool IsSourceOpen(const std::string&) const override { return true; }
    bool InsertTextAt(const std::string&, int, int, const std::string&) override { return false; }
    bool ReplaceRangeAt(const std::string&, int firstLine, int firstColumn, int lastLine, int lastColumn,
                        const std::string& text) override
    {
        const size_t first = offsetOf(firstLine, firstColumn);
        const size_t last = offsetOf(lastLine, lastColumn);
        if (first == std::string::npos || last == std::string::npos || last < first)
            std::abort();
        m_text.replace(first, last - first, text);
        return true;
    }
    bool DeleteLinesAt(const std::string&, int, int) override { return false; }
    bool InsertTextInFile(const std::string&, int64_t, const std::string&) override { return false; }
    bool ReplaceRangeInFile(const std::string&, int64_t, int64_t, const std::string&) override { return false; }
    bool DeleteRangeInFile(const std::string&, int64_t, int64_t) override { return false; }
    bool WriteWholeFile(const std::string&, const std::string&) override { return false; }
    bool SaveSource(const std::string&) override { return false; }
    void OpenSourceAtLine(const std::string&, int) override {}

    const std::string& text() const { return m_text; }

private:
    // npos for a position outside the text or past its line's end.
    size_t offsetOf(int line, int column) const
    {
        size_t at = 0;
        for (int l = 1; l < line; ++l) {
            at = m_text.find('\n', at);
            if (at == std::string::npos)
                return std::string::npos;
            ++at;
        }
        const size_t lineEnd = m_text.find('\n', at);
        const size_t offset = at + static_cast<size_t>(column - 1);
        const size_t limit = lineEnd == std::string::npos ? m_text.size() : lineEnd;
        return column < 1 || offset > limit ? std::string::npos : offset;
    }
    std::string m_text;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view all(reinterpret_cast<const char*>(data), size);
    // Old and new text are separated by the first NUL; without one both halves are used.
    const size_t split = all.find('\0');
    const std::string oldText(split == std::string_view::npos ? all.substr(0, size / 2) : all.substr(0, split));
    const std::string newText(split == std::string_view::npos ? all.substr(size / 2) : all.substr(split + 1));
    Document document(oldText);
    if (!ApplySourceTextChange(document, "x.h", oldText, newText) || document.text() != newText)
        std::abort();
    return 0;
}
