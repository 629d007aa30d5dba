#include "platform/base/FileSystem.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>

using platform::FileSystem;

namespace {

// A project folder as a generator leaves it, mapped to drive P: and made current.
class FileSystemPaths : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* name : {"stdafx.cpp", "resource.h", "Res/App.ico", "caf\xC3\xA9.txt", "README.txt",
                                 "Readme.TXT", "readme.txt", "\xD0\x96uk.txt"})
            m_folder.write(name, "x");
        m_fs.mapDrive('P', m_folder.path());
        ASSERT_TRUE(m_fs.setCurrentDirectory("P:\\"));
    }

    TempFolder m_folder;
    FileSystem m_fs;
};

TEST_F(FileSystemPaths, MapsWindowsPathsToHostFiles)
{
    const std::string z = FileSystem().toWindowsPath(m_folder.path()); // the folder through Z:
    ASSERT_EQ(z.substr(0, 3), "Z:\\");
    const std::pair<std::string, std::string> cases[] = {
        {".\\StdAfx.cpp", "stdafx.cpp"},           // wrong case finds the file
        {"P:\\RESOURCE.H", "resource.h"},
        {"p:/res\\app.ICO", "Res/App.ico"},         // every component looked up
        {"res\\", "Res"},
        {"res\\New.ico", "Res/New.ico"},            // missing: kept as given
        {"NoSuch\\Deeper\\File.txt", "NoSuch/Deeper/File.txt"},
        {"stdafx.cpp\\x", "stdafx.cpp/x"},          // below a file: nothing to look up
        {"CAF\xC9.TXT", "caf\xC3\xA9.txt"},         // ANSI name, UTF-8 on disk, case ignored
        {"readme.txt", "readme.txt"},               // the exact name wins
        {"ReadMe.txt", "README.txt"},               // else the first in byte order
        {"..\\..\\Resource.h", "resource.h"},       // ".." stops at the drive root
        {"?uk.txt", "?uk.txt"},                     // "?" never stands for an unspellable name
        {z + "\\STDAFX.CPP", "stdafx.cpp"},         // the same files through Z:
    };
    for (const auto& [path, relative] : cases) {
        const auto host = m_fs.toHostPath(path);
        ASSERT_TRUE(host) << path << ": " << host.message();
        EXPECT_EQ(*host, m_folder.host(relative)) << path;
    }
    EXPECT_EQ(*m_fs.toHostPath("P:\\"), m_folder.path());
}

TEST_F(FileSystemPaths, RejectsUnmappedDrivesAndUncPaths)
{
    m_fs.unmapDrive('Z');
    const std::pair<std::string, std::string> cases[] = {
        {"Q:\\a.h", "Drive Q: is not mapped to a host folder"},
        {"Z:\\tmp", "Drive Z: is not mapped to a host folder"},
        {"\\\\srv\\share", "The path '\\\\srv\\share' is a network (UNC) or device path; only drive paths are supported"},
    };
    for (const auto& [path, message] : cases) {
        EXPECT_EQ(m_fs.toHostPath(path).message(), message);
        // File operations carry the same reason under the usual file error.
        const auto read = m_fs.readWholeFile(path);
        EXPECT_EQ(read.message(), "File '" + path + "' could not be opened / read / written\n" + message);
        EXPECT_FALSE(m_fs.exists(path));
    }
    EXPECT_TRUE(m_fs.exists("P:\\stdafx.cpp"));
}

TEST_F(FileSystemPaths, GivesHostPathsInWindowsForm)
{
    m_fs.mapDrive('q', m_folder.host("Res/")); // inside P:'s folder: the longer folder wins
    const std::pair<std::string, std::string> cases[] = {
        {m_folder.path(), "P:\\"},
        {m_folder.host("stdafx.cpp"), "P:\\stdafx.cpp"},
        {m_folder.path() + "//./Res/../caf\xC3\xA9.txt/", "P:\\caf\xE9.txt"},
        {m_folder.host("Res/App.ico"), "Q:\\App.ico"},
        {m_folder.host("Resources"), "P:\\Resources"},  // a prefix, not the folder
        {"/", "Z:\\"},
        {"/usr/lib", "Z:\\usr\\lib"},
        {"/../usr/./lib", "Z:\\usr\\lib"},
    };
    for (const auto& [host, windows] : cases)
        EXPECT_EQ(m_fs.toWindowsPath(host), windows) << host;

    // Relative host paths start at the process's directory.
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(m_fs.toWindowsPath("sub/x.h"), m_fs.toWindowsPath(std::string(cwd) + "/sub/x.h"));
    EXPECT_EQ(m_fs.toWindowsPath(""), m_fs.toWindowsPath(cwd));
}

TEST_F(FileSystemPaths, NonAsciiNamesRoundTripThroughTheCodePage)
{
    const std::string name = "\xDC" "ber \x80 \x8A.txt"; // Über € Š in 1252
    ASSERT_TRUE(m_fs.writeWholeFile(name, "u"));
    EXPECT_EQ(m_folder.read("\xC3\x9C" "ber \xE2\x82\xAC \xC5\xA0.txt"), "u");

    const auto names = m_fs.listFolder("P:\\");
    ASSERT_TRUE(names);
    EXPECT_NE(std::find(names->begin(), names->end(), name), names->end());
    EXPECT_NE(std::find(names->begin(), names->end(), "?uk.txt"), names->end());
    EXPECT_EQ(m_fs.toWindowsPath(*m_fs.toHostPath(name)), "P:\\" + name);

    // Under Latin-1 the same host name reads differently: the euro sign is not in it.
    m_fs.setCodePage(platform::CodePage(platform::CodePage::Id::Latin1));
    EXPECT_EQ(m_fs.toWindowsPath(m_folder.host("\xC3\x9C" "ber \xE2\x82\xAC \xC5\xA0.txt")), "P:\\\xDC" "ber ? ?.txt");
}

TEST_F(FileSystemPaths, CurrentDirectoryMustBeAnExistingFolder)
{
    ASSERT_TRUE(m_fs.setCurrentDirectory("res"));
    EXPECT_EQ(m_fs.currentDirectory(), "P:\\res"); // the spelling given is kept
    EXPECT_EQ(*m_fs.toHostPath("app.ico"), m_folder.host("Res/App.ico"));
    EXPECT_EQ(*m_fs.absolutePath("..\\x"), "P:\\x");

    const std::pair<std::string, int> failures[] = {{"..\\stdafx.cpp", ENOTDIR}, {"..\\missing", ENOENT}};
    for (const auto& [path, error] : failures) {
        const auto status = m_fs.setCurrentDirectory(path);
        EXPECT_EQ(status.message(), FileSystem::fileErrorMessage(path, error));
        EXPECT_EQ(status.code(), error);
    }
    EXPECT_EQ(m_fs.currentDirectory(), "P:\\res");
}

TEST(FileSystemDefaults, StartsInTheProcessDirectoryOnZ)
{
    FileSystem fs;
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    EXPECT_EQ(fs.currentDirectory(), fs.toWindowsPath(cwd));
    EXPECT_EQ(*fs.toHostPath(fs.currentDirectory()), cwd);
    EXPECT_EQ(*fs.toHostPath("Z:\\"), "/");
}

} // namespace
