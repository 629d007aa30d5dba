#include "ActiveXTestSupport.h"

#include "activex/CToolControlEntry.h"
#include "model/CControlItem.h"
#include "platform/com/TypeInfo.h"
#include "platform/com/TypeLibrary.h"

#include <vector>

using namespace morva;

namespace {

constexpr const char* kGaugeClsid = "{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0030}";
constexpr const char* kLockedGaugeClsid = "{6B1E4C10-0C1D-4B9A-9F3E-3C6A2D1E0031}";

struct ReadEntry {
    axtest::World world{false};
    CToolControlEntry entry;
    bool ok = false;

    ReadEntry(const std::string& server, const std::string& clsid, bool walkAll = true)
    {
        entry.m_strServerPath = server;
        entry.m_strClsid = clsid;
        ok = entry.ReadTypeLibrary(world.fs, world.services.resolver, walkAll);
    }
};

#define REQUIRE_STDOLE()                                                                                     \
    if (!axtest::HaveWineFile("stdole2.tlb"))                                                                \
    GTEST_SKIP() << "Wine's stdole2.tlb is not installed; the font and picture interfaces cannot be resolved"

struct PropertyRow {
    const char* name;
    const char* type;
    uint16_t vt;
    int32_t dispId;
    const char* decls;
    const char* vts;
};

struct MemberRow {
    const char* name;
    const char* returnType;
    uint16_t returnVt;
    int32_t dispId;
    const char* decls;
    const char* vts;
    std::vector<uint32_t> types;
};

} // namespace

