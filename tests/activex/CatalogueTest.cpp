#include "ActiveXTestSupport.h"

#include "activex/COCXInfo.h"

#include <vector>

using namespace morva;

namespace {

std::vector<std::string> Names(const COCXInfo& list)
{
    std::vector<std::string> names;
    for (const auto& entry : list.Entries())
        names.push_back(entry->m_strName);
    return names;
}

} // namespace

TEST(Catalogue, EnumerationListsQualifyingControlsInNameOrder)
{
    axtest::World world;
    COCXInfo list(world.services);
    ASSERT_TRUE(list.EnumerateInstalledControls());
    // "alpha widget" is enumerated before "ALPHA WIDGET" and keeps its place; the plain
    // object and the out-of-process control are not listed.
    EXPECT_EQ(Names(list), (std::vector<std::string>{"alpha widget", "ALPHA WIDGET", "Broken Widget", "Commaless",
                                                     "Morva Gauge", "Morva Locked Gauge"}));
    const CToolControlEntry& gauge = *list.GetAt(4);
    EXPECT_EQ(gauge.m_strServerPath, "D:\\gauge.dll");
    EXPECT_EQ(gauge.m_strProgId, "MorvaTest.Gauge.1");
    EXPECT_EQ(gauge.m_strTypeLibId, "{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0001}");
    EXPECT_TRUE(gauge.m_bServerExists);
    // The dialog's list reads neither the class id, the bitmap nor the insertable flag.
    EXPECT_EQ(gauge.m_strClsid, "");
    EXPECT_FALSE(gauge.m_bitmap);
    EXPECT_FALSE(gauge.m_bInsertable);
    EXPECT_FALSE(list.GetAt(0)->m_bServerExists);
    EXPECT_EQ(list.GetAt(0)->m_strProgId, "");
    EXPECT_FALSE(world.messages.isWaiting());
}

TEST(Catalogue, WithoutAClassListNothingIsFoundAndNothingShown)
{
    axtest::World world(false);
    COCXInfo list(world.services);
    EXPECT_FALSE(list.EnumerateInstalledControls());
    EXPECT_EQ(list.FindRegisteredControl("Morva Gauge", "D:\\gauge.dll"), nullptr);
    EXPECT_EQ(list.FindOrLoadByProgID("MorvaTest.Gauge.1"), nullptr);
    EXPECT_TRUE(world.messages.shownTexts().empty());

    // An empty class list: the first enumeration step fails.
    ASSERT_TRUE(world.registry.createKey(world.registry.root(platform::RegistryRoot::ClassesRoot), "CLSID"));
    EXPECT_TRUE(list.EnumerateInstalledControls());
    EXPECT_EQ(list.FindRegisteredControl("Morva Gauge", "D:\\gauge.dll"), nullptr);
    EXPECT_EQ(world.messages.shownTexts(), (std::vector<std::string>{std::string(COCXInfo::kRegistryError)}));
}

TEST(Catalogue, FindRegisteredControlOutcomes)
{
    struct Case {
        const char* name;
        const char* server;
        bool found;
        std::string_view message;
    };
    const Case cases[] = {
        {"Morva Gauge", "d:\\GAUGE.DLL", true, {}}, // the path in any case
        {"morva gauge", "D:\\gauge.dll", false, COCXInfo::kRegistryError}, // the name exactly
        {"Morva Locked Gauge", "D:\\gauge.dll", false, COCXInfo::kRegistryError}, // no bitmap
        {"Commaless", "D:\\gauge.dll", false, COCXInfo::kRegistryError},
        {"alpha widget", "D:\\missing.ocx", false, COCXInfo::kControlNotFound},
        {"Broken Widget", "D:\\controls.idl", false, COCXInfo::kControlNotLoaded},
        {"Plain Object", "D:\\gauge.dll", false, COCXInfo::kRegistryError},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        axtest::World world;
        COCXInfo list(world.services);
        CToolControlEntry* entry = list.FindRegisteredControl(c.name, c.server);
        EXPECT_EQ(entry != nullptr, c.found);
        EXPECT_EQ(list.GetCount(), c.found ? 1u : 0u);
        std::vector<std::string> expected;
        if (!c.message.empty())
            expected.emplace_back(c.message);
        EXPECT_EQ(world.messages.shownTexts(), expected);
    }
}

TEST(Catalogue, FoundControlIsCompleteWithItsToolboxBitmap)
{
    axtest::World world;
    COCXInfo list(world.services);
    CToolControlEntry* entry = list.FindRegisteredControl("Morva Gauge", "D:\\gauge.dll");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->m_strClsid, "{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0030}");
    EXPECT_EQ(entry->m_strServerPath, "D:\\gauge.dll");
    EXPECT_TRUE(entry->m_bInsertable);
    ASSERT_TRUE(entry->m_bitmap); // "D:\gauge.dll, 3": BITMAP 3 of the module
    EXPECT_EQ(entry->m_bitmap->width, 16);
    EXPECT_EQ(entry->m_bitmap->height, 15);
    EXPECT_TRUE(entry->m_interfaces.empty()) << "the type library is read by AddControl";
}

