#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace studio {

// Adds source entries to the text of a project file (.dsp): each file goes into the group whose
// default filter lists its extension ("Source Files", "Header Files", "Resource Files"), as a
// "# Begin Source File" block before the group's end, or before the end of the target when no
// group takes it. `sourceValues` are the values as the project file writes them (".\form1.cpp").
// A value with blanks is written in double quotes. A file already listed (compared ignoring
// case, quoted or not) is not added again. The text's own line ends are kept. Returns the new
// text, or the old one when there was nothing to add.
std::string AddSourceFiles(std::string_view projectText, const std::vector<std::string>& sourceValues);

// The value a project file in `projectFolder` writes for `path` (both in Windows form): ".\name"
// for a file in the folder or below it, the path itself otherwise.
std::string SourceValueFor(std::string_view projectFolder, std::string_view path);

} // namespace studio
