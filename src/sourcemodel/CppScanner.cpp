#include "sourcemodel/CppScanner.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace morva {

namespace {

char Closer(char open)
{
    switch (open) {
    case '{': return '}';
    case '(': return ')';
    case '[': return ']';
    case '<': return '>';
    default: return 0;
    }
}

char Opener(char close)
{
    switch (close) {
    case '}': return '{';
    case ')': return '(';
    case ']': return '[';
    case '>': return '<';
    default: return 0;
    }
}

// The directive name when a preprocessor line starts at `at` ("#" after blanks at a line start).
std::string_view DirectiveAt(std::string_view text, size_t at)
{
    if (at >= text.size() || text[at] != '#')
        return {};
    size_t lineStart = at;
    while (lineStart > 0 && (text[lineStart - 1] == ' ' || text[lineStart - 1] == '\t'))
        --lineStart;
    if (lineStart > 0 && text[lineStart - 1] != '\n' && text[lineStart - 1] != '\r')
        return {};
    size_t start = at + 1;
    while (start < text.size() && (text[start] == ' ' || text[start] == '\t'))
        ++start;
    size_t end = start;
    while (end < text.size() && CppScanner::isIdentifierChar(text[end]))
        ++end;
    return text.substr(start, end - start);
}

} // namespace