TEST(DispatchModel, GaugeFromTheModuleAndFromTheLibraryFile)
{
    REQUIRE_STDOLE();
    for (const char* server : {"D:\\gauge.dll", "D:\\controls.tlb"}) {
        SCOPED_TRACE(server);
        ReadEntry read(server, kGaugeClsid);
        ASSERT_TRUE(read.ok);
        const CToolControlEntry& entry = read.entry;
        EXPECT_EQ(entry.m_strLibName, "MorvaTestControls");
        EXPECT_EQ(entry.m_strLibDoc, "Morva test controls");
        EXPECT_EQ(entry.m_strHelpFile, "controls.hlp");
        EXPECT_EQ(entry.m_nHelpContext, 100);
        EXPECT_EQ(entry.m_nTypeInfoCount, 10u);
        EXPECT_FALSE(entry.m_pTypeLib) << "the library is released after the walk";

        // Default interface, the sub-object it refers to (read by the repeated pass), events.
        ASSERT_EQ(entry.m_interfaces.size(), 3u);
        const CXDispInterface& main = *entry.m_interfaces[0];
        const CXDispInterface& panel = *entry.m_interfaces[1];
        const CXDispInterface& events = *entry.m_interfaces[2];
        EXPECT_EQ(entry.GetDefaultInterface(), &main);
        EXPECT_EQ(entry.GetDefaultEventInterface(), &events);
        EXPECT_EQ(main.m_strName, "Gauge");
        EXPECT_EQ(events.m_strName, "Gauge");
        EXPECT_TRUE(events.m_bIsDefaultSource && !events.m_bIsDefault);
        EXPECT_EQ(main.m_nTypeIndex, -1);
        EXPECT_EQ(panel.m_strName, "DPanel");
        EXPECT_EQ(panel.m_nTypeIndex, 4);
        EXPECT_FALSE(panel.m_bIsDefault || panel.m_bIsDefaultSource);
        EXPECT_EQ(entry.m_nInterfaceCursor, 2);

        // hWnd is skipped; Value comes once, from the variable; the put-only Image and the
        // put half of Reading make nothing.
        const std::vector<PropertyRow> properties = {
            {"Caption", "CString", 8, 0, "", ""},
            {"BackColor", "COLORREF", 19, -501, "", ""},
            {"Border", "COLORREF", 3, -504, "", ""},
            {"Enabled", "BOOL", 11, -514, "", ""},
            {"Ratio", "double", 5, 3, "", ""},
            {"Ticks", "short", 2, 4, "", ""},
            {"Font", "Font", 9, -512, "", ""},
            {"Picture", "Picture", 9, -523, "", ""},
            {"Panel", "DPanel", 9, 5, "", ""},
            {"Tag", "VARIANT", 12, 6, "", ""},
            {"Value", "long", 3, 7, "", ""},
            {"Reading", "long", 3, 8, "long index, VARIANT unit", "VTS_I4 VTS_VARIANT "},
        };
        ASSERT_EQ(main.m_properties.size(), properties.size());
        EXPECT_EQ(main.m_nPropCount, int32_t(properties.size()));
        for (size_t i = 0; i < properties.size(); ++i) {
            const CXDispInterfacePropItem& p = *main.m_properties[i];
            SCOPED_TRACE(p.name);
            EXPECT_EQ(p.name, properties[i].name);
            EXPECT_EQ(p.typeText, properties[i].type);
            EXPECT_EQ(p.varType, properties[i].vt);
            EXPECT_EQ(p.dispId, properties[i].dispId);
            EXPECT_EQ(p.paramDecls, properties[i].decls);
            EXPECT_EQ(p.paramVts, properties[i].vts);
            EXPECT_TRUE(p.shown);
            EXPECT_EQ(p.m_pOwner, &main);
            EXPECT_EQ(p.helpFile, "controls.hlp");
        }
        EXPECT_EQ(main.FindProperty("Reading")->docString, "Reading at a point");
        EXPECT_EQ(main.FindProperty("Reading")->helpContext, 2008);

        const std::vector<MemberRow> methods = {
            {"MoveTo", "void", 24, 9, "long position, VARIANT speed, long steps, CString mode",
             "VTS_I4 VTS_VARIANT VTS_I4 VTS_BSTR ", {3, 12, 3, 8}},
            {"Fill", "void", 24, 10, "long count, BSTR* names", "VTS_I4 VTS_PBSTR ", {3, 0x4008}},
            {"GetFont", "Font", 9, 11, "", "VTS_NONE", {}},
            {"GetPicture", "LPDISPATCH", 9, 12, "", "VTS_NONE", {}}, // two pointer levels
            {"TakeValues", "void", 24, 13, "VT_SAFEARRAY values, VARIANT* result", "\"\" VTS_PVARIANT ", {27, 0x400C}},
            {"AboutBox", "void", 24, -552, "", "VTS_NONE", {}},
        };
        const std::vector<MemberRow> eventRows = {
            {"Click", "void", 24, -600, "", "VTS_NONE", {}},
            {"Changed", "void", 24, 1, "long oldValue, long newValue", "VTS_I4 VTS_I4 ", {3, 3}},
            {"Limit", "void", 24, 2, "BOOL* cancel", "VTS_PBOOL ", {0x400B}},
        };
        auto expectMembers = [](const auto& items, const std::vector<MemberRow>& rows) {
            ASSERT_EQ(items.size(), rows.size());
            for (size_t i = 0; i < rows.size(); ++i) {
                const CXDispInterfaceEventMethodItem& m = *items[i];
                SCOPED_TRACE(m.name);
                EXPECT_EQ(m.name, rows[i].name);
                EXPECT_EQ(m.returnType, rows[i].returnType);
                EXPECT_EQ(m.returnVarType, rows[i].returnVt);
                EXPECT_EQ(m.dispId, rows[i].dispId);
                EXPECT_EQ(m.paramDecls, rows[i].decls);
                EXPECT_EQ(m.paramVts, rows[i].vts);
                EXPECT_EQ(m.m_paramTypes, rows[i].types);
                EXPECT_EQ(m.m_paramNames.size(), rows[i].types.size());
            }
        };
        expectMembers(main.m_methods, methods);
        expectMembers(events.m_events, eventRows);
        EXPECT_TRUE(main.m_events.empty());
        EXPECT_TRUE(events.m_methods.empty() && events.m_properties.empty());
        const CXDispInterfaceEventMethodItem& moveTo = *main.FindMethod("MoveTo");
        EXPECT_EQ(moveTo.m_nParamCount, 4);
        EXPECT_EQ(moveTo.m_nOptionalParamCount, 1);
        EXPECT_EQ(moveTo.m_paramNames, (std::vector<std::string>{"position", "speed", "steps", "mode"}));

        ASSERT_EQ(panel.m_properties.size(), 2u);
        EXPECT_EQ(panel.m_properties[0]->name, "Margin");
        EXPECT_EQ(panel.m_properties[1]->typeText, "CString");

        // What the control's item sees.
        EXPECT_EQ(entry.GetDefaultProperties().size(), properties.size());
        EXPECT_EQ(entry.GetDefaultMethods().size(), methods.size());
        EXPECT_EQ(entry.GetDefaultEvents().size(), eventRows.size());
        EXPECT_TRUE(entry.NamesDispatchInterface("DPanel"));
        EXPECT_FALSE(entry.NamesDispatchInterface("DGauge"));
        EXPECT_TRUE(entry.HasPropertyOfType("Font") && entry.HasPropertyOfType("Picture"));
    }
}

