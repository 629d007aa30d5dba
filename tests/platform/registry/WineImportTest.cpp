#include "platform/base/FileSystem.h"
#include "platform/registry/Registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace platform {
namespace {

using namespace std::string_literals;

// Hand-written in the layout of a Wine prefix's system.reg.
constexpr std::string_view kSystemReg =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\Machine\n"
    "\n"
    "#arch=win32\n"
    "\n"
    "[Software\\\\Classes\\\\CLSID\\\\{0713E8A2-850A-101B-AFC0-4210102A8DA7}] 1700000000\n"
    "#time=1d9a3c5e8f00000\n"
    "@=\"Grid Control\"\n"
    "\n"
    "[Software\\\\Classes\\\\CLSID\\\\{0713E8A2-850A-101B-AFC0-4210102A8DA7}\\\\Control] 1700000000\n"
    "#time=1d9a3c5e8f00000\n"
    "\n"
    "[Software\\\\Classes\\\\CLSID\\\\{0713E8A2-850A-101B-AFC0-4210102A8DA7}\\\\InprocServer32] 1700000000\n"
    "#time=1d9a3c5e8f00000\n"
    "@=\"C:\\\\windows\\\\system32\\\\grid.ocx\"\n"
    "\"ThreadingModel\"=\"Apartment\"\n"
    "\n"
    "[Software\\\\Microsoft\\\\Windows NT\\\\CurrentVersion] 1700000001\r\n"
    "#time=1d9a3c5e8f00001\r\n"
    "\"CurrentVersion\"=\"6.1\"\r\n"
    "\"PathExt\"=str(2):\"%SystemRoot%\\\\x\"\r\n"
    "\"Caf\\xe9\"=\"\\x20ac \\x4e2d \\xd83d\\xde00\"\r\n"
    "\"Escapes\"=\"tab\\there \\\"q\\\" \\\\ \\101\\0end\"\r\n"
    "\"Multi\"=hex(7):61,00,00,00,e9,00,63,00,00,00,00,00\r\n"
    "\"Install\"=dword:00000001\r\n"
    "\"Blob\"=hex:de,ad,\\\r\n"
    "  be,ef\r\n"
    "\"Env\"=hex(2):25,00,41,00,25,00,00,00\r\n"
    "\n"
    "[Software\\\\Odd\\[1\\]] 1700000002\n";

constexpr std::string_view kUserReg =
    "WINE REGISTRY Version 2\n"
    ";; All keys relative to \\\\User\\\\S-1-5-21-0-0-0-1000\n"
    "\n"
    "#arch=win32\n"
    "\n"
    "[Software\\\\Microsoft\\\\DevStudio\\\\6.0\\\\Text Editor\\\\Tabs/Language Settings\\\\C/C++] 1700000000\n"
    "#time=1d9a3c5e8f00000\n"
    "\"TabSize\"=dword:00000004\n";

constexpr std::string_view kClsid = "{0713E8A2-850A-101B-AFC0-4210102A8DA7}";

TEST(WineImportTest, ControlRegisteredInThePrefixIsListedUnderTheClassesRoot)
{
    Registry registry;
    Status status = registry.importWineText(kSystemReg, "system.reg", RegistryRoot::LocalMachine);
    ASSERT_TRUE(status) << status.message();

    // The catalogue's walk: open CLSID, enumerate with a 261-byte buffer, read defaults.
    auto clsid = registry.openKey(registry.root(RegistryRoot::ClassesRoot), "CLSID");
    ASSERT_TRUE(clsid.isOk()) << clsid.message();
    auto name = registry.enumKey(*clsid, 0, 261);
    ASSERT_TRUE(name.isOk());
    EXPECT_EQ(*name, kClsid);
    EXPECT_EQ(registryCode(registry.enumKey(*clsid, 1, 261)), RegistryCode::NoMoreItems);
    auto control = *registry.openKey(*clsid, *name);
    EXPECT_TRUE(registry.openKey(control, "Control").isOk());
    EXPECT_EQ(registry.queryDefault(control, "InprocServer32", 520).valueOr("?"), "C:\\windows\\system32\\grid.ocx");
    EXPECT_EQ(registry.queryDefault(*clsid, *name, 520).valueOr("?"), "Grid Control");

    // The same keys are there under the local machine.
    auto machine = registry.openKey(registry.root(RegistryRoot::LocalMachine),
                                    "Software\\Classes\\CLSID\\" + std::string(kClsid) + "\\InprocServer32");
    ASSERT_TRUE(machine.isOk());
    EXPECT_EQ(registry.queryValue(*machine, "ThreadingModel")->text(), "Apartment");
}

TEST(WineImportTest, UnicodeTextBecomesCodePageText)
{
    Registry registry;
    ASSERT_TRUE(registry.importWineText(kSystemReg, "system.reg", RegistryRoot::LocalMachine));
    auto key = *registry.openKey(registry.root(RegistryRoot::LocalMachine), "Software\\Microsoft\\Windows NT\\CurrentVersion");

    auto path = *registry.queryValue(key, "PathExt");
    EXPECT_EQ(path.type(), RegistryValue::ExpandString);
    EXPECT_EQ(path.data(), "%SystemRoot%\\x\0"s);
    // U+20AC is the euro sign of code page 1252; a CJK character and an emoji have no byte.
    EXPECT_EQ(registry.queryValue(key, "Caf\xE9")->text(), "\x80 ? ?");
    EXPECT_EQ(registry.queryValue(key, "Escapes")->data(), "tab\there \"q\" \\ A\0end\0"s);
    EXPECT_EQ(registry.queryValue(key, "Multi")->strings(), (std::vector<std::string>{"a", "\xE9" "c"}));
    EXPECT_EQ(registry.queryValue(key, "Multi")->data(), "a\0\xE9" "c\0\0"s);
    EXPECT_EQ(registry.queryValue(key, "Install")->firstDword(), 1u);
    EXPECT_EQ(registry.queryValue(key, "Blob")->data(), "\xDE\xAD\xBE\xEF");
    EXPECT_EQ(registry.queryValue(key, "Env")->data(), "%A%\0"s);
    EXPECT_TRUE(registry.openKey(registry.root(RegistryRoot::LocalMachine), "Software\\Odd[1]").isOk());

    // What was imported saves as REGEDIT4 and reads back the same.
    Registry copy;
    ASSERT_TRUE(copy.loadRegText(registry.toRegText(), "copy.reg"));
    EXPECT_TRUE(copy == registry);
}

TEST(WineImportTest, MalformedWineFilesNameTheLineAndChangeNothing)
{
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"REGEDIT4\n", "user.reg, line 1: the first line is not WINE REGISTRY Version 2"},
        {"WINE REGISTRY Version 2\n\"a\"=\"b\"\n", "user.reg, line 2: a value comes before the first [key] line"},
        {"WINE REGISTRY Version 2\n[Software\\\\A 170\n", "user.reg, line 2: the [key] line has no closing ']'"},
        {"WINE REGISTRY Version 2\n[Software\\\\\\\\A] 1\n", "user.reg, line 2: a key name is empty"},
        {"WINE REGISTRY Version 2\n[A] 1\n\"v\"=str(2):\"x\n", "user.reg, line 3: a string has no closing quote"},
        {"WINE REGISTRY Version 2\n[A] 1\n\"v\"=str(2)x\n",
         "user.reg, line 3: str( is not followed by a value type in hex and \"):\""},
        {"WINE REGISTRY Version 2\n[A] 1\n\"v\"=dword:1234567890\n",
         "user.reg, line 3: '1234567890' is not a 32-bit number in hex (1 to 8 digits)"},
        {"WINE REGISTRY Version 2\n[A] 1\n\"v\"=hex:01,\\\n  0x\n", "user.reg, line 4: '0x' is not a byte in hex (00 to ff)"},
        {"WINE REGISTRY Version 2\n[A] 1\n\"v\"=hex:01,\\\n", "user.reg, line 3: the file ends inside a value continued with a backslash"},
        {"WINE REGISTRY Version 2\n[A] 1\n\"v\"=-\n",
         "user.reg, line 3: unknown value data '-' (expected \"...\", str(n):, dword:, hex: or hex(n):)"},
        {"WINE REGISTRY Version 2\n[A\\n] 1\n", "user.reg, line 2: a key name contains a line break or a NUL character"},
    };
    Registry registry;
    ASSERT_TRUE(registry.importWineText(kUserReg, "user.reg", RegistryRoot::CurrentUser));
    const std::string before = registry.toRegText();
    for (const Case& c : cases) {
        Status status = registry.importWineText(c.text, "user.reg", RegistryRoot::CurrentUser);
        EXPECT_EQ(status.message(), c.error) << c.text;
        EXPECT_EQ(registry.toRegText(), before) << c.text;
    }
}

class WinePrefixTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "morva-wine-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    void write(const std::string& name, std::string_view text)
    {
        std::ofstream out(m_folder / name, std::ios::binary);
        out << text;
    }
    std::string prefix() const { return m_files.toWindowsPath(m_folder.string()); }

    std::filesystem::path m_folder;
    FileSystem m_files;
};

TEST_F(WinePrefixTest, ImportsSystemAndUserFilesIntoTheirRoots)
{
    write("system.reg", kSystemReg);
    write("user.reg", kUserReg);
    Registry registry;
    Status status = registry.importWinePrefix(m_files, prefix());
    ASSERT_TRUE(status) << status.message();

    EXPECT_TRUE(registry.openKey(registry.root(RegistryRoot::ClassesRoot), "CLSID\\" + std::string(kClsid)).isOk());
    auto tabs = registry.openKey(registry.root(RegistryRoot::CurrentUser),
                                 "Software\\Microsoft\\DevStudio\\6.0\\Text Editor\\Tabs/Language Settings\\C/C++");
    ASSERT_TRUE(tabs.isOk()) << tabs.message();
    EXPECT_EQ(registry.enumValue(*tabs, 0, 261)->name, "TabSize");
    EXPECT_EQ(registry.enumValue(*tabs, 0, 261)->value.firstDword(), 4u);
}

TEST_F(WinePrefixTest, OneBadFileImportsNeither)
{
    write("system.reg", kSystemReg);
    write("user.reg", std::string(kUserReg) + "\"Broken\"=dword:\n");
    Registry registry;
    const std::string before = registry.toRegText();
    Status status = registry.importWinePrefix(m_files, prefix());
    EXPECT_EQ(status.message(), prefix() + "\\user.reg, line 9: '' is not a 32-bit number in hex (1 to 8 digits)");
    EXPECT_EQ(registry.toRegText(), before);

    // A prefix with only one of the files is fine; one with neither is an error.
    std::filesystem::remove(m_folder / "user.reg");
    EXPECT_TRUE(registry.importWinePrefix(m_files, prefix()));
    std::filesystem::remove(m_folder / "system.reg");
    EXPECT_EQ(registryCode(registry.importWinePrefix(m_files, prefix())), RegistryCode::FileNotFound);
}

} // namespace
} // namespace platform
