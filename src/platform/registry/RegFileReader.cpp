#include "platform/registry/RegFileReader.h"

#include "platform/registry/RegLineReader.h"
#include "platform/registry/RegTextHelpers.h"
#include "platform/registry/RegistryPath.h"

#include <algorithm>
#include <optional>
#include <string>

namespace platform {

namespace {

using Helpers = RegTextHelpers;

enum class Section { None, Open, Deleted };

// A quoted string from `text` (which starts at the opening quote); `text` is left after the
// closing quote.
std::optional<std::string> readQuoted(std::string_view& text, std::string& out)
{
    size_t i = 1;
    while (i < text.size()) {
        char c = text[i];
        if (c == '"') {
            text.remove_prefix(i + 1);
            return std::nullopt;
        }
        if (c == '\\') {
            if (i + 1 >= text.size())
                break;
            char escaped = text[i + 1];
            if (escaped != '\\' && escaped != '"')
                return Helpers::describe("unknown escape '\\", text.substr(i + 1, 1),
                                         "' in a string (write a backslash as \\\\ and a quote as \\\")");
            out.push_back(escaped);
            i += 2;
            continue;
        }
        out.push_back(c);
        ++i;
    }
    return std::string("a string has no closing quote");
}

bool isPermanentKey(RegistryRoot root, const std::vector<std::string_view>& names)
{
    if (names.empty())
        return true;
    return root == RegistryRoot::LocalMachine && names.size() <= 2 &&
           RegistryPath::equalsAsciiIgnoreCase(names[0], "Software") &&
           (names.size() == 1 || RegistryPath::equalsAsciiIgnoreCase(names[1], "Classes"));
}

class Parser {
public:
    Parser(std::string_view text, std::string_view fileName) : m_lines(text), m_fileName(fileName) {}

    Result<std::vector<RegistryEdit>> run()
    {
        std::string_view line;
        if (!m_lines.next(line))
            return fail("the file is empty; a registry file begins with the line REGEDIT4");
        if (Helpers::trim(line) != "REGEDIT4")
            return fail("the first line is not REGEDIT4");
        while (m_lines.next(line)) {
            line = Helpers::trimLeft(line);
            if (line.empty() || line[0] == ';')
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

    std::optional<std::string> readSection(std::string_view line)
    {
        // The last ']' closes the section, so a key name may itself contain ']'.
        size_t close = line.rfind(']');
        if (close == std::string_view::npos)
            return std::string("the [key] line has no closing ']'");
        if (!Helpers::trim(line.substr(close + 1)).empty())
            return std::string("text follows the closing ']' of the [key] line");
        std::string_view inner = line.substr(1, close - 1);
        bool deletes = !inner.empty() && inner[0] == '-';
        if (deletes)
            inner.remove_prefix(1);

        size_t slash = inner.find('\\');
        std::string_view rootName = inner.substr(0, slash);
        auto root = RegistryPath::parseRoot(rootName);
        if (!root)
            return Helpers::describe("unknown root key '", rootName, "'");
        std::string_view below = slash == std::string_view::npos ? std::string_view() : inner.substr(slash + 1);
        auto names = RegistryPath::split(below);
        if (!names)
            return names.message();
        if (names->size() > RegistryPath::kMaxDepth)
            return "the key path is more than " + std::to_string(RegistryPath::kMaxDepth) + " keys deep";
        if (deletes && isPermanentKey(*root, *names))
            return Helpers::describe("the key '", inner, "' belongs to the registry and cannot be deleted");

        RegistryEdit edit;
        edit.kind = deletes ? RegistryEdit::Kind::DeleteKey : RegistryEdit::Kind::OpenKey;
        edit.root = *root;
        edit.path.assign(names->begin(), names->end());
        m_edits.push_back(std::move(edit));
        m_section = deletes ? Section::Deleted : Section::Open;
        return std::nullopt;
    }

    std::optional<std::string> readValue(std::string_view line)
    {
        std::string name;
        std::string_view rest = line;
        if (rest[0] == '@') {
            rest.remove_prefix(1);
        } else if (auto problem = readQuoted(rest, name)) {
            return problem;
        }
        if (auto problem = RegistryPath::valueNameProblem(name))
            return problem;
        rest = Helpers::trimLeft(rest);
        if (rest.empty() || rest[0] != '=')
            return std::string("the value name is not followed by '='");
        rest = Helpers::trimLeft(rest.substr(1));

        if (m_section == Section::None)
            return std::string("a value comes before the first [key] line");
        if (m_section == Section::Deleted)
            return std::string("a value follows a [-key] line, which deletes its key");

        RegistryEdit edit;
        edit.kind = RegistryEdit::Kind::SetValue;
        edit.name = std::move(name);
        if (!rest.empty() && rest[0] == '"') {
            std::string text;
            if (auto problem = readQuoted(rest, text))
                return problem;
            if (!Helpers::trim(rest).empty())
                return std::string("text follows the closing quote of the value");
            edit.value = RegistryValue::fromString(text);
        } else if (Helpers::trim(rest) == "-") {
            edit.kind = RegistryEdit::Kind::DeleteValue;
        } else if (auto problem = m_lines.readNumericValue(rest, "\"...\", dword:, hex:, hex(n): or -", edit.value)) {
            return problem;
        }
        m_edits.push_back(std::move(edit));
        return std::nullopt;
    }

    RegLineReader m_lines;
    std::string_view m_fileName;
    std::vector<RegistryEdit> m_edits;
    Section m_section = Section::None;
};

} // namespace

Result<std::vector<RegistryEdit>> RegFileReader::read(std::string_view text, std::string_view fileName)
{
    return Parser(text, fileName).run();
}

} // namespace platform
