// The whole-file operations of FileSystem: read, safe write, copy, folders and removal.
#include "platform/base/FileSystem.h"

#include "platform/base/Guid.h"
#include "platform/base/HostFile.h"
#include "platform/base/TextEncoding.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace platform {

namespace {

constexpr int kMaxLinkHops = 40;
// Keeps the temporary's name within NAME_MAX even for a long file name.
constexpr size_t kMaxBaseInTemporaryName = 200;

std::string filePrefix(std::string_view path)
{
    return "File '" + std::string(path) + "' could not be opened / read / written\n";
}

// Writes everything, going on after short writes and interruptions; false with errno set.
bool writeAll(int fd, const char* data, size_t size)
{
    while (size > 0) {
        const ssize_t n = write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// 48 random bits, enough with O_EXCL and a few retries to find a free temporary name.
std::string randomSuffix()
{
    return Guid::create().toString().substr(24);
}

// Follows symbolic links from `path` to the file that really holds the data. `st` gets its
// lstat data and `present` whether it is there; false with errno set on failure.
bool followLinks(std::string& path, struct stat& st, bool& present)
{
    for (int hops = 0;; ++hops) {
        if (lstat(path.c_str(), &st) != 0) {
            present = false;
            return errno == ENOENT;
        }
        present = true;
        if (!S_ISLNK(st.st_mode))
            return true;
        if (hops == kMaxLinkHops) {
            errno = ELOOP;
            return false;
        }
        std::string target(st.st_size > 0 ? static_cast<size_t>(st.st_size) + 1 : 4096, '\0');
        const ssize_t n = readlink(path.c_str(), target.data(), target.size());
        if (n < 0)
            return false;
        target.resize(static_cast<size_t>(n));
        path = !target.empty() && target.front() == '/' ? target : hostfile::join(hostfile::parentFolder(path), target);
    }
}

} // namespace

std::string FileSystem::fileErrorMessage(std::string_view path, int errorNumber)
{
    return filePrefix(path) + systemErrorDescription(errorNumber);
}

std::string FileSystem::systemErrorDescription(int errorNumber)
{
    return std::strerror(errorNumber);
}

Result<std::string> FileSystem::hostPathOfFile(std::string_view path) const
{
    Result<std::string> host = toHostPath(path);
    if (!host)
        return Result<std::string>::failure(filePrefix(path) + host.message(), host.code());
    return host;
}

Result<std::string> FileSystem::readTextFile(std::string_view path) const
{
    Result<std::string> bytes = readWholeFile(path);
    if (!bytes || detectEncoding(*bytes) == TextEncoding::Ansi)
        return bytes;
    return decodeText(*bytes, m_codePage).text;
}

Result<std::string> FileSystem::readWholeFile(std::string_view path) const
{
    const Result<std::string> host = hostPathOfFile(path);
    if (!host)
        return host.status();
    auto failure = [&](int error) { return Result<std::string>::failure(fileErrorMessage(path, error), error); };

    const int fd = open(host->c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return failure(errno);
    struct stat st {};
    if (fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        const int error = S_ISDIR(st.st_mode) ? EISDIR : errno;
        close(fd);
        return failure(error);
    }
    std::string data;
    if (S_ISREG(st.st_mode))
        data.reserve(static_cast<size_t>(st.st_size));
    // The size is only a hint: files may grow while read, and /proc files report none.
    char buffer[65536];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n == 0)
            break;
        if (n < 0) {
            if (errno == EINTR)
                continue;
            const int error = errno;
            close(fd);
            return failure(error);
        }
        data.append(buffer, static_cast<size_t>(n));
    }
    close(fd);
    return data;
}

Status FileSystem::writeWholeFile(std::string_view path, std::string_view bytes) const
{
    return safeWrite(path, bytes, -1);
}

Status FileSystem::safeWrite(std::string_view path, std::string_view bytes, int newFileMode) const
{
    const Result<std::string> host = hostPathOfFile(path);
    if (!host)
        return host.status();
    auto failure = [&](int error) { return Status::failure(fileErrorMessage(path, error), error); };

    std::string target = *host;
    struct stat st {};
    bool present = false;
    if (!followLinks(target, st, present))
        return failure(errno);

    if (present && S_ISDIR(st.st_mode))
        return failure(EISDIR);
    if (present && !S_ISREG(st.st_mode)) {
        // A device or a pipe cannot be replaced by a file: write to it in place.
        const int fd = open(target.c_str(), O_WRONLY | O_CLOEXEC);
        if (fd < 0)
            return failure(errno);
        const bool written = writeAll(fd, bytes.data(), bytes.size());
        const int error = errno;
        close(fd);
        return written ? Status::ok() : failure(error);
    }
    // A read-only file must stay as it is, even though its folder would let us replace it.
    if (present && hostfile::isReadOnly(target, st.st_mode))
        return failure(EACCES);

    const std::string folder = hostfile::parentFolder(target);
    const std::string base = hostfile::baseName(target).substr(0, kMaxBaseInTemporaryName);
    if (failsAt(WriteStep::CreateTemporary))
        return failure(m_failingError);
    std::string temporary;
    int fd = -1;
    const mode_t createMode = present ? 0600 : static_cast<mode_t>(newFileMode < 0 ? 0666 : newFileMode);
    for (int attempt = 0; attempt < 16 && fd < 0; ++attempt) {
        temporary = hostfile::join(folder, "." + base + "." + randomSuffix() + ".tmp");
        fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, createMode);
        if (fd < 0 && errno != EEXIST)
            break;
    }
    if (fd < 0)
        return failure(errno);

