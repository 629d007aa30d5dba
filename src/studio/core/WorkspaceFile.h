#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace studio {

// One "Project:" entry of a workspace file: the project's name and its file as written
// (usually relative to the workspace's folder, ".\name.dsp").
struct WorkspaceProjectEntry {
    std::string name;
    std::string file;
};

// The project entries of a workspace file's text, in order. Lines that are not entries are
// skipped; quotes around the name and the file are optional.
std::vector<WorkspaceProjectEntry> ParseWorkspaceProjects(std::string_view text);

} // namespace studio
