#include "codegen/BrowseForFolder.h"

#include "platform/base/FileSystem.h"

namespace morva {

namespace {
constexpr const char* kPickerTitle = "Choose the folder for the new project:";
}

std::string WithTrailingBackslash(std::string folder)
{
    // A drive root ("Z:\") already ends in its backslash.
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return folder;
}

std::string BrowseForFolder(std::string startFolder, const platform::FileSystem& fs, IFolderPicker& picker)
{
    if (startFolder.empty())
        startFolder = fs.currentDirectory();
    std::optional<std::string> chosen = picker.PickFolder(kPickerTitle, startFolder);
    if (chosen && !chosen->empty())
        return WithTrailingBackslash(std::move(*chosen));
    return WithTrailingBackslash(std::move(startFolder));
}

} // namespace morva
