#include "platform/base/FileSystem.h"

#include "platform/base/HostFile.h"
#include "platform/base/WindowsPath.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>

namespace platform {

namespace {

int driveIndex(char letter)
{
    if (letter >= 'a' && letter <= 'z')
        return letter - 'a';
    if (letter >= 'A' && letter <= 'Z')
        return letter - 'A';
    return -1;
}

std::string processDirectory()
{
    std::string buffer(256, '\0');
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return "/";
        buffer.resize(buffer.size() * 2);
    }
    buffer.resize(buffer.find('\0'));
    return buffer;
}

// The lexical normal form of a host path: absolute, single slashes, no "." or "..", no
// trailing slash except on "/".
std::string normalHostPath(std::string_view path)
{
    std::string whole = path.empty() || path.front() != '/' ? processDirectory() + "/" : std::string();
    whole += path;

    std::vector<std::string_view> parts;
    std::string_view rest = whole;
    while (!rest.empty()) {
        const size_t slash = rest.find('/');
        const std::string_view part = rest.substr(0, slash);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
    }
    std::string out;
    for (std::string_view part : parts) {
        out += '/';
        out += part;
    }
    return out.empty() ? "/" : out;
}

bool folderHolds(const std::string& folder, const std::string& path)
{
    if (folder == "/")
        return true;
    return path.compare(0, folder.size(), folder) == 0 && (path.size() == folder.size() || path[folder.size()] == '/');
}

bool isAscii(std::string_view text)
{
    for (char c : text) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return false;
    }
    return true;
}

// True when the host name spells `name` (code-page text) ignoring case. The host name must
// convert to the code page and back unchanged, so that '?' never stands for a character.
bool sameNameIgnoringCase(std::string_view hostName, std::string_view name, const CodePage& codePage)
{
    // UTF-8 takes at least as many bytes as the code page, and at most three for each byte.
    if (hostName.size() < name.size() || hostName.size() > 3 * name.size())
        return false;
    if (isAscii(hostName)) // the usual case: no conversion needed
        return codePage.equalsIgnoreCase(hostName, name);
    const std::string ansi = codePage.fromUtf8(hostName);
    return codePage.equalsIgnoreCase(ansi, name) && codePage.toUtf8(ansi) == hostName;
}

// The entry of `folder` whose name equals `name` (code-page text) ignoring case; the first in
// byte order when several do. Host names the code page cannot spell never match.
std::optional<std::string> findIgnoringCase(const std::string& folder, std::string_view name, const CodePage& codePage)
{
    DIR* dir = opendir(folder.c_str());
    if (!dir)
        return std::nullopt;
    std::optional<std::string> best;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view hostName = entry->d_name;
        if (hostName == "." || hostName == ".." || !sameNameIgnoringCase(hostName, name, codePage))
            continue;
        if (!best || hostName < *best)
            best = std::string(hostName);
    }
    closedir(dir);
    return best;
}

} // namespace

FileSystem::FileSystem()
{
    m_driveFolders[driveIndex('Z')].assign(1, '/');
    m_currentDirectory = toWindowsPath(processDirectory());
}

void FileSystem::mapDrive(char letter, std::string hostFolder)
{
    const int index = driveIndex(letter);
    if (index < 0)
        return;
    m_driveFolders[index] = hostFolder.empty() ? std::string() : normalHostPath(hostFolder);
}

void FileSystem::unmapDrive(char letter)
{
    const int index = driveIndex(letter);
    if (index >= 0)
        m_driveFolders[index].clear();
}

Status FileSystem::setCurrentDirectory(std::string_view path)
{
    const Result<std::string> absolute = absolutePath(path);
    const Result<std::string> host = hostPathOfFile(path);
    if (!absolute || !host)
        return host.status();
    struct stat st {};
    if (stat(host->c_str(), &st) != 0)
        return Status::failure(fileErrorMessage(path, errno), errno);
    if (!S_ISDIR(st.st_mode))
        return Status::failure(fileErrorMessage(path, ENOTDIR), ENOTDIR);
    m_currentDirectory = *absolute;
    return Status::ok();
}

Result<std::string> FileSystem::absolutePath(std::string_view path) const
{
    Result<WindowsPath> resolved = WindowsPath::resolve(path, m_currentDirectory);
    if (!resolved)
        return resolved.status();
    return resolved->toString();
}

