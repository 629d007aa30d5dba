#include "studio/core/WorkspaceFile.h"

namespace studio {

namespace {

std::string_view Unquoted(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"')
        text = text.substr(1, text.size() - 2);
    return text;
}

} // namespace

std::vector<WorkspaceProjectEntry> ParseWorkspaceProjects(std::string_view text)
{
    // Project: "name"=.\name.dsp - Package Owner=<4>
    constexpr std::string_view kPrefix = "Project:";
    std::vector<WorkspaceProjectEntry> entries;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.substr(0, kPrefix.size()) != kPrefix)
            continue;
        line.remove_prefix(kPrefix.size());
        const size_t equals = line.find('=');
        if (equals == std::string_view::npos)
            continue;
        std::string_view file = line.substr(equals + 1);
        const size_t owner = file.find(" - Package Owner");
        if (owner != std::string_view::npos)
            file = file.substr(0, owner);
        const std::string_view name = Unquoted(line.substr(0, equals));
        file = Unquoted(file);
        if (!name.empty() && !file.empty())
            entries.push_back({std::string(name), std::string(file)});
    }
    return entries;
}

} // namespace studio
