#include "model/CControlItem.h"
#include "model/IActiveXControlEntry.h"

#include <gtest/gtest.h>

namespace morva {
namespace {

// A registered control with a small dispatch interface.
class FakeControlEntry : public IActiveXControlEntry {
public:
    std::string m_progId = "CALENDAR.CALCTRL.1";
    std::vector<DispatchPropertyInfo> m_properties;
    std::vector<DispatchMemberInfo> m_methods;
    std::vector<DispatchMemberInfo> m_events;

    std::string GetProgId() const override { return m_progId; }
    std::vector<const DispatchPropertyInfo*> GetDefaultProperties() const override { return Pointers(m_properties); }
    std::vector<const DispatchMemberInfo*> GetDefaultMethods() const override { return Pointers(m_methods); }
    std::vector<const DispatchMemberInfo*> GetDefaultEvents() const override { return Pointers(m_events); }
    bool NamesDispatchInterface(const std::string& typeText) const override { return typeText == "IDays"; }

private:
    template <typename T>
    static std::vector<const T*> Pointers(const std::vector<T>& items)
    {
        std::vector<const T*> out;
        for (const T& item : items)
            out.push_back(&item);
        return out;
    }
};

FakeControlEntry CalendarEntry()
{
    FakeControlEntry entry;
    DispatchPropertyInfo backColor{"BackColor", "COLORREF", 3, -501, "BackColor", "The colour", "cal.hlp", 12, "", "", true};
    DispatchPropertyInfo day{"Day", "short", 2, 17, "", "", "", -1, "", "", true};
    DispatchPropertyInfo hidden{"Internal", "long", 3, 99, "", "", "", -1, "", "", false};
    entry.m_properties = {backColor, day, hidden};
    entry.m_methods = {{"Refresh", "void", "", "VTS_NONE", -550, 0}, {"NextDay", "void", "short n", "VTS_I2 ", 5, 0}};
    entry.m_events = {{"Click", "void", "", "VTS_NONE", -600, 0}};
    return entry;
}

TEST(ActiveXGeometry, GeometryFirstThenTheDispatchMembers)
{
    FakeControlEntry entry = CalendarEntry();
    CControlItem item(kKindActiveX, kTypeNone);
    item.m_pControlEntry = &entry;
    item.BuildPropertyList();
    item.BuildEventList(); // the events came with the dispatch members

    std::string names;
    for (const auto& property : item.GetProperties())
        names += property->m_strName + " ";
    EXPECT_EQ(names, "Left Top Width Height BackColor Day Internal ");
    EXPECT_EQ(item.m_nShownPropertyCount, 7);
    EXPECT_EQ(item.FindProperty("Left")->m_strTypeName, "int");
    EXPECT_EQ(item.FindProperty("Left")->m_strValue, "");

    const CControlPropertyItem& backColor = *item.FindProperty("BackColor");
    EXPECT_EQ(backColor.m_strTypeName, "COLORREF");
    EXPECT_EQ(backColor.m_nVarType, 3);
    EXPECT_EQ(backColor.m_nDispId, -501);
    EXPECT_EQ(backColor.m_strDocString, "The colour");
    EXPECT_EQ(backColor.m_strHelpFile, "cal.hlp");
    EXPECT_EQ(backColor.m_nHelpContext, 12);
    EXPECT_TRUE(backColor.m_items.empty());

    // Shown properties are numbered by name; the hidden one keeps the not-shown position.
    EXPECT_EQ(item.FindProperty("BackColor")->m_nDisplayPosition, 0);
    EXPECT_EQ(item.FindProperty("Day")->m_nDisplayPosition, 1);
    EXPECT_EQ(item.FindProperty("Height")->m_nDisplayPosition, 2);
    EXPECT_EQ(item.FindProperty("Width")->m_nDisplayPosition, 5);
    EXPECT_EQ(item.FindProperty("Internal")->m_nDisplayPosition, 32760);

    ASSERT_EQ(item.GetMethods().size(), 2u);
    EXPECT_EQ(item.GetMethods()[1].m_strParamDecls, "short n");
    EXPECT_EQ(item.GetMethods()[1].m_nDispId, 5);
    ASSERT_EQ(item.GetEvents().size(), 1u);
    EXPECT_EQ(item.GetEvents()[0].m_nDispId, -600);
    EXPECT_FALSE(item.m_bDrawnAsFrame);

    item.BuildPropertyList();
    EXPECT_EQ(item.GetProperties().size(), 7u);
}

TEST(ActiveXGeometry, ExistingGeometryIsNotAddedAgain)
{
    FakeControlEntry entry;
    CControlItem item(kKindActiveX, kTypeNone);
    item.m_pControlEntry = &entry;
    auto left = std::make_unique<CControlPropertyItem>();
    left->m_strName = "Left";
    left->m_strValue = "40";
    item.AppendProperty(std::move(left));
    item.AddActiveXGeometry();
    ASSERT_EQ(item.GetProperties().size(), 4u);
    EXPECT_EQ(item.GetPropertyValue("Left"), "40");
    EXPECT_EQ(item.m_nShownPropertyCount, 3);
}

TEST(ActiveXGeometry, ControlsThatCannotDrawThemselvesAreFramed)
{
    struct Case {
        const char* progId;
        bool framed;
    };
    for (const Case c : {Case{"MCI.MMControl.1", true}, Case{"medview.medviewctrl.141kn", true},
                         Case{"MCI.MMControl.2", false}, Case{"", false}}) {
        FakeControlEntry entry;
        entry.m_progId = c.progId;
        CControlItem item(kKindActiveX, kTypeNone);
        item.m_pControlEntry = &entry;
        item.AddActiveXGeometry();
        EXPECT_EQ(item.m_bDrawnAsFrame, c.framed) << c.progId;
    }
}

TEST(ActiveXGeometry, WithoutAnEntryOnlyGeometry)
{
    CControlItem item(kKindActiveX, kTypeNone);
    item.BuildPropertyList();
    EXPECT_EQ(item.GetProperties().size(), 4u);
    EXPECT_TRUE(item.GetEvents().empty());
}

} // namespace
} // namespace morva
