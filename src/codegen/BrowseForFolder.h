#pragma once

#include "codegen/IFolderPicker.h"

#include <string>

namespace platform {
class FileSystem;
}

namespace morva {

// Lets the user pick a folder, starting at `startFolder` (the current directory when empty).
// Returns the chosen folder, or the start folder when nothing was chosen, in both cases ending
// in one backslash.
std::string BrowseForFolder(std::string startFolder, const platform::FileSystem& fs, IFolderPicker& picker);

// The text with a backslash appended unless it already ends in one.
std::string WithTrailingBackslash(std::string folder);

} // namespace morva
