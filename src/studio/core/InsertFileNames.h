#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace studio {

// The file names typed into the "Insert Files into Project" dialog, read the way its file-name
// box reads them: names in double quotes, separated by blanks; text without any quote is one
// name, blanks and all. A quote left open runs to the end. Empty names are dropped.
std::vector<std::string> ParseInsertFileNames(std::string_view text);

// A typed name as a full path: a name with a drive or starting with a backslash stands as it
// is, any other is taken inside `folder` (Windows form, no trailing backslash).
std::string ResolveInsertFileName(std::string_view folder, std::string_view name);

} // namespace studio
