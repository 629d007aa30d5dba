#include "studio/core/InsertFileNames.h"

namespace studio {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view Trimmed(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::vector<std::string> ParseInsertFileNames(std::string_view text)
{
    std::vector<std::string> names;
    const std::string_view whole = Trimmed(text);
    if (whole.find('"') == std::string_view::npos) {
        if (!whole.empty())
            names.emplace_back(whole);
        return names;
    }
    size_t at = 0;
    while (at < whole.size()) {
        if (IsBlank(whole[at])) {
            ++at;
            continue;
        }
        if (whole[at] == '"') {
            const size_t close = whole.find('"', at + 1);
            const size_t end = close == std::string_view::npos ? whole.size() : close;
            const std::string_view name = Trimmed(whole.substr(at + 1, end - at - 1));
            if (!name.empty())
                names.emplace_back(name);
            at = close == std::string_view::npos ? whole.size() : close + 1;
            continue;
        }
        // A bare word among quoted names ends at the next blank or quote.
        size_t end = at;
        while (end < whole.size() && !IsBlank(whole[end]) && whole[end] != '"')
            ++end;
        names.emplace_back(whole.substr(at, end - at));
        at = end;
    }
    return names;
}

std::string ResolveInsertFileName(std::string_view folder, std::string_view name)
{
    const bool hasDrive = name.size() > 1 && name[1] == ':';
    const bool fromRoot = !name.empty() && (name[0] == '\\' || name[0] == '/');
    if (hasDrive || fromRoot || folder.empty())
        return std::string(name);
    std::string path(folder);
    if (path.back() != '\\')
        path += '\\';
    // "./" or ".\" before a name means the folder itself.
    if (name.size() > 2 && name[0] == '.' && (name[1] == '\\' || name[1] == '/'))
        name.remove_prefix(2);
    path += name;
    return path;
}

} // namespace studio
