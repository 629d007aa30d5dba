#include "platform/registry/WineRegReader.h"

#include "platform/registry/RegLineReader.h"
#include "platform/registry/RegTextHelpers.h"
#include "platform/registry/RegistryPath.h"

#include <algorithm>
#include <optional>
#include <string>

namespace platform {

namespace {

using Helpers = RegTextHelpers;

bool IsStringType(uint32_t type)
{
    return type == RegistryValue::String || type == RegistryValue::ExpandString || type == RegistryValue::MultiString;
}

// Collects Unicode text as UTF-8, pairing UTF-16 surrogates; a lone surrogate becomes U+FFFD.
class Utf8Builder {
public:
    void addByte(char c) { flushSurrogate(); m_text.push_back(c); }

    void addUnit(uint32_t unit)
    {
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            flushSurrogate();
            m_highSurrogate = unit;
            return;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            if (m_highSurrogate) {
                uint32_t codePoint = 0x10000 + ((m_highSurrogate - 0xD800) << 10) + (unit - 0xDC00);
                m_highSurrogate = 0;
                addCodePoint(codePoint);
            } else {
                addCodePoint(0xFFFD);
            }
            return;
        }
        flushSurrogate();
        addCodePoint(unit);
    }

    std::string take() { flushSurrogate(); return std::move(m_text); }

private:
    void flushSurrogate()
    {
        if (m_highSurrogate) {
            m_highSurrogate = 0;
            addCodePoint(0xFFFD);
        }
    }

    void addCodePoint(uint32_t c)
    {
        if (c < 0x80) {
            m_text.push_back(static_cast<char>(c));
        } else if (c < 0x800) {
            m_text.push_back(static_cast<char>(0xC0 | (c >> 6)));
            m_text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else if (c < 0x10000) {
            m_text.push_back(static_cast<char>(0xE0 | (c >> 12)));
            m_text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            m_text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        } else {
            m_text.push_back(static_cast<char>(0xF0 | (c >> 18)));
            m_text.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
            m_text.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
            m_text.push_back(static_cast<char>(0x80 | (c & 0x3F)));
        }
    }

    std::string m_text;
    uint32_t m_highSurrogate = 0;
};

// Reads one escaped character after a backslash at text[i] (i points past the backslash).
void readEscape(std::string_view text, size_t& i, Utf8Builder& out)
{
    char c = text[i++];
    switch (c) {
    case 'a': out.addByte('\a'); return;
    case 'b': out.addByte('\b'); return;
    case 'e': out.addByte('\x1B'); return;
    case 'f': out.addByte('\f'); return;
    case 'n': out.addByte('\n'); return;
    case 'r': out.addByte('\r'); return;
    case 't': out.addByte('\t'); return;
    case 'v': out.addByte('\v'); return;
    case 'x': {
        uint32_t unit = 0;
        size_t digits = 0;
        while (digits < 4 && i < text.size() && Helpers::hexDigit(text[i]) >= 0) {
            unit = (unit << 4) | static_cast<uint32_t>(Helpers::hexDigit(text[i++]));
            ++digits;
        }
        if (digits == 0)
            out.addByte('x');
        else
            out.addUnit(unit);
        return;
    }
    default:
        break;
    }
    if (c >= '0' && c <= '7') {
        uint32_t unit = static_cast<uint32_t>(c - '0');
        for (int digits = 1; digits < 3 && i < text.size() && text[i] >= '0' && text[i] <= '7'; ++digits)
            unit = (unit << 3) | static_cast<uint32_t>(text[i++] - '0');
        out.addUnit(unit);
        return;
    }
    out.addByte(c); // \\, \", \[, \] and any other character stand for themselves
}

// Escaped text from text[start] up to the unescaped `terminator`; `end` is set past it.
std::optional<std::string> readEscaped(std::string_view text, size_t start, char terminator, Utf8Builder& out,
                                       size_t& end)
{
    size_t i = start;
    while (i < text.size()) {
        char c = text[i++];
        if (c == terminator) {
            end = i;
            return std::nullopt;
        }
        if (c == '\\') {
            if (i >= text.size())
                break;
            readEscape(text, i, out);
            continue;
        }
        out.addByte(c);
    }
    if (terminator == ']')
        return std::string("the [key] line has no closing ']'");
    return std::string("a string has no closing quote");
}

class Parser {
public:
    Parser(std::string_view text, std::string_view fileName, RegistryRoot into, const CodePage& codePage)
        : m_lines(text), m_fileName(fileName), m_root(into), m_codePage(codePage) {}

