#include "CliRun.h"
#include "cli/CliCommand.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <sstream>

namespace morva::cli {
namespace {

// The Windows form of a host path under Z:.
std::string WindowsPath(std::string host)
{
    for (char& c : host)
        if (c == '/')
            c = '\\';
    return "Z:" + host;
}

TEST(NewProjectCommand, GeneratesTheProjectAndListsItsFiles)
{
    TempFolder folder;
    const CliRun run = Morva({"new-project", "--location", folder.path(), "--name", "test"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(run.err, "");
    const std::string project = WindowsPath(folder.path()) + "\\test\\";
    EXPECT_EQ(run.out, project + "test.h\n" + project + "test.cpp\n" + project + "form1.h\n" + project +
                           "form1.cpp\n" + project + "test.rc\n" + project + "resource.h\n" + project +
                           "res\\test.rc2\n" + project + "stdafx.h\n" + project + "stdafx.cpp\n" + project +
                           "test.dsp\n" + project + "test.dsw\n");
    EXPECT_EQ(folder.listing("test"),
              "form1.cpp|form1.h|res|resource.h|stdafx.cpp|stdafx.h|test.cpp|test.dsp|test.dsw|test.h|test.rc|");
    EXPECT_NE(folder.read("test/test.dsp").find("# ADD LINK32 tfx6.lib "), std::string::npos);
}

TEST(NewProjectCommand, AppliesTheOptionsInTypingOrder)
{
    TempFolder folder;
    // The class names the files first; --header then overrides one of them.
    const CliRun run = Morva({"new-project", "--location", folder.path() + "/", "--name", "app", "--class", "CMain",
                              "--header", "mainform.h", "--mdi", "--ide-version", "5.0"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_EQ(folder.listing("app"),
              "app.cpp|app.dsp|app.dsw|app.h|app.rc|main.cpp|mainform.h|res|resource.h|stdafx.cpp|stdafx.h|");
    EXPECT_NE(folder.read("app/mainform.h").find("class CMain : public CXMdiForm\r\n"), std::string::npos);
    EXPECT_NE(folder.read("app/app.dsp").find("Format Version 5.00\r\n"), std::string::npos);
    EXPECT_NE(folder.read("app/app.dsp").find("tfx5d.lib"), std::string::npos);
}

TEST(NewProjectCommand, AnExistingLocationIsRefusedAndNothingIsWritten)
{
    TempFolder folder;
    folder.write("test/keep.txt", "mine");
    const CliRun run = Morva({"new-project", "--location", folder.path(), "--name", "test"});
    EXPECT_EQ(run.status, kExitFailure);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "A workspace with the specified name already exists at the specified location.\n");
    EXPECT_EQ(folder.listing("test"), "keep.txt|");
}

TEST(NewProjectCommand, AFailedGenerationShowsBothMessages)
{
    TempFolder folder;
    const CliRun run = Morva({"new-project", "--location", folder.path() + "/missing", "--name", "test"});
    EXPECT_EQ(run.status, kExitFailure);
    const std::string firstFile = WindowsPath(folder.path()) + "\\missing\\test\\test.h";
    EXPECT_EQ(run.err, "File '" + firstFile + "' could not be opened / read / written\n" + std::strerror(ENOENT) +
                           "\nError in generating project\n");
    EXPECT_EQ(folder.listing(), "");
}

TEST(NewProjectCommand, BadArgumentsAreUsageErrors)
{
    struct Case {
        std::vector<std::string> args;
        int status;
        const char* message;
    };
    const Case cases[] = {
        {{"new-project", "--name", "test"}, kExitUsage, "--location and --name are required"},
        {{"new-project", "--location", "/tmp"}, kExitUsage, "--location and --name are required"},
        {{"new-project", "--location", "/tmp", "--name"}, kExitUsage, "--name needs a value"},
        {{"new-project", "--location", "/tmp", "--name", "t", "--ide-version", "6"}, kExitUsage,
         "--ide-version must be 6.0 or 5.0"},
        {{"new-project", "--location", "/tmp", "--name", "t", "--sdi"}, kExitUsage, "unknown argument '--sdi'"},
        // The class "C" empties both file fields, which keeps OK disabled.
        {{"new-project", "--location", "/tmp", "--name", "t", "--class", "C"}, kExitFailure, "OK stays disabled"},
        {{"new-project", "--location", "/tmp", "--name", ""}, kExitFailure, "OK stays disabled"},
    };
    for (const Case& c : cases) {
        const CliRun run = Morva(c.args);
        EXPECT_EQ(run.status, c.status) << c.message;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

} // namespace
} // namespace morva::cli
