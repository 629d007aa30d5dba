#include "platform/base/WindowsPath.h"

#include <cerrno>

namespace platform {

namespace {

bool isSeparator(char c)
{
    return c == '\\' || c == '/';
}

bool isDriveLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

char upperDrive(char c)
{
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// Adds the components of `text` to `components`, resolving "." and "..".
void appendComponents(std::vector<std::string>& components, std::string_view text)
{
    size_t pos = 0;
    while (pos <= text.size()) {
        size_t end = pos;
        while (end < text.size() && !isSeparator(text[end]))
            ++end;
        const std::string_view part = text.substr(pos, end - pos);
        if (part == "..") {
            if (!components.empty())
                components.pop_back();
        } else if (!part.empty() && part != ".") {
            components.emplace_back(part);
        }
        pos = end + 1;
    }
}

std::string quoted(std::string_view path)
{
    std::string text(1, '\'');
    text += path;
    text += '\'';
    return text;
}

} // namespace

Result<WindowsPath> WindowsPath::resolve(std::string_view path, std::string_view currentDirectory)
{
    if (path.empty())
        return Result<WindowsPath>::failure("The path is empty", EINVAL);
    if (path.find('\0') != std::string_view::npos)
        return Result<WindowsPath>::failure("The path " + quoted(path) + " holds a NUL character", EINVAL);
    if (path.size() >= 2 && isSeparator(path[0]) && isSeparator(path[1]))
        return Result<WindowsPath>::failure("The path " + quoted(path) +
                                            " is a network (UNC) or device path; only drive paths are supported",
                                            EINVAL);

    const bool hasDrive = path.size() >= 2 && isDriveLetter(path[0]) && path[1] == ':';
    const std::string_view rest = hasDrive ? path.substr(2) : path;
    const bool rooted = !rest.empty() && isSeparator(rest[0]);

    char drive = 0;
    std::vector<std::string> components;
    const bool cwdValid = currentDirectory.size() >= 2 && isDriveLetter(currentDirectory[0]) && currentDirectory[1] == ':';
    const char cwdDrive = cwdValid ? upperDrive(currentDirectory[0]) : 'Z';
    if (hasDrive)
        drive = upperDrive(path[0]);
    else
        drive = cwdDrive;

    // Start from the current directory when the path is relative to it.
    if (!rooted && drive == cwdDrive && cwdValid)
        appendComponents(components, currentDirectory.substr(2));
    appendComponents(components, rest);
    return WindowsPath(drive, std::move(components));
}

std::string WindowsPath::toString() const
{
    std::string out{m_drive, ':'};
    if (m_components.empty())
        return out + '\\';
    for (const std::string& component : m_components) {
        out += '\\';
        out += component;
    }
    return out;
}

} // namespace platform
