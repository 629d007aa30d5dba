#pragma once

#include "platform/base/Result.h"

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// A Windows-form path taken apart lexically: a drive letter and the components below its root,
// with "." and ".." already resolved. Nothing here touches the disk.
class WindowsPath {
public:
    // The absolute form of `path`. Relative paths (".\a", "..\a", "a\b") are taken from
    // `currentDirectory`, "\a" from the root of its drive, and "D:a" from the root of D: when D:
    // is not the current drive (no current directory is kept per drive). Both '\' and '/'
    // separate; ".." never climbs above the drive root. Fails for an empty path, a UNC or device
    // path ("\\server\share", "\\?\C:\a") and a path holding a NUL character.
    // `currentDirectory` must itself be absolute ("Z:\tmp").
    static Result<WindowsPath> resolve(std::string_view path, std::string_view currentDirectory);

    char drive() const { return m_drive; } // upper case, 'A'..'Z'
    const std::vector<std::string>& components() const { return m_components; }
    // "Z:\a\b"; the root of a drive keeps its backslash ("Z:\").
    std::string toString() const;

private:
    WindowsPath(char drive, std::vector<std::string> components)
        : m_drive(drive), m_components(std::move(components))
    {
    }

    char m_drive;
    std::vector<std::string> m_components;
};

} // namespace platform