Result<std::string> FileSystem::toHostPath(std::string_view path) const
{
    Result<WindowsPath> resolved = WindowsPath::resolve(path, m_currentDirectory);
    if (!resolved)
        return resolved.status();
    const char drive = resolved->drive();
    std::string host = m_driveFolders[driveIndex(drive)];
    if (host.empty())
        return Result<std::string>::failure(std::string("Drive ") + drive + ": is not mapped to a host folder", ENOENT);

    // Once a component is missing, nothing below it can exist: stop looking on disk.
    bool onDisk = true;
    for (const std::string& component : resolved->components()) {
        const std::string exact = hostfile::join(host, m_codePage.toUtf8(component));
        if (onDisk) {
            struct stat st {};
            if (lstat(exact.c_str(), &st) == 0) {
                host = exact;
                continue;
            }
            if (errno == ENOENT) {
                if (std::optional<std::string> match = findIgnoringCase(host, component, m_codePage)) {
                    host = hostfile::join(host, *match);
                    continue;
                }
            }
            onDisk = false;
        }
        host = exact;
    }
    return host;
}

std::string FileSystem::toWindowsPath(std::string_view hostPath) const
{
    const std::string normal = normalHostPath(hostPath);
    int best = -1;
    for (int i = 0; i < 26; ++i) {
        const std::string& folder = m_driveFolders[i];
        if (!folder.empty() && folderHolds(folder, normal) && (best < 0 || folder.size() > m_driveFolders[best].size()))
            best = i;
    }
    const char drive = best < 0 ? 'Z' : static_cast<char>('A' + best);
    const size_t skip = best < 0 || m_driveFolders[best] == "/" ? 0 : m_driveFolders[best].size();

    std::string out{drive, ':'};
    std::string_view rest = std::string_view(normal).substr(skip);
    while (!rest.empty()) {
        rest.remove_prefix(1); // the slash
        const size_t slash = rest.find('/');
        out += '\\';
        out += m_codePage.fromUtf8(rest.substr(0, slash));
        rest = slash == std::string_view::npos ? std::string_view() : rest.substr(slash);
    }
    if (out.size() == 2)
        out += '\\';
    return out;
}

bool FileSystem::exists(std::string_view path) const
{
    const Result<std::string> host = toHostPath(path);
    struct stat st {};
    return host && stat(host->c_str(), &st) == 0;
}

bool FileSystem::isDirectory(std::string_view path) const
{
    const Result<std::string> host = toHostPath(path);
    struct stat st {};
    return host && stat(host->c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FileSystem::isWritable(std::string_view path) const
{
    const Result<std::string> host = toHostPath(path);
    if (!host)
        return false;
    struct stat st {};
    if (stat(host->c_str(), &st) == 0)
        return !hostfile::isReadOnly(*host, st.st_mode);
    if (errno != ENOENT)
        return false;
    const std::string folder = hostfile::parentFolder(*host);
    return stat(folder.c_str(), &st) == 0 && S_ISDIR(st.st_mode) &&
           faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) == 0;
}

Result<FileAttributes> FileSystem::attributes(std::string_view path) const
{
    const Result<std::string> host = hostPathOfFile(path);
    if (!host)
        return host.status();
    struct stat st {};
    if (stat(host->c_str(), &st) != 0)
        return Result<FileAttributes>::failure(fileErrorMessage(path, errno), errno);
    FileAttributes attributes;
    attributes.isDirectory = S_ISDIR(st.st_mode);
    attributes.isReadOnly = hostfile::isReadOnly(*host, st.st_mode);
    attributes.size = static_cast<uint64_t>(st.st_size);
    attributes.modifiedSeconds = static_cast<int64_t>(st.st_mtim.tv_sec);
    return attributes;
}

Status FileSystem::setReadOnly(std::string_view path, bool readOnly) const
{
    const Result<std::string> host = hostPathOfFile(path);
    if (!host)
        return host.status();
    struct stat st {};
    if (stat(host->c_str(), &st) != 0)
        return Status::failure(fileErrorMessage(path, errno), errno);
    const mode_t mode = readOnly ? (st.st_mode & 07777 & ~mode_t(0222)) : ((st.st_mode & 07777) | S_IWUSR);
    if (chmod(host->c_str(), mode) != 0)
        return Status::failure(fileErrorMessage(path, errno), errno);
    return Status::ok();
}

Result<std::vector<std::string>> FileSystem::listFolder(std::string_view path) const
{
    const Result<std::string> host = hostPathOfFile(path);
    if (!host)
        return host.status();
    DIR* dir = opendir(host->c_str());
    if (!dir)
        return Result<std::vector<std::string>>::failure(fileErrorMessage(path, errno), errno);
    std::vector<std::string> names;
    errno = 0;
    while (const dirent* entry = readdir(dir)) {
        const std::string_view name = entry->d_name;
        if (name != "." && name != "..")
            names.push_back(m_codePage.fromUtf8(name));
    }
    const int error = errno;
    closedir(dir);
    if (error != 0)
        return Result<std::vector<std::string>>::failure(fileErrorMessage(path, error), error);
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace platform
