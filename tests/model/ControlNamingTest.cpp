#include "catalogue/ControlTypes.h"
#include "model/CControlItem.h"
#include "model/CFormModel.h"
#include "model/ControlNaming.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace morva {
namespace {

// A form with its own item and controls added by type and member name.
struct Form {
    CFormModel model;

    Form()
    {
        auto formItem = std::make_unique<CControlItem>(kKindForm, kTypeNone);
        formItem->m_bIsFormItem = true;
        formItem->m_strMemberName = "CForm1";
        model.AppendItem(std::move(formItem));
    }
    CControlItem& Add(int32_t typeCode, std::string member, std::string index = "0", bool array = false)
    {
        CControlItem& item = model.AppendItem(std::make_unique<CControlItem>(kKindIntrinsic, typeCode));
        item.BuildPropertyList();
        item.m_strMemberName = std::move(member);
        item.m_bArrayMember = array;
        item.SetPropertyValue("Index", index);
        return item;
    }
    CControlItem& FormItem() { return *model.GetFormItem(); }
};

TEST(ControlNamingTest, NewControlNamesAndSymbolsAreFoundIndependently)
{
    Form form;
    form.Add(kTypeLabel, "m_Label2");
    // IDC_LABEL1 with IDS_PROP_LABEL1 is carried by a Label of another form.
    const std::set<std::pair<std::string, std::string>> taken{{"IDC_LABEL1", "IDS_PROP_LABEL1"}};
    const SymbolsInUseTest inUse = [&](std::string_view id, std::string_view ps) {
        return taken.contains({std::string(id), std::string(ps)});
    };

    CControlItem label(kKindIntrinsic, kTypeLabel);
    label.BuildPropertyList();
    NameNewControl(label, form.model, 1000, inUse);
    EXPECT_EQ(label.m_strMemberName, "m_Label1");
    EXPECT_EQ(label.m_strClassName, "CXLabel");
    EXPECT_EQ(label.m_strIdentifierSymbol, "IDC_LABEL2");
    EXPECT_EQ(label.m_strPropStringSymbol, "IDS_PROP_LABEL2");
    EXPECT_EQ(label.m_nIdentifierNumber, 1000);
    EXPECT_EQ(label.GetPropertyValue("Caption"), "Label1");

    // Only one symbol of a pair taken does not make the pair taken.
    EXPECT_EQ(NextFreeSymbols("TextBox", [](std::string_view id, std::string_view) { return id == "IDC_TEXTBOX1"; })
                  .identifierSymbol,
              "IDC_TEXTBOX2");
    EXPECT_EQ(NextFreeSymbols("TextBox", [](std::string_view id, std::string_view ps) {
                  return id == "IDC_TEXTBOX1" && ps == "IDS_PROP_TEXTBOX9";
              }).propStringSymbol,
              "IDS_PROP_TEXTBOX1");
    EXPECT_EQ(NextFreeMemberIndex(form.model, "Label"), 1);
    form.Add(kTypeLabel, "m_Label1");
    EXPECT_EQ(NextFreeMemberIndex(form.model, "Label"), 3);
}

TEST(ControlNamingTest, CaptionOrTextByType)
{
    struct Case {
        int32_t typeCode;
        const char* property;
        const char* value;
    };
    const Case cases[] = {
        {kTypeButton, "Caption", "Button1"}, {kTypeData, "Caption", "Data1"},     {kTypeTextBox, "Text", "TextBox1"},
        {kTypeComboBox, "Text", "ComboBox1"}, {kTypeFrame, "Caption", "Frame1"},
    };
    for (const Case& c : cases) {
        Form form;
        CControlItem item(kKindIntrinsic, c.typeCode);
        item.BuildPropertyList();
        const std::string before = item.GetPropertyValue(c.property);
        NameNewControl(item, form.model, 5000, nullptr);
        // A Frame keeps its catalogue caption.
        EXPECT_EQ(item.GetPropertyValue(c.property), c.typeCode == kTypeFrame ? before : std::string(c.value))
            << c.typeCode;
    }
}

TEST(ControlNamingTest, ActiveXBaseNames)
{
    EXPECT_EQ(ActiveXBaseName("C"), "ActiveXCtrl");
    EXPECT_EQ(ActiveXBaseName("CXAxGrid"), "AxGrid");
    EXPECT_EQ(ActiveXBaseName("MyCtrl"), "MyCtrl");
    Form form;
    CControlItem grid(kKindActiveX, kTypeNone);
    grid.m_strClassName = "CXAxGrid";
    NameNewControl(grid, form.model, 7, nullptr);
    EXPECT_EQ(grid.m_strMemberName, "m_AxGrid1");
    EXPECT_EQ(grid.m_strIdentifierSymbol, "IDC_AXGRID1");
    EXPECT_EQ(grid.m_strClassName, "CXAxGrid");
}

TEST(ControlNamingTest, TypedNames)
{
    Form form;
    CControlItem& text = form.Add(kTypeTextBox, "m_TextBox1");
    using Outcome = ControlNameCheck::Outcome;
    struct Case {
        const char* typed;
        Outcome outcome;
        const char* result;
    };
    const Case cases[] = {
        {"m_TextBox1", Outcome::Unchanged, ""},
        {"m_TextBox1(0)", Outcome::Unchanged, ""},
        {"m_Name(3) rest", Outcome::Accepted, "m_Name"},
        {"m_Good_2", Outcome::Accepted, "m_Good_2"},
        {"", Outcome::Refused, "Invalid control name"},
        {"(x", Outcome::Refused, "Invalid control name"},
        {"m Name", Outcome::Refused, "Invalid control name"},
        {"m-Name", Outcome::Refused, "Invalid control name"},
        {"m.Name", Outcome::Refused, "Invalid control name"},
        {"m\"Name", Outcome::Refused, "Invalid control name"},
        {"m\tName", Outcome::Refused, "Invalid control name"},
    };
    for (const Case& c : cases) {
        const ControlNameCheck check = ValidateControlName(text, c.typed);
        EXPECT_EQ(check.outcome, c.outcome) << c.typed;
        EXPECT_EQ(c.outcome == Outcome::Refused ? check.message : check.memberName,
                  c.outcome == Outcome::Unchanged ? "" : c.result)
            << c.typed;
    }
    const ControlNameCheck formRename = ValidateControlName(form.FormItem(), "CForm2");
    EXPECT_EQ(formRename.outcome, Outcome::Refused);
    EXPECT_EQ(formRename.message, "Class name can not be modified");
}

TEST(ControlNamingTest, ArrayPartnerIsOfTheSameType)
{
    Form form;
    CControlItem& label = form.Add(kTypeLabel, "m_Label1");
    CControlItem& text = form.Add(kTypeTextBox, "m_TextBox1");
    form.Add(kTypeTextBox, "m_TextBox2");
    EXPECT_EQ(FindArrayPartner(text, "m_Label1"), nullptr);
    EXPECT_EQ(FindArrayPartner(label, "m_TextBox2"), nullptr);
    EXPECT_NE(FindArrayPartner(text, "m_TextBox2"), nullptr);
    EXPECT_EQ(ArrayQuestion("m_TextBox2"),
              "You already have a control named 'm_TextBox2'. Do you want to create a control array?");
}

TEST(ControlNamingTest, JoiningTakesTheFirstFreeIndex)
{
    struct Case {
        const char* first;
        const char* second;
        const char* expected;
    };
    for (const Case& c : {Case{"0", "1", "2"}, Case{"0", "2", "1"}, Case{"1", "2", "0"}}) {
        Form form;
        form.Add(kTypeTextBox, "m_Other", "0"); // not an element: its Index does not count
        CControlItem& first = form.Add(kTypeTextBox, "m_TextBox1", c.first, true);
        form.Add(kTypeTextBox, "m_TextBox1", c.second, true);
        first.m_strClassName = "CXTextBoxArray";
        CControlItem& third = form.Add(kTypeTextBox, "m_TextBox3", "0");
        third.m_strClassName = "CXTextBox";
        EXPECT_FALSE(JoinControlArray(third, first));
        EXPECT_EQ(third.GetPropertyValue("Index"), c.expected) << c.first << "," << c.second;
        EXPECT_EQ(third.m_strMemberName, "m_TextBox1");
        EXPECT_EQ(third.m_strClassName, "CXTextBoxArray");
        EXPECT_TRUE(third.m_bArrayMember);
    }

    // A single control becomes an array with its first element.
    Form form;
    CControlItem& single = form.Add(kTypeTextBox, "m_TextBox1", "0");
    single.m_strClassName = "CXTextBox";
    CControlItem& joining = form.Add(kTypeTextBox, "m_TextBox2", "0");
    EXPECT_TRUE(JoinControlArray(joining, single));
    EXPECT_EQ(single.m_strClassName, "CXTextBoxArray");
    EXPECT_TRUE(single.m_bArrayMember);
    EXPECT_EQ(joining.GetPropertyValue("Index"), "1");
}

TEST(ControlNamingTest, IndexOfAnArrayElement)
{
    Form form;
    CControlItem& element = form.Add(kTypeTextBox, "m_TextBox1", "0", true);
    form.Add(kTypeTextBox, "m_TextBox1", "1", true);
    form.Add(kTypeTextBox, "m_TextBox7", "4");
    form.Add(kTypeLabel, "m_Label1", "5");
    EXPECT_FALSE(IsIndexFree(element, "1"));
    EXPECT_FALSE(IsIndexFree(element, "4")); // any other TextBox of the form counts
    EXPECT_TRUE(IsIndexFree(element, "5"));  // a Label does not
    EXPECT_TRUE(IsIndexFree(element, "0"));  // its own
    CControlItem& single = form.Add(kTypeTextBox, "m_TextBox9", "0");
    EXPECT_TRUE(IsIndexFree(single, "1"));
    EXPECT_EQ(IndexTakenMessage("1"), "Array already has control at Index '1'");
}

TEST(ControlNamingTest, HandlerAndMessageNames)
{
    Form form;
    CControlItem& text = form.Add(kTypeTextBox, "m_TextBox1");
    EXPECT_EQ(EventHandlerName(text, "Click"), "TextBox1_Click");
    EXPECT_EQ(EventHandlerName(form.FormItem(), "Load"), "Form_Load");
    CControlItem menu(kKindMenuCommand, kTypeNone);
    menu.m_strIdentifierSymbol = "ID_FILE_OPEN";
    EXPECT_EQ(EventHandlerName(menu, "Click"), "File_open_Click");
    EXPECT_EQ(MenuItemName("IDM_X"), "Idm_x");
    EXPECT_EQ(EventMessageName("Click", false), "WM_TFX_CLICK");
    EXPECT_EQ(EventMessageName("MouseDown", true), "WM_TFX_MOUSEDOWN_ARRAY");
}

} // namespace
} // namespace morva
