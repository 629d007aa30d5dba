#include "studio/core/StudioSelection.h"

#include "studio/core/StudioDocument.h"
#include "studio/core/TextLines.h"

#include <algorithm>
#include <cctype>

namespace studio {

namespace {

bool IsWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

} // namespace

void StudioSelection::placeCaret(size_t offset, bool extend)
{
    m_caret = std::min(offset, m_document.text().size());
    if (!extend)
        m_anchor = m_caret;
}

void StudioSelection::clampTo(size_t length)
{
    m_anchor = std::min(m_anchor, length);
    m_caret = std::min(m_caret, length);
}

int StudioSelection::currentLine() const
{
    return m_document.lines().lineOf(m_caret);
}

int StudioSelection::currentColumn() const
{
    return m_document.lines().columnOf(m_caret);
}

void StudioSelection::moveTo(int line, int column, bool extend)
{
    placeCaret(m_document.lines().offsetOf(line, column), extend);
}

void StudioSelection::goToLine(int line, bool select)
{
    const TextLines& lines = m_document.lines();
    placeCaret(lines.lineStart(line), false);
    if (select && line < lines.lineCount())
        placeCaret(lines.lineStart(line + 1), true);
    else if (select)
        placeCaret(m_document.text().size(), true);
}

void StudioSelection::charLeft(bool extend, int count)
{
    const std::string& text = m_document.text();
    size_t caret = m_caret;
    for (int i = 0; i < count && caret > 0; ++i) {
        --caret;
        // A CR LF line break is one step.
        if (caret > 0 && text[caret] == '\n' && text[caret - 1] == '\r')
            --caret;
    }
    placeCaret(caret, extend);
}

void StudioSelection::wordLeft(bool extend)
{
    const std::string& text = m_document.text();
    size_t caret = m_caret;
    while (caret > 0 && (text[caret - 1] == ' ' || text[caret - 1] == '\t'))
        --caret;
    if (caret > 0 && IsWordChar(text[caret - 1])) {
        while (caret > 0 && IsWordChar(text[caret - 1]))
            --caret;
    } else if (caret > 0) {
        --caret;
    }
    placeCaret(caret, extend);
}

std::string StudioSelection::text() const
{
    const size_t from = std::min(m_anchor, m_caret);
    const size_t to = std::max(m_anchor, m_caret);
    return m_document.text().substr(from, to - from);
}

void StudioSelection::setText(const std::string& text)
{
    const size_t from = std::min(m_anchor, m_caret);
    const size_t to = std::max(m_anchor, m_caret);
    m_document.replaceText(from, to - from, text);
    m_anchor = m_caret = from + text.size();
}

void StudioSelection::deleteSelection()
{
    setText({});
}

} // namespace studio
