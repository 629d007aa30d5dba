#pragma once

#include "platform/gfx/LogFont.h"
#include "platform/ui/WindowHandle.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

class Desktop;
class FileSystem;

// One entry of a file filter: what the user reads and the patterns it stands for.
struct FileFilter {
    std::string description;
    std::vector<std::string> patterns; // "*.bmp", "*.*"
};

// "Bitmap Files (*.bmp)|*.bmp|Icons (*.ico;*.cur)|*.ico;*.cur||": pairs of description and
// patterns separated by '|', the patterns by ';'. An entry without patterns is dropped.
std::vector<FileFilter> parseFileFilter(std::string_view filter);
// Wildcards '*' and '?', without regard to case; "*.*" also matches a name without a dot.
bool matchesPattern(std::string_view name, std::string_view pattern);

struct FileDialogOptions {
    std::string title = "Open";
    std::string filter = "All Files (*.*)|*.*||";
    int filterIndex = 0;
    std::string initialFolder;    // Windows form; the file system's current directory when empty
    std::string fileName;         // shown in the name field at the start
    std::string defaultExtension; // added to a name typed without one ("bmp", no dot)
    bool mustExist = true;
};

// The file open dialog: a name field, the files of the current folder that pass the chosen
// filter, the folders to move into and the filter list. Answers the chosen file's absolute
// Windows path, nothing when cancelled.
std::optional<std::string> runFileOpenDialog(Desktop& desktop, const FileSystem& files, WindowHandle owner,
                                             const FileDialogOptions& options);

// The folder browser: the folders of the current one to move into. Answers the chosen folder.
std::optional<std::string> runFolderDialog(Desktop& desktop, const FileSystem& files, WindowHandle owner,
                                           const std::string& title, const std::string& initialFolder);

// The colour dialog: a palette of basic colours and red, green and blue fields. Colours are
// colour references (red in the low byte).
std::optional<uint32_t> runColorDialog(Desktop& desktop, WindowHandle owner, uint32_t initialColor);
// The 48 basic colours of the palette, row by row.
const std::vector<uint32_t>& basicColors();

struct FontDialogOptions {
    LogFont initial;
    std::vector<std::string> faceNames = {"Arial", "Courier New", "DejaVu Sans", "MS Sans Serif", "Times New Roman"};
};

// The font dialog: face, style, size in points, underline and strike-out, and a sample.
// The answer's height is the character height in pixels, negative, as fonts take it.
std::optional<LogFont> runFontDialog(Desktop& desktop, WindowHandle owner, const FontDialogOptions& options);

} // namespace platform
