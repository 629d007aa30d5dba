#include "CliRun.h"
#include "cli/CliCommand.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>

namespace morva::cli {
namespace {

TEST(Cli, PropStringOfNewForms)
{
    const CliRun form = Morva({"propstring", "Form"});
    EXPECT_EQ(form.status, kExitOk);
    EXPECT_EQ(form.out,
              "1,12632256,1,MS Sans Serif,0,0,14,0,0,0,213,0,0,0,0,0,Tag,0,1,312,0,2,Form1,1,1,13,0,1,0,1,1,0,0,0,Form1,"
              "1,0,1,1,1,0,0,0,0,10,0,3,0,10,1,0,0,0,0,\n");
    EXPECT_EQ(Morva({"propstring", "cxmdiform"}).out,
              "1,8421504,1,213,0,0,0,0,0,Tag,0,1,312,1,MDIForm,0,0,Form,1,1,0,0,1,0,0,0,\n");
    EXPECT_EQ(Morva({"propstring", "Timer"}).out, "1,0,0,0,,0,\n");
}

TEST(Cli, CatalogueListsPropertiesEventsAndMethods)
{
    const CliRun run = Morva({"catalogue", "TextBox"});
    ASSERT_EQ(run.status, kExitOk) << run.err;
    EXPECT_NE(run.out.find("TextBox: class CXTextBox, type code 103"), std::string::npos);
    EXPECT_NE(run.out.find("Properties (44, 39 listed"), std::string::npos);
    EXPECT_NE(run.out.find("OLEDropMode         UINT      \"0\"  [0 - None | 1 - Manual | 2 - Automatic]"),
              std::string::npos);
    EXPECT_NE(run.out.find("  DROPEFFECT OLEDragDrop(COleDataObject* pDataObject"), std::string::npos);
    EXPECT_NE(run.out.find("Methods (11):\n  Drag(int nAction)\n"), std::string::npos);
    // Properties appear in the order of the property value string.
    EXPECT_LT(run.out.find("\n  Appearance"), run.out.find("\n  Text "));
}

TEST(Cli, ErrorsGoToStandardErrorWithAFailingStatus)
{
    struct Case {
        std::vector<std::string> args;
        const char* message;
    };
    const Case cases[] = {
        {{}, "usage: morva COMMAND"},
        {{"frobnicate"}, "morva: unknown command 'frobnicate'"},
        {{"catalogue"}, "expected one type name"},
        {{"catalogue", "TextBox", "Label"}, "expected one type name"},
        {{"propstring", "Textbox1"}, "unknown type 'Textbox1'; known types: Form, MDIForm, PictureBox"},
    };
    for (const Case& c : cases) {
        const CliRun run = Morva(c.args);
        EXPECT_NE(run.status, kExitOk);
        EXPECT_TRUE(run.out.empty());
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
}

TEST(Cli, HelpDescribesEveryCommand)
{
    const CliRun overview = Morva({"--help"});
    EXPECT_EQ(overview.status, kExitOk);
    for (const CliCommand& command : CommandTable()) {
        EXPECT_NE(overview.out.find(command.name), std::string::npos);
        for (const std::vector<std::string>& args :
             {std::vector<std::string>{command.name, "--help"}, std::vector<std::string>{"help", command.name}}) {
            const CliRun help = Morva(args);
            EXPECT_EQ(help.status, kExitOk);
            EXPECT_NE(help.out.find(std::string("usage: morva ") + command.name), std::string::npos);
        }
    }
}

TEST(Cli, TheExecutableReportsItsStatus)
{
    const char* binDir = std::getenv("MORVA_BIN_DIR");
    if (!binDir)
        GTEST_SKIP() << "MORVA_BIN_DIR is not set";
    const std::string morva = std::string(binDir) + "/morva";
    EXPECT_EQ(std::system((morva + " propstring Line > /dev/null").c_str()), 0);
    EXPECT_NE(std::system((morva + " catalogue NoSuchType 2> /dev/null").c_str()), 0);
}

} // namespace
} // namespace morva::cli