TEST(DispatchModel, RestrictedDefaultInterfaceAndNonDefaultSourceAreIgnored)
{
    ReadEntry read("D:\\controls.tlb", kLockedGaugeClsid);
    ASSERT_TRUE(read.ok);
    ASSERT_EQ(read.entry.m_interfaces.size(), 1u);
    EXPECT_TRUE(read.entry.m_interfaces[0]->m_bIsDefaultSource);
    EXPECT_EQ(read.entry.m_interfaces[0]->m_strName, "LockedGauge");
    EXPECT_EQ(read.entry.GetDefaultInterface(), nullptr);
}

TEST(DispatchModel, WithoutTheFullWalkSubObjectsAreListedButNotRead)
{
    ReadEntry read("D:\\controls.tlb", kGaugeClsid, false);
    ASSERT_TRUE(read.ok);
    const CXDispInterface* panel = read.entry.FindInterface("DPanel");
    ASSERT_NE(panel, nullptr);
    EXPECT_TRUE(panel->m_properties.empty());
    EXPECT_EQ(read.entry.m_nInterfaceCursor, 0);
}

TEST(DispatchModel, FailuresOfTheLibraryAndTheClassId)
{
    EXPECT_FALSE(ReadEntry("D:\\missing.ocx", kGaugeClsid).ok);
    EXPECT_FALSE(ReadEntry("D:\\controls.idl", kGaugeClsid).ok);
    ReadEntry badClsid("D:\\controls.tlb", "not a class id");
    EXPECT_FALSE(badClsid.ok);
    EXPECT_FALSE(badClsid.entry.m_pTypeLib);
    // A class the library does not describe: no interfaces, the library's documentation.
    ReadEntry unknown("D:\\controls.tlb", "{00000000-0000-0000-0000-000000000001}");
    EXPECT_TRUE(unknown.ok);
    EXPECT_TRUE(unknown.entry.m_interfaces.empty());
    EXPECT_EQ(unknown.entry.m_strLibName, "MorvaTestControls");
}

// Every coclass of Wine's control libraries: libraries no one here wrote.
TEST(DispatchModel, WineLibrariesWalkForEveryCoclass)
{
    const char* files[] = {"hhctrl.ocx", "msscript.ocx", "dhtmled.ocx", "wshom.ocx"};
    int walked = 0;
    for (const char* file : files) {
        if (!axtest::HaveWineFile(file))
            continue;
        SCOPED_TRACE(file);
        axtest::World world(false);
        const std::string server = std::string("W:\\") + file;
        auto library = platform::TypeLibrary::loadFile(world.fs, server, world.services.resolver);
        ASSERT_TRUE(library) << library.message();
        for (uint32_t i = 0; i < (*library)->typeInfoCount(); ++i) {
            if (*(*library)->typeInfoType(i) != platform::TypeKind::Coclass)
                continue;
            CToolControlEntry entry;
            entry.m_strServerPath = server;
            entry.m_strClsid = (*(*library)->typeInfo(i))->typeAttributes().guid.toRegistryString();
            EXPECT_TRUE(entry.ReadTypeLibrary(world.fs, world.services.resolver, true)) << entry.m_strClsid;
            for (const auto& dispInterface : entry.m_interfaces)
                for (const auto& property : dispInterface->m_properties)
                    EXPECT_FALSE(property->typeText.empty()) << dispInterface->m_strName << "." << property->name;
            ++walked;
        }
    }
    if (walked == 0)
        GTEST_SKIP() << "Wine's control libraries are not installed";
}

// A form's item made from the control takes its members from the entry.
TEST(DispatchModel, ControlItemTakesTheDefaultMembers)
{
    REQUIRE_STDOLE();
    ReadEntry read("D:\\gauge.dll", kGaugeClsid);
    ASSERT_TRUE(read.ok);
    CControlItem item(kKindActiveX, kTypeNone);
    item.m_pControlEntry = &read.entry;
    item.BuildPropertyList();
    ASSERT_EQ(item.GetProperties().size(), 4u + 12u);
    EXPECT_EQ(item.GetProperties()[4]->m_strName, "Caption");
    const CControlPropertyItem& backColor = *item.FindProperty("BackColor");
    EXPECT_EQ(backColor.m_strTypeName, "COLORREF");
    EXPECT_EQ(backColor.m_nDispId, -501);
    EXPECT_EQ(item.FindProperty("Reading")->m_strParamDecls, "long index, VARIANT unit");
    EXPECT_EQ(item.GetMethods().size(), 6u);
    ASSERT_EQ(item.GetEvents().size(), 3u);
    EXPECT_EQ(item.GetEvents()[1].m_strParamDecls, "long oldValue, long newValue");
}
