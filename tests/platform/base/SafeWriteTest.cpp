#include "platform/base/FileSystem.h"

#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <cerrno>
#include <csignal>

using platform::FileSystem;
using WriteStep = FileSystem::WriteStep;

namespace {

const std::string kOld = "old text\r\nline 2\r\n";

class SafeWrite : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder.write("Form1.cpp", kOld);
        chmod(m_folder.host("Form1.cpp").c_str(), 0640);
        m_fs.mapDrive('P', m_folder.path());
        ASSERT_TRUE(m_fs.setCurrentDirectory("P:\\"));
        m_listing = m_folder.listing();
    }

    // The old file is whole, nothing was left beside it, and the message is the file error.
    void expectFailedWrite(const platform::Status& status, const std::string& path, int error)
    {
        EXPECT_FALSE(status);
        EXPECT_EQ(status.message(), FileSystem::fileErrorMessage(path, error));
        EXPECT_EQ(status.code(), error);
        EXPECT_EQ(m_folder.read("Form1.cpp"), kOld);
        EXPECT_EQ(m_folder.listing(), m_listing);
    }

    TempFolder m_folder;
    FileSystem m_fs;
    std::string m_listing;
};

TEST_F(SafeWrite, ReplacesTheFileKeepingItsPermissions)
{
    ASSERT_TRUE(m_fs.writeWholeFile(".\\FORM1.CPP", "new"));
    EXPECT_EQ(m_folder.read("Form1.cpp"), "new");
    EXPECT_EQ(m_folder.listing(), m_listing); // no second spelling, no temporary
    struct stat st {};
    ASSERT_EQ(stat(m_folder.host("Form1.cpp").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}

TEST_F(SafeWrite, AFailureAtAnyStepLeavesTheOldFileWhole)
{
    const std::string big(100000, 'n'); // a short write leaves half of it in the temporary
    const std::pair<WriteStep, int> cases[] = {
        {WriteStep::CreateTemporary, EMFILE},
        {WriteStep::Write, ENOSPC},
        {WriteStep::Sync, EIO},
        {WriteStep::Replace, EXDEV},
    };
    for (const auto& [step, error] : cases) {
        m_fs.simulateWriteFailure(step, error);
        expectFailedWrite(m_fs.writeWholeFile(".\\form1.cpp", big), ".\\form1.cpp", error);
        expectFailedWrite(m_fs.copyFile("P:\\Form1.cpp", "P:\\Form1.cpp", false), "P:\\Form1.cpp", error);
    }
    m_fs.simulateWriteFailure(WriteStep::None, 0);
    EXPECT_TRUE(m_fs.writeWholeFile(".\\form1.cpp", big));
}

TEST_F(SafeWrite, ARealShortWriteLeavesTheOldFileWhole)
{
    // The file-size limit makes the kernel stop the write part-way, for root as well.
    struct rlimit saved {};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &limited), 0);

    const platform::Status status = m_fs.writeWholeFile("Form1.cpp", std::string(100000, 'x'));

    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    expectFailedWrite(status, "Form1.cpp", EFBIG);
}

TEST_F(SafeWrite, AReadOnlyFileIsNotReplaced)
{
    ASSERT_TRUE(m_fs.setReadOnly("form1.cpp", true));
    EXPECT_TRUE(m_fs.attributes("form1.cpp")->isReadOnly);
    EXPECT_FALSE(m_fs.isWritable("form1.cpp"));
    expectFailedWrite(m_fs.writeWholeFile("form1.cpp", "new"), "form1.cpp", EACCES);
    expectFailedWrite(m_fs.removeFile("form1.cpp"), "form1.cpp", EACCES);

    ASSERT_TRUE(m_fs.setReadOnly("form1.cpp", false));
    EXPECT_TRUE(m_fs.isWritable("form1.cpp"));
    EXPECT_TRUE(m_fs.writeWholeFile("form1.cpp", "new"));
}

TEST_F(SafeWrite, AFolderThatRefusesTheTemporaryLeavesTheOldFileWhole)
{
    if (runningAsRoot())
        GTEST_SKIP() << "permission bits do not stop root";
    chmod(m_folder.path().c_str(), 0555);
    EXPECT_FALSE(m_fs.isWritable("new.cpp"));
    expectFailedWrite(m_fs.writeWholeFile("Form1.cpp", "new"), "Form1.cpp", EACCES);
}

TEST_F(SafeWrite, WritesThroughSymbolicLinks)
{
    m_folder.write("real/target.h", "old");
    ASSERT_EQ(symlink("real/target.h", m_folder.host("link.h").c_str()), 0);     // relative
    ASSERT_EQ(symlink(m_folder.host("link.h").c_str(), m_folder.host("chain.h").c_str()), 0);
    ASSERT_EQ(symlink("real/created.h", m_folder.host("dangling.h").c_str()), 0); // no target yet

    const std::pair<std::string, std::string> cases[] = {
        {"LINK.H", "real/target.h"}, {"chain.h", "real/target.h"}, {"dangling.h", "real/created.h"}};
    for (const auto& [link, target] : cases) {
        ASSERT_TRUE(m_fs.writeWholeFile(link, "via " + link)) << link;
        EXPECT_EQ(m_folder.read(target), "via " + link);
        struct stat st {};
        ASSERT_EQ(lstat(m_folder.host(link == "LINK.H" ? "link.h" : link).c_str(), &st), 0);
        EXPECT_TRUE(S_ISLNK(st.st_mode)) << link;
    }
    EXPECT_EQ(m_folder.listing("real"), "created.h|target.h|");

    ASSERT_EQ(symlink("loop.h", m_folder.host("loop.h").c_str()), 0);
    m_listing = m_folder.listing();
    expectFailedWrite(m_fs.writeWholeFile("loop.h", "x"), "loop.h", ELOOP);
}

TEST_F(SafeWrite, HandlesLongNamesAndFolders)
{
    const std::string longName(250, 'a'); // leaves no room for a longer temporary name
    ASSERT_TRUE(m_fs.writeWholeFile(longName, "long"));
    EXPECT_EQ(m_folder.read(longName), "long");

    m_folder.write("Res/keep.txt", "");
    m_listing = m_folder.listing();
    expectFailedWrite(m_fs.writeWholeFile("res", "x"), "res", EISDIR);
    expectFailedWrite(m_fs.writeWholeFile("missing\\a.txt", "x"), "missing\\a.txt", ENOENT);
    expectFailedWrite(m_fs.writeWholeFile("Form1.cpp\\a.txt", "x"), "Form1.cpp\\a.txt", ENOTDIR);
}

} // namespace