std::string_view TrimSpaces(std::string_view text)
{
    while (!text.empty() && CppScanner::isSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && CppScanner::isSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

bool CppScanner::isIdentifierChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

size_t CppScanner::skipNonCode(size_t from) const
{
    const size_t size = m_text.size();
    if (from + 1 < size && m_text[from] == '/' && m_text[from + 1] == '/') {
        // A line comment ends at the line break, also in files with bare CR line ends.
        const size_t end = m_text.find_first_of("\r\n", from);
        return end == npos ? size : end;
    }
    if (from + 1 < size && m_text[from] == '/' && m_text[from + 1] == '*') {
        const size_t end = m_text.find("*/", from + 2);
        return end == npos ? size : end + 2;
    }
    if (from < size && (m_text[from] == '"' || m_text[from] == '\'')) {
        // A quote right after an identifier character or digit is not a literal's start in the
        // code we read (digit separators are rare); literals end at their quote or line end.
        const char quote = m_text[from];
        size_t i = from + 1;
        while (i < size && m_text[i] != quote && m_text[i] != '\n' && m_text[i] != '\r') {
            if (m_text[i] == '\\' && i + 1 < size)
                ++i;
            ++i;
        }
        return i < size && m_text[i] == quote ? i + 1 : i;
    }
    return from;
}

size_t CppScanner::findToken(std::string_view token, size_t from) const
{
    if (token.empty())
        return npos;
    size_t i = from;
    const char first = token.front();
    while (i < m_text.size()) {
        const char c = m_text[i];
        // Only these characters can start a comment or literal: test them before the call.
        if (c == '/' || c == '"' || c == '\'') {
            const size_t after = skipNonCode(i);
            if (after != i) {
                i = after;
                continue;
            }
        }
        if (c == first && m_text.compare(i, token.size(), token) == 0)
            return i;
        ++i;
    }
    return npos;
}

size_t CppScanner::findWord(std::string_view word, size_t from) const
{
    for (size_t found = findToken(word, from); found != npos; found = findToken(word, found + 1)) {
        const bool startsWord = found == 0 || !isIdentifierChar(m_text[found - 1]);
        const size_t end = found + word.size();
        const bool endsWord = end >= m_text.size() || !isIdentifierChar(m_text[end]);
        if (startsWord && endsWord)
            return found;
    }
    return npos;
}

size_t CppScanner::findTokenBackward(std::string_view token, size_t before) const
{
    // Comments and literals are only known scanning forward, so walk forward and keep the last.
    size_t last = npos;
    for (size_t found = findToken(token, 0); found != npos && found < before; found = findToken(token, found + 1))
        last = found;
    return last;
}

size_t CppScanner::skipAlternativeBranch(size_t at) const
{
    const std::string_view directive = DirectiveAt(m_text, at);
    if (directive != "else" && directive != "elif")
        return at;
    // Brackets are counted in the first branch of a conditional only: code often opens a brace
    // in each branch and closes it once after #endif.
    int depth = 0;
    for (size_t i = at + 1; i < m_text.size(); ++i) {
        if (m_text[i] != '#')
            continue;
        const std::string_view name = DirectiveAt(m_text, i);
        if (name == "if" || name == "ifdef" || name == "ifndef")
            ++depth;
        else if (name == "endif" && depth-- == 0)
            return i;
    }
    return m_text.size();
}

size_t CppScanner::matchingClose(size_t open) const
{
    if (open >= m_text.size())
        return npos;
    const char opener = m_text[open];
    const char closer = Closer(opener);
    if (!closer)
        return npos;
    size_t depth = 0;
    size_t i = open;
    while (i < m_text.size()) {
        const char c = m_text[i];
        if (c != opener && c != closer && c != '/' && c != '"' && c != '\'' && c != '#') {
            ++i; // plain code: nothing to skip or count
            continue;
        }
        const size_t after = skipNonCode(i);
        if (after != i) {
            i = after;
            continue;
        }
        if (const size_t branchEnd = skipAlternativeBranch(i); branchEnd != i) {
            i = branchEnd;
            continue;
        }
        if (m_text[i] == opener)
            ++depth;
        else if (m_text[i] == closer && --depth == 0)
            return i;
        ++i;
    }
    return npos;
}

size_t CppScanner::matchingOpen(size_t close) const
{
    if (close >= m_text.size())
        return npos;
    const char closer = m_text[close];
    const char opener = Opener(closer);
    if (!opener)
        return npos;
    // Comments and literals are only known scanning forward: walk up to `close` keeping the
    // positions of the openers that are still open.
    std::vector<size_t> open;
    size_t i = 0;
    while (i < close) {
        const size_t after = skipNonCode(i);
        if (after != i) {
            i = after;
            continue;
        }
        if (const size_t branchEnd = skipAlternativeBranch(i); branchEnd != i) {
            i = branchEnd;
            continue;
        }
        if (m_text[i] == opener)
            open.push_back(i);
        else if (m_text[i] == closer && !open.empty())
            open.pop_back();
        ++i;
    }
    if (i != close || open.empty())
        return npos; // `close` lies in a comment or literal, or nothing is open
    return open.back();
}

size_t CppScanner::skipSpaces(size_t from) const
{
    while (from < m_text.size() && isSpace(m_text[from]))
        ++from;
    return from;
}

size_t CppScanner::lastNonSpaceBefore(size_t before) const
{
    size_t i = std::min(before, m_text.size());
    while (i > 0) {
        --i;
        if (!isSpace(m_text[i]))
            return i;
    }
    return npos;
}

std::string_view CppScanner::identifierAfter(size_t from) const
{
    size_t start = skipSpaces(from);
    size_t end = start;
    while (end < m_text.size() && isIdentifierChar(m_text[end]))
        ++end;
    return m_text.substr(std::min(start, m_text.size()), end - start);
}

std::string_view CppScanner::identifierBefore(size_t before) const
{
    const size_t last = lastNonSpaceBefore(before);
    if (last == npos || !isIdentifierChar(m_text[last]))
        return {};
    size_t start = last;
    while (start > 0 && isIdentifierChar(m_text[start - 1]))
        --start;
    return m_text.substr(start, last + 1 - start);
}

bool CppScanner::isInsideNonCode(size_t offset) const
{
    size_t i = 0;
    while (i < m_text.size() && i <= offset) {
        const size_t after = skipNonCode(i);
        if (after != i) {
            if (offset < after)
                return true;
            i = after;
            continue;
        }
        ++i;
    }
    return false;
}

} // namespace morva
