#include "studio/core/ProjectFileEdit.h"

#include <cctype>

namespace studio {

namespace {

std::string Lower(std::string_view text)
{
    std::string out(text);
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string ExtensionOf(std::string_view value)
{
    const size_t slash = value.find_last_of("\\/");
    const size_t dot = value.rfind('.');
    if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash))
        return {};
    return Lower(value.substr(dot + 1));
}

// Whether the filter list ("cpp;c;cxx") holds the extension.
bool FilterHolds(std::string_view filter, const std::string& extension)
{
    size_t start = 0;
    while (start <= filter.size()) {
        size_t end = filter.find(';', start);
        if (end == std::string_view::npos)
            end = filter.size();
        if (Lower(filter.substr(start, end - start)) == extension)
            return true;
        start = end + 1;
    }
    return false;
}

// The start of the line holding `offset`.
size_t LineStart(std::string_view text, size_t offset)
{
    const size_t newline = text.rfind('\n', offset == 0 ? 0 : offset - 1);
    return offset == 0 || newline == std::string_view::npos ? 0 : newline + 1;
}

// Where a new entry for `extension` goes: the start of the "# End Group" line of the group
// whose filter holds it, else the start of the "# End Target" line; npos when neither exists.
size_t InsertionPoint(std::string_view text, const std::string& extension)
{
    constexpr std::string_view kFilter = "# PROP Default_Filter \"";
    for (size_t group = text.find("# Begin Group"); group != std::string_view::npos;
         group = text.find("# Begin Group", group + 1)) {
        const size_t end = text.find("# End Group", group);
        if (end == std::string_view::npos)
            break;
        const size_t filter = text.find(kFilter, group);
        if (filter != std::string_view::npos && filter < end) {
            const size_t from = filter + kFilter.size();
            const size_t close = text.find('"', from);
            if (close != std::string_view::npos && close < end && FilterHolds(text.substr(from, close - from), extension))
                return LineStart(text, end);
        }
    }
    const size_t target = text.find("# End Target");
    return target == std::string_view::npos ? std::string_view::npos : LineStart(text, target);
}

bool IsListed(std::string_view text, const std::string& value)
{
    const std::string lowerText = Lower(text);
    const std::string entry = "source=" + Lower(value);
    for (size_t found = lowerText.find(entry); found != std::string::npos; found = lowerText.find(entry, found + 1)) {
        const size_t after = found + entry.size();
        if (after == lowerText.size() || lowerText[after] == '\r' || lowerText[after] == '\n')
            return true;
    }
    return false;
}

} // namespace

std::string AddSourceFiles(std::string_view projectText, const std::vector<std::string>& sourceValues)
{
    std::string text(projectText);
    const std::string lineEnd = text.find("\r\n") != std::string::npos || text.find('\n') == std::string::npos ? "\r\n" : "\n";
    for (const std::string& value : sourceValues) {
        // A path with blanks is written in quotes, as the project file format has it.
        const bool hasBlank = value.find_first_of(" \t") != std::string::npos;
        const std::string written = hasBlank ? '"' + value + '"' : value;
        if (value.empty() || IsListed(text, value) || IsListed(text, written))
            continue;
        const size_t at = InsertionPoint(text, ExtensionOf(value));
        if (at == std::string::npos)
            continue;
        text.insert(at, "# Begin Source File" + lineEnd + lineEnd + "SOURCE=" + written + lineEnd +
                            "# End Source File" + lineEnd);
    }
    return text;
}

std::string SourceValueFor(std::string_view projectFolder, std::string_view path)
{
    const std::string folder = Lower(projectFolder) + "\\";
    if (Lower(path.substr(0, folder.size())) == folder && path.size() > folder.size())
        return ".\\" + std::string(path.substr(folder.size()));
    return std::string(path);
}

} // namespace studio
