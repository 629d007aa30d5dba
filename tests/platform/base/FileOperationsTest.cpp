#include "platform/base/FileSystem.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>

using platform::FileSystem;

namespace {

class FileOperations : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_fs.mapDrive('P', m_folder.path());
        ASSERT_TRUE(m_fs.setCurrentDirectory("P:\\"));
    }

    void expectFailure(const platform::Status& status, const std::string& path, int error)
    {
        EXPECT_EQ(status.message(), FileSystem::fileErrorMessage(path, error));
        EXPECT_EQ(status.code(), error);
    }

    TempFolder m_folder;
    FileSystem m_fs;
};

TEST_F(FileOperations, ReadsBackWhatWasWrittenByteForByte)
{
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    const std::string texts[] = {"", "line 1\r\nline 2\r\n", everyByte, std::string(300000, 'z')};
    for (const std::string& text : texts) {
        ASSERT_TRUE(m_fs.writeWholeFile("P:\\data.bin", text));
        const auto read = m_fs.readWholeFile(".\\DATA.bin");
        ASSERT_TRUE(read);
        EXPECT_EQ(*read, text);
        EXPECT_EQ(m_fs.attributes("data.bin")->size, text.size());
    }
}

TEST_F(FileOperations, ReportsReadFailuresWithTheGivenPath)
{
    m_folder.write("sub/a.txt", "a");
    const std::pair<std::string, int> cases[] = {
        {".\\missing.txt", ENOENT}, {"sub", EISDIR}, {"sub\\a.txt\\b", ENOTDIR}};
    for (const auto& [path, error] : cases) {
        const auto read = m_fs.readWholeFile(path);
        EXPECT_FALSE(read);
        EXPECT_EQ(read.code(), error);
        EXPECT_EQ(read.message(), "File '" + path + "' could not be opened / read / written\n" + std::strerror(error));
    }
}

TEST_F(FileOperations, MakesOneFolderLevelAtATime)
{
    ASSERT_TRUE(m_fs.makeFolder("Project"));
    EXPECT_TRUE(m_fs.isDirectory("PROJECT"));
    ASSERT_TRUE(m_fs.makeFolder("project\\res")); // the parent found ignoring case
    EXPECT_TRUE(m_fs.isDirectory("P:\\Project\\res"));
    expectFailure(m_fs.makeFolder("Project"), "Project", EEXIST);
    expectFailure(m_fs.makeFolder("a\\b"), "a\\b", ENOENT);
    EXPECT_FALSE(m_fs.exists("a"));
}

TEST_F(FileOperations, CopiesAndRemovesFiles)
{
    m_folder.write("pics/Logo.bmp", "BM1");
    chmod(m_folder.host("pics/Logo.bmp").c_str(), 0604);
    ASSERT_TRUE(m_fs.makeFolder("res"));

    ASSERT_TRUE(m_fs.copyFile("pics\\logo.bmp", "res\\logo.bmp", true));
    EXPECT_EQ(m_folder.read("res/logo.bmp"), "BM1");
    struct stat st {};
    ASSERT_EQ(stat(m_folder.host("res/logo.bmp").c_str(), &st), 0);
    const mode_t mask = umask(022);
    umask(mask);
    EXPECT_EQ(st.st_mode & 0777, 0604u & ~mask) << "a new copy takes the source's bits";

    m_folder.write("pics/Logo.bmp", "BM2");
    expectFailure(m_fs.copyFile("pics\\logo.bmp", "res\\LOGO.bmp", true), "res\\LOGO.bmp", EEXIST);
    EXPECT_EQ(m_folder.read("res/logo.bmp"), "BM1");
    ASSERT_TRUE(m_fs.copyFile("pics\\logo.bmp", "res\\LOGO.bmp", false)); // overwritten in place
    EXPECT_EQ(m_folder.read("res/logo.bmp"), "BM2");
    EXPECT_EQ(m_folder.listing("res"), "logo.bmp|");
    expectFailure(m_fs.copyFile("pics\\none.bmp", "res\\none.bmp", false), "pics\\none.bmp", ENOENT);

    expectFailure(m_fs.removeFolder("res"), "res", ENOTEMPTY);
    expectFailure(m_fs.removeFile("res"), "res", EISDIR);
    ASSERT_TRUE(m_fs.removeFile("RES\\Logo.BMP"));
    EXPECT_FALSE(m_fs.exists("res\\logo.bmp"));
    expectFailure(m_fs.removeFile("res\\logo.bmp"), "res\\logo.bmp", ENOENT);
    ASSERT_TRUE(m_fs.removeFolder("res"));
    EXPECT_FALSE(m_fs.exists("res"));
}

TEST_F(FileOperations, DescribesFilesAndFolders)
{
    m_folder.write("b.txt", "12345");
    m_folder.write("A/x", "");
    m_folder.write("c.txt", "");

    const auto file = m_fs.attributes("B.TXT");
    ASSERT_TRUE(file);
    EXPECT_FALSE(file->isDirectory);
    EXPECT_FALSE(file->isReadOnly);
    EXPECT_EQ(file->size, 5u);
    EXPECT_LE(std::abs(file->modifiedSeconds - static_cast<int64_t>(std::time(nullptr))), 60);
    EXPECT_TRUE(m_fs.attributes("a")->isDirectory);
    expectFailure(m_fs.attributes("none").status(), "none", ENOENT);

    EXPECT_EQ(*m_fs.listFolder("."), (std::vector<std::string>{"A", "b.txt", "c.txt"}));
    expectFailure(m_fs.listFolder("b.txt").status(), "b.txt", ENOTDIR);

    EXPECT_TRUE(m_fs.isWritable("new.txt"));
    EXPECT_FALSE(m_fs.isWritable("none\\new.txt"));
    EXPECT_FALSE(m_fs.isWritable("b.txt\\new.txt"));
    EXPECT_TRUE(m_fs.exists("A\\X"));
    EXPECT_FALSE(m_fs.isDirectory("A\\X"));
}

} // namespace
