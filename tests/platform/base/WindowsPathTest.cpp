#include "platform/base/WindowsPath.h"

#include <gtest/gtest.h>

using platform::WindowsPath;

namespace {

TEST(WindowsPath, ResolvesAgainstTheCurrentDirectory)
{
    const std::string cwd = "Z:\\work\\proj";
    const std::pair<std::string, std::string> cases[] = {
        {".\\form1.cpp", "Z:\\work\\proj\\form1.cpp"},
        {"..\\lib\\a.h", "Z:\\work\\lib\\a.h"},
        {"res\\app.ico", "Z:\\work\\proj\\res\\app.ico"},
        {"res/sub\\x.bmp", "Z:\\work\\proj\\res\\sub\\x.bmp"},  // mixed separators
        {"res\\\\sub//", "Z:\\work\\proj\\res\\sub"},           // doubled and trailing
        {".", "Z:\\work\\proj"},
        {"\\tmp\\x", "Z:\\tmp\\x"},                             // rooted on the current drive
        {"/tmp/./x/", "Z:\\tmp\\x"},
        {"z:\\A\\.\\B", "Z:\\A\\B"},                            // drive letter upper-cased
        {"C:\\pics\\..\\logo.bmp", "C:\\logo.bmp"},
        {"C:\\", "C:\\"},
        {"C:", "C:\\"},                                         // another drive: its root
        {"C:x\\y", "C:\\x\\y"},
        {"Z:x", "Z:\\work\\proj\\x"},                           // the current drive: relative
        {"Z:", "Z:\\work\\proj"},
        {"..\\..\\..\\..\\etc", "Z:\\etc"},                     // never above the root
        {"C:\\..\\..\\a\\..\\b", "C:\\b"},
        {"...\\a.", "Z:\\work\\proj\\...\\a."},                 // only "." and ".." are special
        {"Caf\xE9\\\xC9t\xE9", "Z:\\work\\proj\\Caf\xE9\\\xC9t\xE9"},
    };
    for (const auto& [path, expected] : cases) {
        const auto resolved = WindowsPath::resolve(path, cwd);
        ASSERT_TRUE(resolved) << path << ": " << resolved.message();
        EXPECT_EQ(resolved->toString(), expected) << path;
        // The normal form is a fixed point.
        EXPECT_EQ(WindowsPath::resolve(expected, "Q:\\other")->toString(), expected);
    }
    EXPECT_EQ(WindowsPath::resolve("a", "Z:\\")->toString(), "Z:\\a");
}

TEST(WindowsPath, RejectsPathsItCannotMap)
{
    const std::pair<std::string, std::string> cases[] = {
        {"", "The path is empty"},
        {"\\\\server\\share\\a.h", "The path '\\\\server\\share\\a.h' is a network (UNC) or device path; only drive paths are supported"},
        {"//server/share", "The path '//server/share' is a network (UNC) or device path; only drive paths are supported"},
        {"\\\\?\\C:\\a", "The path '\\\\?\\C:\\a' is a network (UNC) or device path; only drive paths are supported"},
        {std::string("a\0b", 3), std::string("The path 'a\0b' holds a NUL character", 36)},
    };
    for (const auto& [path, message] : cases) {
        const auto resolved = WindowsPath::resolve(path, "Z:\\");
        ASSERT_FALSE(resolved) << path;
        EXPECT_EQ(resolved.message(), message);
        EXPECT_EQ(resolved.code(), EINVAL);
    }
}

} // namespace
