#include "platform/registry/Registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace platform {
namespace {

class RegistryTreeTest : public ::testing::Test {
protected:
    RegistryKey create(RegistryRoot root, std::string_view path)
    {
        auto key = m_registry.createKey(m_registry.root(root), path);
        EXPECT_TRUE(key.isOk()) << key.message();
        return key.valueOr(RegistryKey());
    }

    std::vector<std::string> subkeyNames(const RegistryKey& key)
    {
        std::vector<std::string> names;
        for (uint32_t i = 0;; ++i) {
            auto name = m_registry.enumKey(key, i);
            if (!name) {
                EXPECT_EQ(registryCode(name), RegistryCode::NoMoreItems);
                return names;
            }
            names.push_back(*name);
        }
    }

    Registry m_registry;
};

TEST_F(RegistryTreeTest, NamesMatchIgnoringCaseButKeepTheirFirstSpelling)
{
    RegistryKey created = create(RegistryRoot::CurrentUser, "Software\\Brindle\\Tipcard\\Display");
    ASSERT_TRUE(m_registry.setValue(created, "Value", RegistryValue::fromString("OFF")));

    auto opened = m_registry.openKey(m_registry.root(RegistryRoot::CurrentUser), "SOFTWARE\\brindle\\TIPCARD\\display");
    ASSERT_TRUE(opened.isOk()) << opened.message();
    EXPECT_EQ(m_registry.queryValue(*opened, "VALUE")->text(), "OFF");

    // Creating again with other case, or setting a value under another case, renames nothing.
    ASSERT_TRUE(m_registry.createKey(m_registry.root(RegistryRoot::CurrentUser), "software\\BRINDLE").isOk());
    ASSERT_TRUE(m_registry.setValue(*opened, "value", RegistryValue::fromString("ON")));
    auto software = m_registry.openKey(m_registry.root(RegistryRoot::CurrentUser), "Software");
    EXPECT_EQ(subkeyNames(*software), std::vector<std::string>{"Brindle"});
    auto value = m_registry.enumValue(*opened, 0);
    EXPECT_EQ(value->name, "Value");
    EXPECT_EQ(value->value.text(), "ON");

    // Case folding covers the code page's accented letters, not only ASCII.
    create(RegistryRoot::CurrentUser, "\xE9t\xE9");  // "été"
    EXPECT_TRUE(m_registry.openKey(m_registry.root(RegistryRoot::CurrentUser), "\xC9T\xC9").isOk());
}

TEST_F(RegistryTreeTest, SubkeysEnumerateSortedIgnoringCaseWhateverTheCreationOrder)
{
    for (const char* name : {"zeta", "Alpha", "_under", "beta", "{00000000-0000-0000-0000-000000000001}", "ALPHA2"})
        create(RegistryRoot::ClassesRoot, std::string("CLSID\\") + name);
    auto clsid = m_registry.openKey(m_registry.root(RegistryRoot::ClassesRoot), "CLSID");
    EXPECT_EQ(subkeyNames(*clsid), (std::vector<std::string>{"Alpha", "ALPHA2", "beta", "zeta", "_under",
                                                             "{00000000-0000-0000-0000-000000000001}"}));
}

TEST_F(RegistryTreeTest, EnumerationHonoursTheCallersBufferSize)
{
    std::string name260(260, 'k');
    create(RegistryRoot::ClassesRoot, "CLSID\\" + std::string(255, 'a'));
    create(RegistryRoot::ClassesRoot, "CLSID\\short");
    auto clsid = *m_registry.openKey(m_registry.root(RegistryRoot::ClassesRoot), "CLSID");

    // The name and its terminating NUL must fit: 255 + 1 fits in 261 and in 256, not in 255.
    EXPECT_EQ(m_registry.enumKey(clsid, 0, 261).valueOr(""), std::string(255, 'a'));
    EXPECT_TRUE(m_registry.enumKey(clsid, 0, 256).isOk());
    EXPECT_EQ(registryCode(m_registry.enumKey(clsid, 0, 255)), RegistryCode::MoreData);
    EXPECT_EQ(registryCode(m_registry.enumKey(clsid, 1, 6)), RegistryCode::Success);
    EXPECT_EQ(registryCode(m_registry.enumKey(clsid, 1, 5)), RegistryCode::MoreData);
    EXPECT_EQ(registryCode(m_registry.enumKey(clsid, 2, 261)), RegistryCode::NoMoreItems);

    // Value enumeration: name with its NUL against the name buffer, data against the data buffer.
    ASSERT_TRUE(m_registry.setValue(clsid, "TabSize", RegistryValue::fromDword(4)));
    EXPECT_EQ(registryCode(m_registry.enumValue(clsid, 0, 8, 4)), RegistryCode::Success);
    EXPECT_EQ(registryCode(m_registry.enumValue(clsid, 0, 7, 4)), RegistryCode::MoreData);
    EXPECT_EQ(registryCode(m_registry.enumValue(clsid, 0, 8, 3)), RegistryCode::MoreData);
    EXPECT_EQ(registryCode(m_registry.enumValue(clsid, 1)), RegistryCode::NoMoreItems);
}

TEST_F(RegistryTreeTest, DefaultValueOfANamedSubkey)
{
    auto root = m_registry.root(RegistryRoot::ClassesRoot);
    const std::string server = "C:\\WINDOWS\\SYSTEM\\MSCOMCT2.OCX";
    ASSERT_TRUE(m_registry.setDefault(root, "CLSID\\{X}\\InprocServer32", server));
    ASSERT_TRUE(m_registry.setDefault(root, "CLSID\\{X}", "Sample Control"));
    create(RegistryRoot::ClassesRoot, "CLSID\\{X}\\Control");
    auto classKey = *m_registry.openKey(root, "CLSID\\{X}");

    EXPECT_EQ(m_registry.queryDefault(classKey, "InprocServer32", 520).valueOr("?"), server);
    EXPECT_EQ(m_registry.queryDefault(classKey, "inprocserver32").valueOr("?"), server);
    EXPECT_EQ(m_registry.queryDefault(classKey, "").valueOr("?"), "Sample Control");
    // A key that exists without a default value answers an empty text, as the system does.
    EXPECT_EQ(m_registry.queryDefault(classKey, "Control").valueOr("?"), "");

    EXPECT_EQ(registryCode(m_registry.queryDefault(classKey, "ToolboxBitmap32")), RegistryCode::FileNotFound);
    EXPECT_EQ(registryCode(m_registry.queryDefault(classKey, "InprocServer32", server.size())), RegistryCode::MoreData);
    EXPECT_TRUE(m_registry.queryDefault(classKey, "InprocServer32", server.size() + 1).isOk());

    ASSERT_TRUE(m_registry.setValue(classKey, "", RegistryValue::fromDword(1)));
    EXPECT_EQ(registryCode(m_registry.queryDefault(classKey, "")), RegistryCode::InvalidData);
}

TEST_F(RegistryTreeTest, ValueKindsAndTheirReadings)
{
    RegistryKey key = create(RegistryRoot::CurrentUser, "Software\\Microsoft\\DevStudio\\6.0\\Format\\Source Window");
    ASSERT_TRUE(m_registry.setValue(key, "FontFace", RegistryValue::fromString("Courier")));
    ASSERT_TRUE(m_registry.setValue(key, "FontSize", RegistryValue::fromDword(0xFFFFFFF3)));
    ASSERT_TRUE(m_registry.setValue(key, "Path", RegistryValue::fromExpandString("%windir%\\x")));
    ASSERT_TRUE(m_registry.setValue(key, "List", RegistryValue::fromStrings({"a", "bc"})));
    ASSERT_TRUE(m_registry.setValue(key, "Blob", RegistryValue::fromBinary(std::string("\x01\x00\xFF", 3))));

    EXPECT_EQ(m_registry.queryValue(key, "FontFace")->data(), std::string("Courier\0", 8));
    EXPECT_EQ(static_cast<int32_t>(*m_registry.queryValue(key, "FontSize")->firstDword()), -13);
    EXPECT_EQ(m_registry.queryValue(key, "Path")->type(), RegistryValue::ExpandString);
    EXPECT_EQ(m_registry.queryValue(key, "Path")->text(), "%windir%\\x");
    EXPECT_EQ(m_registry.queryValue(key, "List")->data(), std::string("a\0bc\0\0", 6));
    EXPECT_EQ(m_registry.queryValue(key, "List")->strings(), (std::vector<std::string>{"a", "bc"}));
    EXPECT_FALSE(m_registry.queryValue(key, "Blob")->firstDword().has_value());

    // Values enumerate in name order too.
    std::vector<std::string> names;
    for (uint32_t i = 0; auto value = m_registry.enumValue(key, i); ++i)
        names.push_back(value->name);
    EXPECT_EQ(names, (std::vector<std::string>{"Blob", "FontFace", "FontSize", "List", "Path"}));

    ASSERT_TRUE(m_registry.deleteValue(key, "fontface"));
    EXPECT_EQ(registryCode(m_registry.queryValue(key, "FontFace")), RegistryCode::FileNotFound);
    EXPECT_EQ(registryCode(m_registry.deleteValue(key, "FontFace")), RegistryCode::FileNotFound);
}

TEST_F(RegistryTreeTest, DeletingATreeInvalidatesKeysOpenedInsideIt)
{
    auto root = m_registry.root(RegistryRoot::ClassesRoot);
    ASSERT_TRUE(m_registry.setDefault(root, "Morva5.DSAddIn.1\\CLSID", "{A}"));
    RegistryKey inner = *m_registry.openKey(root, "Morva5.DSAddIn.1\\CLSID");
    RegistryKey sibling = create(RegistryRoot::ClassesRoot, "Other");

    ASSERT_TRUE(m_registry.deleteTree(root, "MORVA5.DSADDIN.1"));
    EXPECT_EQ(registryCode(m_registry.openKey(root, "Morva5.DSAddIn.1")), RegistryCode::FileNotFound);
    EXPECT_EQ(registryCode(m_registry.queryDefault(inner, "")), RegistryCode::KeyDeleted);
    EXPECT_EQ(registryCode(m_registry.setValue(inner, "x", RegistryValue::fromDword(1))), RegistryCode::KeyDeleted);
    EXPECT_EQ(registryCode(m_registry.createKey(inner, "y")), RegistryCode::KeyDeleted);
    EXPECT_TRUE(m_registry.queryDefault(sibling, "").isOk());
    EXPECT_EQ(registryCode(m_registry.deleteTree(root, "Morva5.DSAddIn.1")), RegistryCode::FileNotFound);

    RegistryKey closed;
    EXPECT_EQ(registryCode(m_registry.enumKey(closed, 0)), RegistryCode::InvalidHandle);
}

TEST_F(RegistryTreeTest, ClassesRootIsAlsoLocalMachineSoftwareClassesAndStays)
{
    auto machine = m_registry.root(RegistryRoot::LocalMachine);
    ASSERT_TRUE(m_registry.setDefault(machine, "SOFTWARE\\Classes\\CLSID\\{A}", "via machine"));
    EXPECT_EQ(m_registry.queryDefault(m_registry.root(RegistryRoot::ClassesRoot), "CLSID\\{A}").valueOr("?"),
              "via machine");

    EXPECT_EQ(registryCode(m_registry.deleteTree(machine, "Software\\Classes")), RegistryCode::AccessDenied);
    EXPECT_EQ(registryCode(m_registry.deleteTree(machine, "Software")), RegistryCode::AccessDenied);
    EXPECT_EQ(registryCode(m_registry.deleteTree(machine, "")), RegistryCode::AccessDenied);
    EXPECT_TRUE(m_registry.openKey(m_registry.root(RegistryRoot::ClassesRoot), "CLSID\\{A}").isOk());

    // Emptying the classes root itself is allowed and keeps the link.
    ASSERT_TRUE(m_registry.deleteTree(m_registry.root(RegistryRoot::ClassesRoot), ""));
    EXPECT_EQ(subkeyNames(m_registry.root(RegistryRoot::ClassesRoot)), std::vector<std::string>{});
    EXPECT_TRUE(m_registry.openKey(machine, "Software\\Classes").isOk());
}

TEST_F(RegistryTreeTest, MalformedPathsAndNamesAreRefused)
{
    auto root = m_registry.root(RegistryRoot::CurrentUser);
    const std::string_view badPaths[] = {"\\Software", "Software\\\\Brindle", std::string_view("a\0b", 3), "a\nb"};
    for (std::string_view path : badPaths)
        EXPECT_EQ(registryCode(m_registry.createKey(root, path)), RegistryCode::InvalidParameter) << path;
    EXPECT_EQ(registryCode(m_registry.createKey(root, std::string(256, 'x'))), RegistryCode::InvalidParameter);
    // One trailing backslash is accepted.
    EXPECT_TRUE(m_registry.createKey(root, "Software\\").isOk());
    EXPECT_EQ(registryCode(m_registry.setValue(root, "a\r\nb", RegistryValue::fromDword(0))),
              RegistryCode::InvalidParameter);

    // Nesting is bounded, counted from the root whatever key the path starts at.
    std::string deep;
    for (size_t i = 0; i < 500; ++i)
        deep += "k\\";
    RegistryKey level500 = *m_registry.createKey(root, deep);
    EXPECT_TRUE(m_registry.createKey(level500, "1\\2\\3\\4\\5\\6\\7\\8\\9\\10\\11\\12").isOk());
    EXPECT_EQ(registryCode(m_registry.createKey(level500, "1\\2\\3\\4\\5\\6\\7\\8\\9\\10\\11\\12\\13")),
              RegistryCode::InvalidParameter);
}

} // namespace
} // namespace platform