    Result<std::vector<RegistryEdit>> run()
    {
        std::string_view line;
        if (!m_lines.next(line) || Helpers::trim(line) != "WINE REGISTRY Version 2")
            return fail("the first line is not WINE REGISTRY Version 2");
        while (m_lines.next(line)) {
            line = Helpers::trimLeft(line);
            if (line.empty() || line[0] == ';' || line[0] == '#')
                continue;
            std::optional<std::string> problem;
            if (line[0] == '[')
                problem = readSection(line);
            else if (line[0] == '@' || line[0] == '"')
                problem = readValue(line);
            else
                problem = Helpers::describe("'", line, "' is neither a [key] line, a value nor a comment");
            if (problem)
                return fail(*problem);
        }
        return std::move(m_edits);
    }

private:
    Result<std::vector<RegistryEdit>> fail(std::string_view what) const
    {
        return Result<std::vector<RegistryEdit>>::failure(Helpers::lineProblem(m_fileName, m_lines.lineNumber(), what));
    }

    std::string toAnsi(Utf8Builder& text) const { return m_codePage.fromUtf8(text.take()); }

    // "[path] timestamp": what follows the ']' is Wine's bookkeeping and is not kept.
    std::optional<std::string> readSection(std::string_view line)
    {
        Utf8Builder pathText;
        size_t end = 0;
        if (auto problem = readEscaped(line, 1, ']', pathText, end))
            return problem;
        std::string path = toAnsi(pathText);
        auto names = RegistryPath::split(path);
        if (!names)
            return names.message();
        if (names->size() > RegistryPath::kMaxDepth)
            return "the key path is more than " + std::to_string(RegistryPath::kMaxDepth) + " keys deep";
        RegistryEdit edit;
        edit.kind = RegistryEdit::Kind::OpenKey;
        edit.root = m_root;
        edit.path.assign(names->begin(), names->end());
        m_edits.push_back(std::move(edit));
        m_inSection = true;
        return std::nullopt;
    }

    std::optional<std::string> readValue(std::string_view line)
    {
        std::string name;
        size_t position = 1;
        if (line[0] == '"') {
            Utf8Builder nameText;
            if (auto problem = readEscaped(line, 1, '"', nameText, position))
                return problem;
            name = toAnsi(nameText);
        }
        if (auto problem = RegistryPath::valueNameProblem(name))
            return problem;
        std::string_view rest = Helpers::trimLeft(line.substr(position));
        if (rest.empty() || rest[0] != '=')
            return std::string("the value name is not followed by '='");
        rest = Helpers::trimLeft(rest.substr(1));
        if (!m_inSection)
            return std::string("a value comes before the first [key] line");

        RegistryEdit edit;
        edit.kind = RegistryEdit::Kind::SetValue;
        edit.name = std::move(name);
        uint32_t type = RegistryValue::String;
        if (Helpers::consumePrefix(rest, "str(")) {
            size_t close = rest.find("):");
            auto number = close == std::string_view::npos ? std::nullopt : Helpers::parseHex(rest.substr(0, close), 8);
            if (!number)
                return std::string("str( is not followed by a value type in hex and \"):\"");
            type = *number;
            rest.remove_prefix(close + 2);
            if (rest.empty() || rest[0] != '"')
                return std::string("str(n): is not followed by a quoted string");
        }
        if (!rest.empty() && rest[0] == '"') {
            Utf8Builder text;
            size_t end = 0;
            if (auto problem = readEscaped(rest, 1, '"', text, end))
                return problem;
            if (!Helpers::trim(rest.substr(end)).empty())
                return std::string("text follows the closing quote of the value");
            std::string data = toAnsi(text);
            data.push_back('\0');
            edit.value = RegistryValue(type, std::move(data));
        } else if (auto problem = m_lines.readNumericValue(rest, "\"...\", str(n):, dword:, hex: or hex(n):", edit.value)) {
            return problem;
        } else if (IsStringType(edit.value.type())) {
            // Wine stores string data as UTF-16; the registry keeps ANSI text.
            edit.value = RegistryValue(edit.value.type(), fromUtf16(edit.value.data()));
        }
        m_edits.push_back(std::move(edit));
        return std::nullopt;
    }

    // UTF-16 little-endian bytes as ANSI text; an odd last byte is dropped.
    std::string fromUtf16(const std::string& bytes) const
    {
        Utf8Builder text;
        for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
            uint32_t low = static_cast<unsigned char>(bytes[i]);
            uint32_t high = static_cast<unsigned char>(bytes[i + 1]);
            text.addUnit(low | (high << 8));
        }
        return toAnsi(text);
    }

    RegLineReader m_lines;
    std::string_view m_fileName;
    RegistryRoot m_root;
    const CodePage& m_codePage;
    std::vector<RegistryEdit> m_edits;
    bool m_inSection = false;
};

} // namespace

Result<std::vector<RegistryEdit>> WineRegReader::read(std::string_view text, std::string_view fileName,
                                                     RegistryRoot into) const
{
    return Parser(text, fileName, into, m_codePage).run();
}

} // namespace platform
