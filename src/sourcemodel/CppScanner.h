#pragma once

#include <cstddef>
#include <string_view>

namespace morva {

// The small C++ text scanner under the class parser. It works on raw text (any bytes) and
// never reads outside it. Searches skip comments, and string and character literals, so that a
// brace, a keyword or a comment start inside them is not taken for code. Positions are offsets
// from 0; npos means not found.
class CppScanner {
public:
    static constexpr size_t npos = std::string_view::npos;

    explicit CppScanner(std::string_view text) : m_text(text) {}
    std::string_view text() const { return m_text; }

    // The next occurrence of `word` at or after `from` as a whole word (not part of a longer
    // identifier), outside comments and literals.
    size_t findWord(std::string_view word, size_t from) const;
    // The next occurrence of `token` (any characters) outside comments and literals.
    size_t findToken(std::string_view token, size_t from) const;
    // Raw search, comments included: for the generated markers, which are comments themselves.
    size_t findRaw(std::string_view token, size_t from) const { return m_text.find(token, from); }
    // The last occurrence of `token` before `before`, outside comments and literals.
    size_t findTokenBackward(std::string_view token, size_t before) const;

    // The bracket closing the one at `open` ("{", "(", "[" or "<"), counting nesting of the same
    // pair; npos when the text ends first. Only the first branch of an #if ... #else/#elif ...
    // #endif is counted.
    size_t matchingClose(size_t open) const;
    // The bracket opening the one at `close`, searching backwards.
    size_t matchingOpen(size_t close) const;

    // Where the code at or after `from` continues: past any comment or literal that starts
    // there. Equal to `from` when plain code starts there.
    size_t skipNonCode(size_t from) const;
    // White space: blank, tab, CR, LF.
    static bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
    static bool isIdentifierChar(char c);
    size_t skipSpaces(size_t from) const;
    // The last non-space position before `before`, or npos.
    size_t lastNonSpaceBefore(size_t before) const;
    // The identifier that starts at `from` after white space, and the one that ends right
    // before `before` (white space between allowed).
    std::string_view identifierAfter(size_t from) const;
    std::string_view identifierBefore(size_t before) const;

    // Whether `offset` lies inside a comment or literal (scanning from the start).
    bool isInsideNonCode(size_t offset) const;

    // Past the #else or #elif branches that start at `at`, up to their #endif; `at` otherwise.
    size_t skipAlternativeBranch(size_t at) const;

private:
    std::string_view m_text;
};

// Trims blanks, tabs, CR and LF at both ends.
std::string_view TrimSpaces(std::string_view text);

} // namespace morva
