// Arbitrary bytes as a Windows path and as text for the code pages. Z: is mapped to a
// temporary folder (and C: to a folder inside it) so that nothing outside it is looked at.
#include "platform/base/CodePage.h"
#include "platform/base/FileSystem.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

using platform::CodePage;
using platform::FileSystem;

namespace {

struct Sandbox {
    std::string root;
    std::string sub;

    Sandbox()
    {
        char pattern[] = "/tmp/morva-fuzz-path-XXXXXX";
        if (!mkdtemp(pattern))
            std::abort();
        root = pattern;
        sub = root + "/Sub";
        mkdir(sub.c_str(), 0700);
        for (const char* name : {"/StdAfx.cpp", "/caf\xC3\xA9.txt", "/Sub/Form1.H", "/Sub/form1.h", "/\xD0\x96"})
            std::ofstream(root + name) << "x";
    }
    ~Sandbox() { std::filesystem::remove_all(root); }
};

bool holds(const std::string& folder, const std::string& path)
{
    return path.compare(0, folder.size(), folder) == 0 && (path.size() == folder.size() || path[folder.size()] == '/');
}

void checkCodePage(const CodePage& cp, const std::string& bytes)
{
    if (cp.fromUtf8(cp.toUtf8(bytes)) != bytes)
        std::abort();
    const std::string ansi = cp.fromUtf8(bytes);
    if (cp.fromUtf8(cp.toUtf8(ansi)) != ansi)
        std::abort();
    // Valid UTF-8 made only of characters of the code page comes back unchanged.
    if (ansi.find('?') == std::string::npos && bytes.find('?') == std::string::npos && cp.toUtf8(ansi) != bytes)
        std::abort();
    const std::string upper = cp.toUpper(bytes);
    if (upper.size() != bytes.size() || cp.toUpper(upper) != upper || !cp.equalsIgnoreCase(bytes, upper))
        std::abort();
}

void checkPath(const FileSystem& fs, const Sandbox& box, const std::string& path)
{
    const auto absolute = fs.absolutePath(path);
    if (absolute) {
        const std::string& a = *absolute;
        if (a.size() < 3 || a[0] < 'A' || a[0] > 'Z' || a[1] != ':' || a[2] != '\\')
            std::abort();
        if (a.find("\\\\") != std::string::npos || a.find('/') != std::string::npos || (a.size() > 3 && a.back() == '\\'))
            std::abort();
        if ((a + '\\').find("\\.\\") != std::string::npos || (a + '\\').find("\\..\\") != std::string::npos)
            std::abort();
        if (fs.absolutePath(a).valueOr("") != a)
            std::abort();
    }

    const auto host = fs.toHostPath(path);
    if (!host)
        return;
    if (!absolute || !holds(box.root, *host))
        std::abort(); // a mapped path never leads out of its drive's folder
    // The Windows form of the host path leads back to the same host path.
    const std::string windows = fs.toWindowsPath(*host);
    if (fs.toHostPath(windows).valueOr("") != *host)
        std::abort();
    if (fs.isDirectory(path) && !fs.exists(path))
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Sandbox box;
    static FileSystem fs = [] {
        FileSystem f;
        f.mapDrive('Z', box.root);
        f.mapDrive('C', box.sub);
        f.unmapDrive('Q');
        if (!f.setCurrentDirectory("Z:\\sub"))
            std::abort();
        return f;
    }();

    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkCodePage(CodePage(CodePage::Id::Windows1252), bytes);
    checkCodePage(CodePage(CodePage::Id::Latin1), bytes);

    fs.setCodePage(CodePage(size > 0 && (data[0] & 1) ? CodePage::Id::Latin1 : CodePage::Id::Windows1252));
    checkPath(fs, box, bytes);
    return 0;
}
