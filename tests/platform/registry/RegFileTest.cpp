#include "platform/base/FileSystem.h"
#include "platform/registry/Registry.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace platform {
namespace {

RegistryKey makeKey(Registry& registry, RegistryRoot root, std::string_view path)
{
    auto key = registry.createKey(registry.root(root), path);
    EXPECT_TRUE(key.isOk()) << key.message();
    return key.valueOr(RegistryKey());
}

// A tree with every value kind and names that need escaping or are outside ASCII.
void fillTree(Registry& registry)
{
    RegistryKey control = makeKey(registry, RegistryRoot::ClassesRoot, "CLSID\\{1A2B3C4D-0000-0000-0000-00000000ABCD}");
    ASSERT_TRUE(registry.setValue(control, "", RegistryValue::fromString("Caf\xE9 \"Grid\" \\ Control")));
    ASSERT_TRUE(registry.setDefault(control, "InprocServer32", "C:\\Program Files\\Grid\\grid.ocx"));
    ASSERT_TRUE(registry.setValue(*registry.openKey(control, "InprocServer32"), "ThreadingModel",
                                  RegistryValue::fromString("both")));
    makeKey(registry, RegistryRoot::ClassesRoot, "CLSID\\{1A2B3C4D-0000-0000-0000-00000000ABCD}\\Control");

    RegistryKey odd = makeKey(registry, RegistryRoot::CurrentUser, "Software\\Brindle\\Na\"me\\Sp ace ]\\\x80\x9F\xFF");
    ASSERT_TRUE(registry.setValue(odd, "Quote\"And\\Back\\\\slash", RegistryValue::fromString("a\\\"b\"")));
    ASSERT_TRUE(registry.setValue(odd, "\xC4nderung \xA9", RegistryValue::fromString("\x80\x81\x8D\xA0\xFF")));
    ASSERT_TRUE(registry.setValue(odd, "Empty", RegistryValue::fromString("")));
    ASSERT_TRUE(registry.setValue(odd, "Dword", RegistryValue::fromDword(0x0000abcd)));
    ASSERT_TRUE(registry.setValue(odd, "Max", RegistryValue::fromDword(0xFFFFFFFF)));
    ASSERT_TRUE(registry.setValue(odd, "Expand", RegistryValue::fromExpandString("%SystemRoot%\\system32")));
    ASSERT_TRUE(registry.setValue(odd, "Multi", RegistryValue::fromStrings({"one", "", "three"})));
    std::string allBytes;
    for (int i = 0; i < 256; ++i)
        allBytes.push_back(static_cast<char>(i));
    ASSERT_TRUE(registry.setValue(odd, "Binary", RegistryValue::fromBinary(allBytes)));
    ASSERT_TRUE(registry.setValue(odd, "NoBytes", RegistryValue::fromBinary("")));
    // Strings a quoted string cannot carry, and types without a name of their own.
    ASSERT_TRUE(registry.setValue(odd, "Lines", RegistryValue::fromString("first\r\nsecond")));
    ASSERT_TRUE(registry.setValue(odd, "Unterminated", RegistryValue(RegistryValue::String, "abc")));
    ASSERT_TRUE(registry.setValue(odd, "ShortDword", RegistryValue(RegistryValue::Dword, "\x01\x02")));
    ASSERT_TRUE(registry.setValue(odd, "Qword", RegistryValue(0xB, std::string("\x01\0\0\0\0\0\0\x80", 8))));
    ASSERT_TRUE(registry.setValue(odd, "None", RegistryValue()));

    RegistryKey machine = makeKey(registry, RegistryRoot::LocalMachine, "Software\\Brindle");
    ASSERT_TRUE(registry.setValue(machine, "Version", RegistryValue::fromString("6.0")));
    ASSERT_TRUE(registry.setValue(registry.root(RegistryRoot::LocalMachine), "OnTheRoot", RegistryValue::fromDword(7)));
}

TEST(RegFileTest, WrittenTreeReadsBackTheSame)
{
    Registry original;
    fillTree(original);
    std::string text = original.toRegText();

    Registry copy;
    Status loaded = copy.loadRegText(text, "copy.reg");
    ASSERT_TRUE(loaded) << loaded.message() << "\n" << text;
    EXPECT_TRUE(copy == original) << text;
    EXPECT_EQ(copy.toRegText(), text);
}

TEST(RegFileTest, WriterOutputIsFixedText)
{
    Registry registry;
    auto root = registry.root(RegistryRoot::ClassesRoot);
    ASSERT_TRUE(registry.setDefault(root, "Tipcard.DSAddIn.1\\CLSID", "{B}"));
    ASSERT_TRUE(registry.setDefault(root, "Tipcard.DSAddIn.1", "Help \"Tips\""));
    RegistryKey user = makeKey(registry, RegistryRoot::CurrentUser, "Software\\Brindle");
    ASSERT_TRUE(registry.setValue(user, "Path", RegistryValue::fromString("C:\\Tips")));
    ASSERT_TRUE(registry.setValue(user, "Count", RegistryValue::fromDword(0xabcd)));
    ASSERT_TRUE(registry.setValue(user, "Bits", RegistryValue::fromBinary(std::string(30, '\x11'))));
    ASSERT_TRUE(registry.setValue(user, "Env", RegistryValue::fromExpandString("%A%")));

    EXPECT_EQ(registry.toRegText(),
              "REGEDIT4\r\n"
              "\r\n"
              "[HKEY_CLASSES_ROOT\\Tipcard.DSAddIn.1]\r\n"
              "@=\"Help \\\"Tips\\\"\"\r\n"
              "\r\n"
              "[HKEY_CLASSES_ROOT\\Tipcard.DSAddIn.1\\CLSID]\r\n"
              "@=\"{B}\"\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software]\r\n"
              "\r\n"
              "[HKEY_CURRENT_USER\\Software\\Brindle]\r\n"
              "\"Bits\"=hex:11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,11,\\\r\n"
              "  11,11,11,11,11,11,11,11\r\n"
              "\"Count\"=dword:0000abcd\r\n"
              "\"Env\"=hex(2):25,41,25,00\r\n"
              "\"Path\"=\"C:\\\\Tips\"\r\n"
              "\r\n");
}

TEST(RegFileTest, ReaderAcceptsTheFormsPeopleWrite)
{
    Registry registry;
    // LF and CR LF mixed, comments, blank lines, indentation, abbreviated roots, upper-case
    // keywords, a continued hex value, a delete of a key and of a value.
    Status loaded = registry.loadRegText("REGEDIT4\n"
                                         "; settings\r\n"
                                         "\n"
                                         "[HKCU\\Software\\Microsoft\\DevStudio\\6.0\\Projects]\r\n"
                                         "\"Project1\"=\"Z:\\\\work\\\\demo.dsp\"\n"
                                         "  \"Tabs\" = DWORD:4\n"
                                         "\"Data\"=hex:01, 02 ,\\\n"
                                         "    03,\\\r\n"
                                         "  04\n"
                                         "\"Kept\"=\"x\"\n"
                                         "\"Kept\"=-\n"
                                         "[HKLM\\Software\\Classes\\.frm]\n"
                                         "@=\"frmfile\"\n"
                                         "[HKEY_CLASSES_ROOT\\Gone\\Deep]\n"
                                         "[-HKEY_CLASSES_ROOT\\GONE]\n"
                                         "[hkey_classes_root\\]\n"
                                         "@=\"root default\"",
                                         "settings.reg");
    ASSERT_TRUE(loaded) << loaded.message();

    auto projects = *registry.openKey(registry.root(RegistryRoot::CurrentUser),
                                      "Software\\Microsoft\\DevStudio\\6.0\\Projects");
    EXPECT_EQ(registry.queryValue(projects, "Project1")->text(), "Z:\\work\\demo.dsp");
    EXPECT_EQ(registry.queryValue(projects, "Tabs")->firstDword(), 4u);
    EXPECT_EQ(registry.queryValue(projects, "Data")->data(), "\x01\x02\x03\x04");
    EXPECT_EQ(registryCode(registry.queryValue(projects, "Kept")), RegistryCode::FileNotFound);
    auto classes = registry.root(RegistryRoot::ClassesRoot);
    EXPECT_EQ(registry.queryDefault(classes, ".frm").valueOr("?"), "frmfile");
    EXPECT_EQ(registryCode(registry.openKey(classes, "Gone")), RegistryCode::FileNotFound);
    EXPECT_EQ(registry.queryDefault(classes, "").valueOr("?"), "root default");
}

TEST(RegFileTest, MalformedFilesNameTheLineAndChangeNothing)
{
    struct Case {
        const char* text;
        const char* error;
    };
    const Case cases[] = {
        {"", "bad.reg, line 1: the file is empty; a registry file begins with the line REGEDIT4"},
        {"Windows Registry Editor Version 5.00\r\n", "bad.reg, line 1: the first line is not REGEDIT4"},
        {"REGEDIT4\n\"a\"=\"b\"\n", "bad.reg, line 2: a value comes before the first [key] line"},
        {"REGEDIT4\n[HKCR\\A\n", "bad.reg, line 2: the [key] line has no closing ']'"},
        {"REGEDIT4\n[HKCR\\A] x\n", "bad.reg, line 2: text follows the closing ']' of the [key] line"},
        {"REGEDIT4\n\n[HKEY_USERS\\A]\n", "bad.reg, line 3: unknown root key 'HKEY_USERS'"},
        {"REGEDIT4\n[HKCR\\A\\\\B]\n", "bad.reg, line 2: a key name is empty"},
        {"REGEDIT4\n[-HKCR]\n", "bad.reg, line 2: the key 'HKCR' belongs to the registry and cannot be deleted"},
        {"REGEDIT4\n[-HKLM\\SOFTWARE\\Classes]\n",
         "bad.reg, line 2: the key 'HKLM\\SOFTWARE\\Classes' belongs to the registry and cannot be deleted"},
        {"REGEDIT4\n[-HKCR\\A]\n\"v\"=\"1\"\n", "bad.reg, line 3: a value follows a [-key] line, which deletes its key"},
        {"REGEDIT4\n[HKCR\\A]\n\"v\"=\"abc\n", "bad.reg, line 3: a string has no closing quote"},
        {"REGEDIT4\n[HKCR\\A]\n\"v=\"abc\"\n", "bad.reg, line 3: the value name is not followed by '='"},
        {"REGEDIT4\n[HKCR\\A]\n\"v\"=\"C:\\Windows\"\n",
         "bad.reg, line 3: unknown escape '\\W' in a string (write a backslash as \\\\ and a quote as \\\")"},
        {"REGEDIT4\n[HKCR\\A]\n\"v\"=\"x\" y\n", "bad.reg, line 3: text follows the closing quote of the value"},
        {"REGEDIT4\n[HKCR\\A]\n\"v\"=dword:123456789\n",
         "bad.reg, line 3: '123456789' is not a 32-bit number in hex (1 to 8 digits)"},
        {"REGEDIT4\n[HKCR\\A]\n\"v\"=dword:\n", "bad.reg, line 3: '' is not a 32-bit number in hex (1 to 8 digits)"},
        {"REGEDIT4\n[HKCR\\A]\n\"v\"=hex:01,2g\n", "bad.reg, line 3: '2g' is not a byte in hex (00 to ff)"},
        {"REGEDIT4\n[HKCR\\A]\n\"v\"=hex:01,,02\n", "bad.reg, line 3: a byte is missing between two commas"},
        {"REGEDIT4\n[HKCR\\A]\n\"v\"=hex:01,\\\n  02,\\\n  zz\n", "bad.reg, line 5: 'zz' is not a byte in hex (00 to ff)"},
        {"REGEDIT4\n[HKCR\\A]\n\"v\"=hex:01,\\\n  02,\\", "bad.reg, line 4: the file ends inside a value continued with a backslash"},
        {"REGEDIT4\n[HKCR\\A]\n\"v\"=hex(x):01\n",
         "bad.reg, line 3: hex( is not followed by a value type in hex and \"):\""},
        {"REGEDIT4\n[HKCR\\A]\n\"v\"=str:\"x\"\n",
         "bad.reg, line 3: unknown value data 'str:\"x\"' (expected \"...\", dword:, hex:, hex(n): or -)"},
        {"REGEDIT4\n[HKCR\\A]\nv=1\n", "bad.reg, line 3: 'v=1' is neither a [key] line, a value nor a comment"},
    };

    Registry registry;
    ASSERT_TRUE(registry.setDefault(registry.root(RegistryRoot::ClassesRoot), "A\\Kept", "before"));
    const std::string before = registry.toRegText();
    for (const Case& c : cases) {
        Status status = registry.loadRegText(c.text, "bad.reg");
        EXPECT_FALSE(status) << c.text;
        EXPECT_EQ(status.message(), c.error) << c.text;
        EXPECT_EQ(registry.toRegText(), before) << c.text;
    }
    // A bad file whose earlier lines are fine and destructive still changes nothing.
    Status late = registry.loadRegText("REGEDIT4\n[-HKCR\\A]\n[HKCR\\B]\n@=\"new\"\n\"x\"=hex:1,\\\n", "late.reg");
    EXPECT_EQ(late.message(), "late.reg, line 5: the file ends inside a value continued with a backslash");
    EXPECT_EQ(registry.toRegText(), before);
}

class RegFileOnDiskTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "morva-registry-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    std::string windowsPath(const std::string& name) const { return m_files.toWindowsPath((m_folder / name).string()); }