TEST(Catalogue, AddControlAppendsReadsTheLibraryAndSavesTheDataFile)
{
    axtest::World world;
    ASSERT_TRUE(world.fs.makeFolder("C:\\Proj").isOk());
    COCXInfo list(world.services);
    list.SetProjectFile("C:\\Proj\\Demo.App.dsp");

    // A first entry out of name order, to show that adding appends.
    auto zulu = std::make_unique<CToolControlEntry>();
    zulu->m_strName = "Zulu";
    list.InsertSorted(std::move(zulu));
    CToolControlEntry* gauge = list.AddControl("Morva Gauge", "D:\\gauge.dll");
    ASSERT_NE(gauge, nullptr);
    CToolControlEntry* again = list.AddControl("Morva Gauge", "D:\\gauge.dll");
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Zulu", "Morva Gauge", "Morva Gauge"}));
    EXPECT_EQ(gauge->m_strLibName, "MorvaTestControls");
    EXPECT_NE(gauge->GetDefaultInterface(), nullptr);
    EXPECT_FALSE(world.messages.isWaiting());
    EXPECT_TRUE(world.fs.exists("C:\\Proj\\Demo.dat"));

    // Reopened, the list is in name order with the same models.
    COCXInfo reopened(world.services);
    reopened.SetProjectFile("C:\\Proj\\Demo.App.dsp");
    ASSERT_TRUE(reopened.LoadFromProjectFile());
    EXPECT_EQ(Names(reopened), (std::vector<std::string>{"Morva Gauge", "Morva Gauge", "Zulu"}));
    EXPECT_EQ(reopened.GetAt(0)->m_strClsid, gauge->m_strClsid);
    ASSERT_TRUE(reopened.GetAt(0)->m_bitmap);
    EXPECT_EQ(reopened.GetAt(0)->m_bitmap->pixels, gauge->m_bitmap->pixels); // 960 bytes: stored whole
    EXPECT_EQ(reopened.GetAt(0)->m_bitmap->width, 16);
    EXPECT_EQ(reopened.GetAt(0)->m_interfaces.size(), gauge->m_interfaces.size());
    EXPECT_EQ(reopened.Serialize().size(), list.Serialize().size());
}

TEST(Catalogue, FindOrLoadByProgIdSearchesTheListThenTheRegistry)
{
    axtest::World world;
    COCXInfo list(world.services);
    CToolControlEntry* loaded = list.FindOrLoadByProgID("MorvaTest.Gauge.1");
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(loaded->m_strName, "Morva Gauge");
    EXPECT_TRUE(loaded->m_bitmap);
    EXPECT_NE(loaded->GetDefaultInterface(), nullptr);
    EXPECT_EQ(list.FindOrLoadByProgID("MorvaTest.Gauge.1"), loaded);
    EXPECT_EQ(list.GetCount(), 1u);
    // No bitmap, no exact match: nothing, silently.
    EXPECT_EQ(list.FindOrLoadByProgID("MorvaTest.LockedGauge.1"), nullptr);
    EXPECT_EQ(list.FindOrLoadByProgID("morvatest.gauge.1"), nullptr);
    EXPECT_EQ(list.GetCount(), 1u);
    EXPECT_TRUE(world.messages.shownTexts().empty());
}

TEST(Catalogue, ControlsOfAnImportedWinePrefixAreFound)
{
    axtest::World world(false);
    world.temp.write("prefix/system.reg",
                     "WINE REGISTRY Version 2\n"
                     ";; All keys relative to \\\\Machine\n"
                     "\n"
                     "[Software\\\\Classes\\\\CLSID\\\\{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0030}] 1700000000\n"
                     "@=\"Morva Gauge\"\n"
                     "\n"
                     "[Software\\\\Classes\\\\CLSID\\\\{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0030}\\\\Control] 1700000000\n"
                     "\n"
                     "[Software\\\\Classes\\\\CLSID\\\\{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0030}\\\\InprocServer32] 1700000000\n"
                     "@=\"D:\\\\gauge.dll\"\n"
                     "\n"
                     "[Software\\\\Classes\\\\CLSID\\\\{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0030}\\\\ToolboxBitmap32] 1700000000\n"
                     "@=\"D:\\\\gauge.dll,3\"\n");
    platform::Status imported = world.registry.importWinePrefix(world.fs, "C:\\prefix");
    ASSERT_TRUE(imported.isOk()) << imported.message();
    COCXInfo list(world.services);
    ASSERT_TRUE(list.EnumerateInstalledControls());
    EXPECT_EQ(Names(list), (std::vector<std::string>{"Morva Gauge"}));
    EXPECT_NE(list.FindRegisteredControl("Morva Gauge", "D:\\gauge.dll"), nullptr);
}