    // From here on, every failure removes the temporary and leaves the original untouched.
    auto abandon = [&](int error) {
        if (fd >= 0)
            close(fd);
        unlink(temporary.c_str());
        return failure(error);
    };
    if (present) {
        // Keep the owner too where we may: root gives the file back to its user, anyone else
        // keeps its group when they belong to it.
        if (geteuid() == 0 && (st.st_uid != geteuid() || st.st_gid != getegid())) {
            if (fchown(fd, st.st_uid, st.st_gid) != 0)
                return abandon(errno);
        } else if (st.st_gid != getegid() && fchown(fd, static_cast<uid_t>(-1), st.st_gid) != 0) {
            // Not a member of that group: the file takes ours, as any new file would.
        }
        if (fchmod(fd, st.st_mode & 07777) != 0)
            return abandon(errno);
    }

    if (failsAt(WriteStep::Write)) {
        if (!writeAll(fd, bytes.data(), bytes.size() / 2))
            return abandon(errno);
        return abandon(m_failingError);
    }
    if (!writeAll(fd, bytes.data(), bytes.size()))
        return abandon(errno);
    if (failsAt(WriteStep::Sync))
        return abandon(m_failingError);
    if (fsync(fd) != 0)
        return abandon(errno);
    const int closed = close(fd);
    fd = -1;
    if (closed != 0)
        return abandon(errno);
    if (failsAt(WriteStep::Replace))
        return abandon(m_failingError);
    if (rename(temporary.c_str(), target.c_str()) != 0)
        return abandon(errno);

    // Make the rename itself durable; the data is already safe, so a failure here is not one.
    const int dirFd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        fsync(dirFd);
        close(dirFd);
    }
    return Status::ok();
}

Status FileSystem::copyFile(std::string_view from, std::string_view to, bool failIfExists) const
{
    const Result<std::string> source = hostPathOfFile(from);
    if (!source)
        return source.status();
    const Result<std::string> bytes = readWholeFile(from);
    if (!bytes)
        return bytes.status();
    struct stat st {};
    if (stat(source->c_str(), &st) != 0)
        return Status::failure(fileErrorMessage(from, errno), errno);
    if (failIfExists && exists(to))
        return Status::failure(fileErrorMessage(to, EEXIST), EEXIST);
    return safeWrite(to, *bytes, static_cast<int>(st.st_mode & 0777));
}

Status FileSystem::makeFolder(std::string_view path) const
{
    const Result<std::string> host = hostPathOfFile(path);
    if (!host)
        return host.status();
    if (mkdir(host->c_str(), 0777) != 0)
        return Status::failure(fileErrorMessage(path, errno), errno);
    return Status::ok();
}

Status FileSystem::removeFile(std::string_view path) const
{
    const Result<std::string> host = hostPathOfFile(path);
    if (!host)
        return host.status();
    struct stat st {};
    if (lstat(host->c_str(), &st) != 0)
        return Status::failure(fileErrorMessage(path, errno), errno);
    if (S_ISDIR(st.st_mode))
        return Status::failure(fileErrorMessage(path, EISDIR), EISDIR);
    // Like on Windows, a read-only file is not deleted (a link itself carries no such bit).
    if (S_ISREG(st.st_mode) && hostfile::isReadOnly(*host, st.st_mode))
        return Status::failure(fileErrorMessage(path, EACCES), EACCES);
    if (unlink(host->c_str()) != 0)
        return Status::failure(fileErrorMessage(path, errno), errno);
    return Status::ok();
}

Status FileSystem::removeFolder(std::string_view path) const
{
    const Result<std::string> host = hostPathOfFile(path);
    if (!host)
        return host.status();
    if (rmdir(host->c_str()) != 0)
        return Status::failure(fileErrorMessage(path, errno), errno);
    return Status::ok();
}

} // namespace platform
