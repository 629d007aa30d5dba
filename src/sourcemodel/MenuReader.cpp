#include "sourcemodel/MenuReader.h"

#include "sourcemodel/CProject.h"
#include "sourcemodel/CppScanner.h"

namespace morva {

namespace {

constexpr size_t npos = std::string_view::npos;

// The parts of a menu body the reader acts on, met in text order.
enum class MenuToken { None, Begin, End, Popup, MenuItem };

struct FoundToken {
    MenuToken kind = MenuToken::None;
    size_t at = npos;
    size_t end = npos;
};

// The next block bracket (BEGIN, END, "{" or "}") or entry keyword at or after `from`, outside
// comments and literals, in one forward walk.
FoundToken NextMenuToken(const CppScanner& scanner, size_t from)
{
    const std::string_view text = scanner.text();
    size_t at = from;
    while (at < text.size()) {
        const size_t after = scanner.skipNonCode(at);
        if (after != at) {
            at = after;
            continue;
        }
        const char c = text[at];
        if (c == '{' || c == '}')
            return {c == '{' ? MenuToken::Begin : MenuToken::End, at, at + 1};
        if (!CppScanner::isIdentifierChar(c)) {
            ++at;
            continue;
        }
        size_t end = at;
        while (end < text.size() && CppScanner::isIdentifierChar(text[end]))
            ++end;
        const std::string_view word = text.substr(at, end - at);
        if (word == "BEGIN")
            return {MenuToken::Begin, at, end};
        if (word == "END")
            return {MenuToken::End, at, end};
        if (word == "POPUP")
            return {MenuToken::Popup, at, end};
        if (word == "MENUITEM")
            return {MenuToken::MenuItem, at, end};
        at = end;
    }
    return {};
}

// The text between the next pair of double quotes at or after `from`; a doubled quote inside
// is the script's escape for a quote and stays in the caption. The caption opens on the
// entry's own line, so that an entry without one never takes the caption of a later entry.
// False without a pair of quotes.
bool ReadQuoted(std::string_view text, size_t from, std::string& caption, size_t& end)
{
    const size_t open = text.find_first_of("\"\r\n", from);
    if (open == npos || text[open] != '"')
        return false;
    size_t at = open + 1;
    while (at < text.size()) {
        if (text[at] == '"') {
            if (at + 1 < text.size() && text[at + 1] == '"') {
                at += 2;
                continue;
            }
            caption = std::string(text.substr(open + 1, at - open - 1));
            end = at + 1;
            return true;
        }
        ++at;
    }
    return false;
}

// The command symbol after the comma that follows a caption: up to the line end, trimmed. The
// symbol also ends at a further comma, so that option words (GRAYED, CHECKED, ...) never
// become part of it.
std::string ReadCommand(std::string_view text, size_t from, size_t& end)
{
    const size_t lineEnd = std::min(text.find_first_of("\r\n", from), text.size());
    end = lineEnd;
    const size_t comma = text.find(',', from);
    if (comma == npos || comma >= lineEnd)
        return {};
    const size_t next = text.find(',', comma + 1);
    const size_t stop = next == npos || next > lineEnd ? lineEnd : next;
    return std::string(TrimSpaces(text.substr(comma + 1, stop - comma - 1)));
}

bool StartsWithWord(std::string_view text, size_t at, std::string_view word)
{
    if (text.compare(at, word.size(), word) != 0)
        return false;
    const size_t end = at + word.size();
    return end >= text.size() || !CppScanner::isIdentifierChar(text[end]);
}

// Past the words PRELOAD and DISCARDABLE that may follow "MENU"; `from` when neither does.
size_t StatementEnd(const CppScanner& scanner, size_t from)
{
    size_t end = from;
    for (;;) {
        const size_t word = scanner.skipSpaces(end);
        if (StartsWithWord(scanner.text(), word, "PRELOAD"))
            end = word + 7;
        else if (StartsWithWord(scanner.text(), word, "DISCARDABLE"))
            end = word + 11;
        else
            return end;
    }
}

} // namespace

std::optional<CMenuResource> ReadMenuBody(std::string_view script, size_t offset, const std::string& symbol)
{
    const CppScanner scanner(script);
    CMenuResource menu;
    menu.m_strSymbol = symbol;
    int depth = 0;
    bool blockOpened = false;
    for (FoundToken token = NextMenuToken(scanner, offset); token.kind != MenuToken::None;
         token = NextMenuToken(scanner, token.end)) {
        if (token.kind == MenuToken::Begin) {
            ++depth;
            blockOpened = true;
            continue;
        }
        if (!blockOpened)
            continue; // entries before the menu's block are not its own
        if (token.kind == MenuToken::End) {
            if (--depth == 0)
                break;
            continue;
        }
        CMenuResourceItem item;
        item.m_nDepth = depth;
        if (token.kind == MenuToken::MenuItem && StartsWithWord(script, scanner.skipSpaces(token.end), "SEPARATOR")) {
            item.m_bIsSeparator = true;
            menu.m_items.push_back(std::move(item));
            continue;
        }
        size_t end = npos;
        if (!ReadQuoted(script, token.end, item.m_strCaption, end))
            break;
        if (token.kind == MenuToken::Popup)
            item.m_bIsPopup = true;
        else
            item.m_strCommand = ReadCommand(script, end, end);
        menu.m_items.push_back(std::move(item));
        token.end = end;
    }
    if (menu.m_items.empty())
        return std::nullopt;
    return menu;
}

std::vector<CMenuResource> ReadMenuResources(std::string_view script, std::string_view resourceHeader)
{
    std::vector<CMenuResource> menus;
    const CppScanner scanner(script);
    const CppScanner header(resourceHeader);
    for (size_t at = scanner.findWord("MENU", 0); at != npos; at = scanner.findWord("MENU", at + 4)) {
        const std::string symbol(scanner.identifierBefore(at));
        // A menu that resource.h does not name is not the project's.
        if (symbol.empty() || header.findWord(symbol, 0) == npos)
            continue;
        if (auto menu = ReadMenuBody(script, StatementEnd(scanner, at + 4), symbol))
            menus.push_back(std::move(*menu));
    }
    return menus;
}

void ReadMenus(CProject& project, std::string_view script, std::string_view resourceHeader)
{
    project.SetMenus(ReadMenuResources(script, resourceHeader));
}

} // namespace morva
