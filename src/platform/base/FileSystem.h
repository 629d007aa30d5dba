#pragma once

#include "platform/base/CodePage.h"
#include "platform/base/Result.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

struct FileAttributes {
    bool isDirectory = false;
    bool isReadOnly = false;
    uint64_t size = 0;
    int64_t modifiedSeconds = 0; // seconds since 1970
};

// The file layer. Every path it takes and gives is in Windows form ("Z:\home\u\form1.cpp",
// ".\res\app.ico"), ANSI text in the configured code page, mapped to the host like this:
// drive Z: is the host's root, other drives can be mapped to host folders, relative paths are
// taken from the current directory, both '\' and '/' separate components, and a component that
// does not exist with its exact case is looked up ignoring case (when several entries match,
// the first in byte order wins). Components that do not exist keep the given spelling, so that
// new files get the name the caller asked for.
//
// A file counts as read-only when it has no write permission bit, or the caller may not write
// it; like on Windows, a read-only file is neither rewritten nor removed, even by root.
//
// Failures come back as values whose message is ready to show to the user:
// "File '<path>' could not be opened / read / written\n" followed by the system's description,
// with the path as the caller gave it; Status::code() carries the errno value.
class FileSystem {
public:
    // Z: mapped to "/", the current directory taken from the process, code page 1252.
    FileSystem();

    // `hostFolder` is a host path (UTF-8); a relative one is taken from the process's directory.
    // Letters are accepted in either case; anything else is ignored.
    void mapDrive(char letter, std::string hostFolder);
    void unmapDrive(char letter);
    void setCodePage(CodePage codePage) { m_codePage = codePage; }
    const CodePage& codePage() const { return m_codePage; }

    // Windows form, e.g. "Z:\tmp\work"; a drive root keeps its backslash ("Z:\").
    const std::string& currentDirectory() const { return m_currentDirectory; }
    // The folder must exist. The process's own directory is not changed.
    Status setCurrentDirectory(std::string_view path);

    // The absolute, normalised Windows form of a path ("." and ".." resolved, one backslash
    // between components, no trailing backslash except on a drive root, drive letter in upper
    // case). Purely lexical: it works for any drive letter, mapped or not.
    Result<std::string> absolutePath(std::string_view path) const;
    // The host path of a Windows path, with the case of every component that exists on disk.
    // Fails for an unmapped drive, a UNC path, an empty path or one holding a NUL.
    Result<std::string> toHostPath(std::string_view path) const;
    // The Windows form of a host path (absolute or relative to the process's directory): the
    // mapped drive whose folder holds the path (the longest such folder), else Z:. Front ends
    // convert every path a user gives them with this on the way in.
    std::string toWindowsPath(std::string_view hostPath) const;

    bool exists(std::string_view path) const;
    bool isDirectory(std::string_view path) const;
    // True when the file exists and may be written, or does not exist and its folder may be.
    bool isWritable(std::string_view path) const;
    Result<FileAttributes> attributes(std::string_view path) const;
    // Read-only clears every write permission bit; writable gives the owner's back.
    Status setReadOnly(std::string_view path, bool readOnly) const;
    // Names of the entries of a folder (without "." and ".."), in code-page form, sorted.
    Result<std::vector<std::string>> listFolder(std::string_view path) const;

    Result<std::string> readWholeFile(std::string_view path) const;
    // The file's text in the code page: a file saved as UTF-8 or UTF-16 with a byte-order mark
    // is converted (for reading; see TextEncoding for writing such a file back).
    Result<std::string> readTextFile(std::string_view path) const;
    // Writes beside the file and replaces it only when the whole text is on disk, so a failed
    // write leaves the old file whole. A symbolic link keeps pointing at the rewritten target.
    // The rewritten file keeps the permission bits of the old one; a read-only file is refused.
    Status writeWholeFile(std::string_view path, std::string_view bytes) const;
    // Copies the bytes with the same safe replacement; a new copy gets the source's permission
    // bits, an existing one keeps its own.
    Status copyFile(std::string_view from, std::string_view to, bool failIfExists) const;
    // Creates one folder; its parent must exist.
    Status makeFolder(std::string_view path) const;
    Status removeFile(std::string_view path) const;
    Status removeFolder(std::string_view path) const; // the folder must be empty

    // "File '<path>' could not be opened / read / written\n" + description of `errorNumber`.
    static std::string fileErrorMessage(std::string_view path, int errorNumber);
    // The system's description of an error number.
    static std::string systemErrorDescription(int errorNumber);

    // For tests: makes the given step of every later safe write fail with `errorNumber`, as if
    // the system had refused it; WriteStep::None ends this. At WriteStep::Write half the bytes
    // are written first (a short write).
    enum class WriteStep { None, CreateTemporary, Write, Sync, Replace };
    void simulateWriteFailure(WriteStep step, int errorNumber)
    {
        m_failingStep = step;
        m_failingError = errorNumber;
    }

private:
    // toHostPath for a file operation: its failure is already a file-error message for `path`.
    Result<std::string> hostPathOfFile(std::string_view path) const;
    // The safe replacement behind writeWholeFile and copyFile. `newFileMode` is the permission
    // of a file that does not exist yet, or -1 for the default (0666 less the umask).
    Status safeWrite(std::string_view path, std::string_view bytes, int newFileMode) const;
    bool failsAt(WriteStep step) const { return m_failingStep == step; }

    std::array<std::string, 26> m_driveFolders; // host folder of each drive letter, "" = unmapped
    std::string m_currentDirectory;
    CodePage m_codePage;
    WriteStep m_failingStep = WriteStep::None;
    int m_failingError = 0;
};

} // namespace platform
