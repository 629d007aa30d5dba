#include "codegen/ResourceText.h"

#include "codegen/TemplateTable.h"
#include "model/CControlItem.h"
#include "model/CFormModel.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CppScanner.h"

#include <cctype>
#include <unordered_map>

namespace morva {

namespace {

constexpr size_t npos = std::string_view::npos;

bool IsWordChar(char c)
{
    return CppScanner::isIdentifierChar(c);
}

// The next occurrence of `token` at or after `from` that is not inside a // or /* comment.
// Unlike the scanner's search, matches inside string literals count: the picture lines' file
// names are literals. A comment start inside a literal ("http://...") is not a comment.
size_t FindOutsideComments(std::string_view text, std::string_view token, size_t from, bool wholeWord = false)
{
    bool inString = false;
    for (size_t i = from; i < text.size(); ++i) {
        const char c = text[i];
        if (!inString && c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            const size_t lf = text.find('\n', i);
            if (lf == npos)
                return npos;
            i = lf;
            continue;
        }
        if (!inString && c == '/' && i + 1 < text.size() && text[i + 1] == '*') {
            const size_t close = text.find("*/", i + 2);
            if (close == npos)
                return npos;
            i = close + 1;
            continue;
        }
        if (text.compare(i, token.size(), token) == 0) {
            const bool startOk = i == 0 || !IsWordChar(text[i - 1]);
            const size_t end = i + token.size();
            const bool endOk = end >= text.size() || !IsWordChar(text[end]);
            if (!wholeWord || (startOk && endOk))
                return i;
        }
        if (c == '"')
            inString = !inString;
        else if (c == '\n')
            inString = false; // a string never spans lines; a stray quote ends with its line
        else if (inString && c == '\\' && i + 1 < text.size() && text[i + 1] != '\n')
            ++i;
    }
    return npos;
}

// The word (run of non-blank characters) after `from`, white space skipped.
std::string_view WordAfter(std::string_view text, size_t from)
{
    size_t i = from;
    while (i < text.size() && CppScanner::isSpace(text[i]))
        ++i;
    size_t end = i;
    while (end < text.size() && !CppScanner::isSpace(text[end]) && text[end] != '"')
        ++end;
    return text.substr(i, end - i);
}

long ParseInteger(std::string_view word)
{
    size_t i = 0;
    while (i < word.size() && word[i] == '(')
        ++i;
    bool negative = false;
    if (i < word.size() && (word[i] == '-' || word[i] == '+'))
        negative = word[i++] == '-';
    int base = 10;
    if (i + 1 < word.size() && word[i] == '0' && (word[i + 1] == 'x' || word[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    unsigned long value = 0;
    for (; i < word.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(word[i]);
        int digit;
        if (std::isdigit(c))
            digit = c - '0';
        else if (base == 16 && std::isxdigit(c))
            digit = std::tolower(c) - 'a' + 10;
        else
            break;
        value = value * static_cast<unsigned long>(base) + static_cast<unsigned long>(digit);
        value &= 0xFFFFFFFFul; // values are 32-bit; wrap instead of overflowing
    }
    const long result = static_cast<long>(static_cast<int32_t>(static_cast<uint32_t>(value)));
    return negative ? -result : result;
}

bool SetCounterValue(std::string& header, std::string_view word, long value)
{
    const CppScanner scanner(header);
    const size_t at = scanner.findWord(word, 0);
    if (at == npos)
        return false;
    size_t end = header.find_first_of("\r\n", at);
    if (end == npos)
        end = header.size();
    header.replace(at, end - at, std::string(word) + "     " + std::to_string(value));
    return true;
}

std::optional<size_t> SectionSite(std::string_view script, int commentId, std::string_view extension)
{
    const std::string_view comment = TemplateText(commentId);
    const size_t at = script.find(comment);
    if (at == npos || comment.empty())
        return std::nullopt;
    // The start of the line after the comment, and then after each picture line of the type.
    size_t position = at + comment.size();
    if (script.compare(position, 2, "\r\n") == 0)
        position += 2;
    else if (position < script.size() && script[position] == '\n')
        ++position;
    const std::string token = std::string(extension) + "\"";
    for (;;) {
        const size_t found = FindOutsideComments(script, token, position);
        if (found == npos)
            return position;
        const size_t lf = script.find('\n', found);
        position = lf == npos ? script.size() : lf + 1;
    }
}

// The value of every symbol's first occurrence in resource.h, as SymbolValue reads it, built in
// one pass so that a script with thousands of strings costs one scan of resource.h.
std::unordered_map<std::string_view, long> SymbolValues(std::string_view header)
{
    std::unordered_map<std::string_view, long> values;
    const CppScanner scanner(header);
    size_t pos = 0;
    while (pos < header.size()) {
        const size_t code = scanner.skipNonCode(pos);
        if (code != pos) {
            pos = code;
            continue;
        }
        if (!IsWordChar(header[pos])) {
            ++pos;
            continue;
        }
        size_t end = pos;
        while (end < header.size() && IsWordChar(header[end]))
            ++end;
        values.try_emplace(header.substr(pos, end - pos), ParseInteger(WordAfter(header, end)));
        pos = end;
    }
    return values;
}

} // namespace

PictureType PictureTypeOf(std::string_view filePath)
{
    const std::string_view name = FileNameOf(filePath);
    const size_t dot = name.find('.');
    std::string extension;
    if (dot != npos)
        for (char c : name.substr(dot + 1))
            extension += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (extension == "ICO")
        return PictureType::Icon;
    if (extension == "CUR")
        return PictureType::Cursor;
    return PictureType::Bitmap;
}

std::string_view PictureTypeWord(PictureType type)
{
    switch (type) {
    case PictureType::Icon: return "ICON";
    case PictureType::Cursor: return "CURSOR";
    default: return "BITMAP";
    }
}

std::string_view PictureSymbolPrefix(PictureType type)
{
    switch (type) {
    case PictureType::Icon: return "IDI_ICON";
    case PictureType::Cursor: return "IDC_CURSOR";
    default: return "IDB_BITMAP";
    }
}

std::string_view FileNameOf(std::string_view path)
{
    const size_t slash = path.find_last_of("\\/:");
    return slash == npos ? path : path.substr(slash + 1);
}

long SymbolValue(std::string_view header, std::string_view symbol)
{
    if (symbol.empty())
        return 0;
    const CppScanner scanner(header);
    const size_t at = scanner.findWord(symbol, 0);
    if (at == npos)
        return 0;
    return ParseInteger(WordAfter(header, at + symbol.size()));
}

std::vector<std::string> SymbolsWithValue(std::string_view header, std::string_view value)
{
    std::vector<std::string> symbols;
    if (value.empty())
        return symbols;
    const CppScanner scanner(header);
    // The last "#define" before each occurrence, found by one forward walk kept in step with the
    // occurrences: a backward search from each would rescan the header from its start.
    size_t define = npos;
    size_t nextDefine = scanner.findToken("#define", 0);
    for (size_t at = scanner.findWord(value, 0); at != npos; at = scanner.findWord(value, at + value.size())) {
        while (nextDefine != npos && nextDefine < at) {
            define = nextDefine;
            nextDefine = scanner.findToken("#define", nextDefine + 1);
        }
        if (define == npos)
            continue;
        const std::string_view name = WordAfter(header, define + 7);
        const size_t nameEnd = static_cast<size_t>(name.data() - header.data()) + name.size();
        if (!name.empty() && WordAfter(header, nameEnd) == value)
            symbols.emplace_back(name);
    }
    return symbols;
}

bool SymbolDefined(std::string_view header, std::string_view symbol)
{
    if (symbol.empty())
        return false;
    const CppScanner scanner(header);
    for (size_t at = scanner.findWord(symbol, 0); at != npos; at = scanner.findWord(symbol, at + symbol.size())) {
        size_t end = at;
        while (end > 0 && (header[end - 1] == ' ' || header[end - 1] == '\t'))
            --end;
        if (end >= 7 && header.substr(end - 7, 7) == "#define")
            return true;
    }
    return false;
}

long NextStringId(std::string_view script, std::string_view header)
{
    const CppScanner scanner(script);
    const auto symbolValues = SymbolValues(header);
    long largest = 0;
    for (size_t table = scanner.findWord("STRINGTABLE", 0); table != npos;
         table = scanner.findWord("STRINGTABLE", table + 11)) {
        const size_t begin = scanner.findWord("BEGIN", table + 11);
        const size_t brace = scanner.findToken("{", table + 11);
        if (begin == npos && brace == npos)
            return 0;
        size_t pos = begin < brace ? begin + 5 : brace + 1;
        for (;;) {
            // Skip white space and comments between entries.
            for (;;) {
                pos = scanner.skipSpaces(pos);
                if (pos + 1 < script.size() && script[pos] == '/' && (script[pos + 1] == '/' || script[pos + 1] == '*'))
                    pos = scanner.skipNonCode(pos);
                else
                    break;
            }
            if (pos >= script.size())
                return 0;
            const std::string_view word = WordAfter(script, pos);
            if (word == "END" || word == "}")
                break;
            const size_t open = script.find('"', pos);
            if (open == npos)
                return 0;
            // A doubled quote inside the text is an escaped quote.
            size_t close = open + 1;
            for (;; ++close) {
                close = script.find('"', close);
                if (close == npos)
                    return 0;
                if (close + 1 < script.size() && script[close + 1] == '"')
                    ++close;
                else
                    break;
            }
            if (!word.empty()) {
                std::string_view symbol = word;
                if (const size_t comma = symbol.find(','); comma != npos)
                    symbol = symbol.substr(0, comma);
                const bool numeric = !symbol.empty() && (std::isdigit(static_cast<unsigned char>(symbol[0])) != 0);
                long value = numeric ? ParseInteger(symbol) : 0;
                if (!numeric)
                    if (const auto found = symbolValues.find(symbol); found != symbolValues.end())
                        value = found->second;
                largest = std::max(largest, value);
            }
            pos = close + 1;
        }
    }
    return largest + 1;
}

bool SetNextControlValue(std::string& header, long controlCounter)
{
    return SetCounterValue(header, "_APS_NEXT_CONTROL_VALUE", controlCounter);
}

bool SetNextResourceValue(std::string& header, long resourceCounter)
{
    return SetCounterValue(header, "_APS_NEXT_RESOURCE_VALUE", resourceCounter);
}

size_t SymbolSite(std::string_view header)
{
    const CppScanner scanner(header);
    const size_t block = scanner.findToken("#ifdef APSTUDIO_INVOKED", 0);
    if (block == npos)
        return 0;
    const size_t define = scanner.findTokenBackward("#define", block);
    if (define == npos)
        return 0;
    const size_t lf = header.find('\n', define);
    return lf == npos ? 0 : lf + 1;
}

std::optional<size_t> StringTableSite(std::string_view script, platform::MessageService& messages)
{
    const CppScanner scanner(script);
    const size_t table = scanner.findTokenBackward("STRINGTABLE", script.size());
    size_t end = npos;
    if (table != npos) {
        const size_t begin = scanner.findWord("BEGIN", table + 11);
        if (begin != npos)
            end = scanner.findWord("END", begin + 5);
    }
    if (end == npos) {
        messages.show(std::string(TemplateText(61566)));
        return std::nullopt;
    }
    const size_t lf = script.rfind('\n', end);
    return lf == npos ? 0 : lf + 1;
}

std::optional<size_t> BitmapSite(std::string_view script)
{
    const std::string_view comment = TemplateText(61567);
    const size_t at = comment.empty() ? npos : script.find(comment);
    if (at == npos)
        return std::nullopt;
    return at + comment.size();
}

std::optional<size_t> IconSite(std::string_view script)
{
    return SectionSite(script, 61568, ".ico");
}

std::optional<size_t> CursorSite(std::string_view script)
{
    return SectionSite(script, 61613, ".cur");
}

std::optional<size_t> PictureSite(std::string_view script, PictureType type)
{
    switch (type) {
    case PictureType::Icon: return IconSite(script);
    case PictureType::Cursor: return CursorSite(script);
    default: return BitmapSite(script);
    }
}

std::string PictureHeaderLine(PictureType type, long n)
{
    const std::string number = std::to_string(n);
    return "#define\t" + std::string(PictureSymbolPrefix(type)) + number + "\t\t\t\t\t" + number + "\r\n";
}

std::string PictureScriptLine(PictureType type, long n, std::string_view filePath)
{
    const std::string body = std::string(PictureSymbolPrefix(type)) + std::to_string(n) + "\t\t\t" +
                             std::string(PictureTypeWord(type)) + "  DISCARDABLE\t\t\"res\\\\" +
                             std::string(FileNameOf(filePath)) + "\"";
    return type == PictureType::Bitmap ? "\r\n" + body : body + "\r\n";
}

std::optional<QuotedRange> FindPictureFileName(std::string_view script, std::string_view symbol)
{
    if (symbol.empty())
        return std::nullopt;
    for (size_t at = FindOutsideComments(script, symbol, 0, true); at != npos;
         at = FindOutsideComments(script, symbol, at + symbol.size(), true)) {
        const std::string_view type = WordAfter(script, at + symbol.size());
        if (type != "BITMAP" && type != "ICON" && type != "CURSOR")
            continue;
        const size_t typeEnd = static_cast<size_t>(type.data() - script.data()) + type.size();
        const std::string_view discardable = WordAfter(script, typeEnd);
        if (discardable != "DISCARDABLE")
            continue;
        const size_t open = script.find('"', typeEnd);
        const size_t lineEnd = script.find('\n', typeEnd);
        if (open == npos || open > lineEnd)
            continue;
        const size_t close = script.find('"', open + 1);
        if (close == npos || close > lineEnd)
            continue;
        return QuotedRange{open + 1, close};
    }
    return std::nullopt;
}

bool SymbolsInUse(std::span<const CFormModel* const> forms, std::string_view identifierSymbol,
                  std::string_view propStringSymbol)
{
    for (const CFormModel* form : forms) {
        if (!form)
            continue;
        for (const auto& item : form->GetItems())
            if (item && item->m_strIdentifierSymbol == identifierSymbol && item->m_strPropStringSymbol == propStringSymbol)
                return true;
    }
    return false;
}

} // namespace morva
