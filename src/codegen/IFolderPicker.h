#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace morva {

// The folder picker a front end supplies: the shell's folder dialog in a window, a queue of
// answers headless.
class IFolderPicker {
public:
    virtual ~IFolderPicker() = default;
    // The chosen folder (Windows form), or nothing when the user cancelled or the choice has
    // no file-system path. The picker is rooted at the desktop; `startFolder` is where it opens.
    virtual std::optional<std::string> PickFolder(std::string_view title, std::string_view startFolder) = 0;
};

} // namespace morva