    std::filesystem::path m_folder;
    FileSystem m_files;
};

TEST_F(RegFileOnDiskTest, SaveAndLoadThroughTheFileLayer)
{
    Registry original;
    fillTree(original);
    const std::string path = windowsPath("Morva.reg");
    ASSERT_TRUE(original.saveRegFile(m_files, path));

    std::ifstream written(m_folder / "Morva.reg", std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, original.toRegText());

    Registry loaded;
    Status status = loaded.loadRegFile(m_files, path);
    ASSERT_TRUE(status) << status.message();
    EXPECT_TRUE(loaded == original);

    // A missing file fails with the file layer's message and leaves the tree alone.
    Status missing = loaded.loadRegFile(m_files, windowsPath("missing.reg"));
    EXPECT_FALSE(missing);
    EXPECT_NE(missing.message().find("missing.reg"), std::string::npos) << missing.message();
    EXPECT_TRUE(loaded == original);

    // A damaged file names itself by the path it was loaded from.
    {
        std::ofstream damaged(m_folder / "damaged.reg", std::ios::binary);
        damaged << "REGEDIT4\r\n[HKCR\\X]\r\n\"v\"=dword:xyz\r\n";
    }
    Status bad = loaded.loadRegFile(m_files, windowsPath("damaged.reg"));
    EXPECT_EQ(bad.message(), windowsPath("damaged.reg") + ", line 3: 'xyz' is not a 32-bit number in hex (1 to 8 digits)");
    EXPECT_TRUE(loaded == original);
}

} // namespace
} // namespace platform
