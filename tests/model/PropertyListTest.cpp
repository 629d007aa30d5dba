#include "model/CControlItem.h"
#include "model/CFormModel.h"
#include "model/MenuCommandItem.h"

#include <gtest/gtest.h>

#include <map>

namespace morva {
namespace {

std::string PropertyNames(const CControlItem& item)
{
    std::string out;
    for (const auto& property : item.GetProperties())
        out += (out.empty() ? "" : " ") + property->m_strName;
    return out;
}

std::string EventNames(const CControlItem& item)
{
    std::string out;
    for (const auto& event : item.GetEvents())
        out += (out.empty() ? "" : " ") + event.m_strName;
    return out;
}

std::unique_ptr<CControlItem> MakeIntrinsic(int32_t typeCode)
{
    auto item = std::make_unique<CControlItem>(kKindIntrinsic, typeCode);
    item->BuildPropertyList();
    item->BuildEventList();
    return item;
}

// A form item inside its form class, so that the class's base decides normal or MDI.
CControlItem& AddFormItem(CFormModel& form, const char* baseClass)
{
    form.m_strBaseClass = baseClass;
    auto item = std::make_unique<CControlItem>(kKindForm, kTypeNone);
    item->m_bIsFormItem = true;
    CControlItem& added = form.AppendItem(std::move(item));
    added.BuildPropertyList();
    added.BuildEventList();
    return added;
}

// The persisted field order of every intrinsic type.
const std::map<int32_t, std::string> kFieldOrder = {
    {101, "Appearance BackColor DragIcon DragMode Enabled Font FontBold FontItalic FontSize FontStrikethru FontUnderline ForeColor Height HelpContextID Index Left MouseIcon MousePointer OLEDropMode TabIndex TabStop Tag ToolTipText Top Visible WhatsThisHelpID Width Align AutoRedraw AutoSize BorderStyle ClipControls DataField DataSource DrawMode DrawStyle DrawWidth FillColor FillStyle FontTransparent LinkItem LinkMode LinkTimeOut LinkTopic Picture Negotiate OLEDragMode RightToLeft ScaleHeight ScaleLeft ScaleMode ScaleTop ScaleWidth"},
    {102, "Appearance BackColor DragIcon DragMode Enabled Font FontBold FontItalic FontSize FontStrikethru FontUnderline ForeColor Height Index Left MouseIcon MousePointer OLEDropMode TabIndex Tag ToolTipText Top Visible WhatsThisHelpID Width Alignment AutoSize BackStyle BorderStyle Caption DataField DataSource LinkItem LinkMode LinkTimeOut LinkTopic RightToLeft UseMnemonic WordWrap"},
    {103, "Appearance BackColor DragIcon DragMode Enabled Font FontBold FontItalic FontSize FontStrikethru FontUnderline ForeColor Height HelpContextID Index Left MouseIcon MousePointer OLEDropMode TabIndex TabStop Tag ToolTipText Top Visible WhatsThisHelpID Width Alignment BorderStyle DataField DataSource HideSelection LinkItem LinkMode LinkTimeOut LinkTopic Locked MaxLength MultiLine OLEDragMode PasswordChar RightToLeft ScrollBars Text"},
    {104, "Appearance BackColor DragIcon DragMode Enabled Font FontBold FontItalic FontSize FontStrikethru FontUnderline ForeColor Height HelpContextID Index Left MouseIcon MousePointer OLEDropMode TabIndex Tag ToolTipText Top Visible WhatsThisHelpID Width BorderStyle Caption ClipControls RightToLeft"},
    {105, "Appearance BackColor DragIcon DragMode Enabled Font FontBold FontItalic FontSize FontStrikethru FontUnderline Height HelpContextID Index Left MouseIcon MousePointer OLEDropMode TabIndex TabStop Tag ToolTipText Top Visible WhatsThisHelpID Width Caption DisabledPicture DownPicture MaskColor Picture RightToLeft Style UseMaskColor Cancel Default"},
    {106, "Appearance BackColor DragIcon DragMode Enabled Font FontBold FontItalic FontSize FontStrikethru FontUnderline ForeColor Height HelpContextID Index Left MouseIcon MousePointer OLEDropMode TabIndex TabStop Tag ToolTipText Top Visible WhatsThisHelpID Width Caption DisabledPicture DownPicture MaskColor Picture RightToLeft Style UseMaskColor Alignment DataField DataSource Value"},
    {107, "Appearance BackColor DragIcon DragMode Enabled Font FontBold FontItalic FontSize FontStrikethru FontUnderline ForeColor Height HelpContextID Index Left MouseIcon MousePointer OLEDropMode TabIndex TabStop Tag ToolTipText Top Visible WhatsThisHelpID Width Caption DisabledPicture DownPicture MaskColor Picture RightToLeft Style UseMaskColor Alignment Value"},
    {108, "Appearance BackColor DragIcon DragMode Enabled Font FontBold FontItalic FontSize FontStrikethru FontUnderline ForeColor Height HelpContextID Index Left MouseIcon MousePointer OLEDropMode TabIndex TabStop Tag ToolTipText Top Visible WhatsThisHelpID Width DataField DataSource IntegralHeight ItemData List Locked OLEDragMode RightToLeft Sorted Style Text"},
    {109, "Appearance BackColor DragIcon DragMode Enabled Font FontBold FontItalic FontSize FontStrikethru FontUnderline ForeColor Height HelpContextID Index Left MouseIcon MousePointer OLEDropMode TabIndex TabStop Tag ToolTipText Top Visible WhatsThisHelpID Width Columns DataField DataSource IntegralHeight ItemData List MultiSelect OLEDragMode RightToLeft Sorted Style"},
    {110, "DragIcon DragMode Enabled Height HelpContextID Index Left MouseIcon MousePointer TabIndex TabStop Tag Top Visible WhatsThisHelpID Width LargeChange Max Min RightToLeft SmallChange Value"},
    {111, "DragIcon DragMode Enabled Height HelpContextID Index Left MouseIcon MousePointer TabIndex TabStop Tag Top Visible WhatsThisHelpID Width LargeChange Max Min RightToLeft SmallChange Value"},
    {112, "Enabled Index Interval Left Tag Top"},
    {113, "BackColor Height Index Left Tag Top Visible Width BackStyle BorderColor BorderStyle BorderWidth DrawMode FillColor FillStyle Shape"},
    {114, "Index Tag Visible BorderColor BorderStyle BorderWidth DrawMode X1 X2 Y1 Y2"},
    {115, "Appearance DragIcon DragMode Enabled Height Index Left MouseIcon MousePointer OLEDropMode Tag ToolTipText Top Visible WhatsThisHelpID Width BorderStyle DataField DataSource OLEDragMode Picture Stretch"},
    {116, "Appearance BackColor DragIcon DragMode Enabled Font FontBold FontItalic FontSize FontStrikethru FontUnderline ForeColor Height Index Left MouseIcon MousePointer OLEDropMode Tag ToolTipText Top Visible WhatsThisHelpID Width Align BOFAction Caption Connect DatabaseName DefaultCursorType DefaultType EOFAction Exclusive Negotiate Options ReadOnly RecordsetType RecordSource RightToLeft"},
};

TEST(PropertyList, FieldOrderOfEveryIntrinsicType)
{
    for (const auto& [typeCode, names] : kFieldOrder)
        EXPECT_EQ(PropertyNames(*MakeIntrinsic(typeCode)), names) << typeCode;
}

TEST(PropertyList, FormsTakeTheCommonTableWithoutTheFormWords)
{
    CFormModel normal;
    const CControlItem& form = AddFormItem(normal, "CXForm");
    EXPECT_EQ(form.GetProperties().size(), 54u);
    EXPECT_EQ(PropertyNames(form),
              "Appearance BackColor Enabled Font FontBold FontItalic FontSize FontStrikethru FontUnderline ForeColor "
              "Height HelpContextID Left MouseIcon MousePointer OLEDropMode Tag Top Visible Width "
              "AutoRedraw BorderStyle Caption ClipControls ControlBox DrawMode DrawStyle DrawWidth FillColor FillStyle "
              "FontTransparent Icon KeyPreview LinkMode LinkTopic MaxButton MDIChild MinButton Moveable NegotiateMenus "
              "Palette PaletteMode Picture RightToLeft ScaleHeight ScaleLeft ScaleMode ScaleTop ScaleWidth "
              "ShowInTaskbar StartUpPosition WhatsThisButton WhatsThisHelp WindowState");

    CFormModel mdi;
    const CControlItem& mdiForm = AddFormItem(mdi, "CXMdiForm");
    EXPECT_EQ(PropertyNames(mdiForm),
              "Appearance BackColor Enabled Height HelpContextID Left MouseIcon MousePointer OLEDropMode Tag Top "
              "Visible Width AutoShowChildren Caption Icon LinkMode LinkTopic Moveable NegotiateToolbars Picture "
              "RightToLeft ScrollBars StartUpPosition WhatsThisHelp WindowState");
}

TEST(PropertyList, TimerHasOnlyItsOwnTable)
{
    const auto timerItem = MakeIntrinsic(kTypeTimer);
    const CControlItem& timer = *timerItem;
    std::string defaults;
    for (const auto& property : timer.GetProperties())
        defaults += property->m_strValue + "|";
    EXPECT_EQ(PropertyNames(timer), "Enabled Index Interval Left Tag Top");
    EXPECT_EQ(defaults, "1|0|0|0||0|");
    EXPECT_EQ(EventNames(timer), "Timer");
}

TEST(PropertyList, BackColorDefaults)
{
    const std::map<int32_t, std::string> expected = {
        {101, "12632256"}, {102, "12632256"}, {103, "16777215"}, {104, "12632256"}, {105, "12632256"},
        {106, "12632256"}, {107, "12632256"}, {108, "16777215"}, {109, "16777215"}, {113, "16777215"},
        {116, "16777215"}};
    for (const auto& [typeCode, color] : expected)
        EXPECT_EQ(MakeIntrinsic(typeCode)->GetPropertyValue("BackColor"), color) << typeCode;
    CFormModel normal, mdi;
    EXPECT_EQ(AddFormItem(normal, "CXForm").GetPropertyValue("BackColor"), "12632256");
    EXPECT_EQ(AddFormItem(mdi, "CXMdiForm").GetPropertyValue("BackColor"), "8421504");
}

TEST(PropertyList, OleDropModeOffersAutomaticOnlyWhereItIsSupported)
{
    for (int32_t typeCode : {101, 102, 103, 105, 115}) {
        const auto item = MakeIntrinsic(typeCode);
        const CControlPropertyItem* dropMode = item->FindProperty("OLEDropMode");
        ASSERT_NE(dropMode, nullptr);
        const bool three = typeCode == 101 || typeCode == 103 || typeCode == 115;
        ASSERT_EQ(dropMode->m_items.size(), three ? 3u : 2u) << typeCode;
        if (three) {
            EXPECT_EQ(dropMode->m_items[2].m_strText, "2 - Automatic");
        }
    }
}

TEST(PropertyList, ListBoxListsStartWithALineBreak)
{
    const auto listItem = MakeIntrinsic(kTypeListBox);
    const CControlItem& list = *listItem;
    EXPECT_EQ(list.GetPropertyValue("List"), "\r\n");
    EXPECT_EQ(list.GetPropertyValue("ItemData"), "0\r\n");
    EXPECT_EQ(MakeIntrinsic(kTypeComboBox)->GetPropertyValue("List"), "");
}

TEST(PropertyList, FontDetailsAreHiddenAndPositionsFollowTheNames)
{
    const auto textItem = MakeIntrinsic(kTypeTextBox);
    const CControlItem& text = *textItem;
    // 44 properties, 5 font details hidden.
    EXPECT_EQ(text.m_nShownPropertyCount, 39);
    std::vector<std::string> byPosition(39);
    for (const auto& property : text.GetProperties()) {
        if (property->m_strName.rfind("Font", 0) == 0 && property->m_strName != "Font") {
            EXPECT_FALSE(property->m_bShown);
            EXPECT_EQ(property->m_nDisplayPosition, 32760);
            continue;
        }
        ASSERT_GE(property->m_nDisplayPosition, 0);
        ASSERT_LT(property->m_nDisplayPosition, 39);
        EXPECT_TRUE(byPosition[property->m_nDisplayPosition].empty()) << property->m_strName;
        byPosition[property->m_nDisplayPosition] = property->m_strName;
    }
    EXPECT_TRUE(std::is_sorted(byPosition.begin(), byPosition.end()));
    EXPECT_EQ(byPosition.front(), "Alignment");
    // Byte-wise order puts upper-case names before lower-case ones: "OLEDragMode" < "OLEDropMode".
    EXPECT_LT(text.FindProperty("OLEDragMode")->m_nDisplayPosition, text.FindProperty("OLEDropMode")->m_nDisplayPosition);
}

TEST(PropertyList, BuildingTwiceKeepsOneCopy)
{
    const auto labelItem = MakeIntrinsic(kTypeLabel);
    CControlItem& label = *labelItem;
    label.BuildPropertyList();
    label.BuildEventList();
    EXPECT_EQ(label.GetProperties().size(), 39u);
    EXPECT_EQ(label.m_nShownPropertyCount, 34);
    EXPECT_EQ(EventNames(label), EventNames(*MakeIntrinsic(kTypeLabel)));
}

TEST(PropertyList, KindsWithoutTablesStayEmpty)
{
    for (int32_t kind : {1, 3, int32_t(kKindMenuCommand)}) {
        CControlItem item(kind, kTypeTextBox);
        item.BuildPropertyList();
        item.BuildEventList();
        EXPECT_TRUE(item.GetProperties().empty()) << kind;
        EXPECT_TRUE(item.GetEvents().empty()) << kind;
    }
    const auto command = MakeMenuCommandItem("ID_FILE_OPEN");
    EXPECT_EQ(command->m_nKind, kKindMenuCommand);
    EXPECT_EQ(command->m_strIdentifierSymbol, "ID_FILE_OPEN");
    EXPECT_TRUE(command->GetProperties().empty());
    EXPECT_EQ(EventNames(*command), "Click");

    CControlItem unknown(kKindIntrinsic, 117);
    unknown.BuildPropertyList();
    EXPECT_TRUE(unknown.GetProperties().empty());
}

TEST(EventList, EventsPerType)
{
    const std::string common = "Click DblClick DragDrop DragOver GotFocus KeyDown KeyPress KeyUp LostFocus MouseDown "
                               "MouseMove MouseUp OLECompleteDrag OLEDragDrop OLEDragOver OLEGiveFeedback OLESetData "
                               "OLEStartDrag";
    const std::string link = "LinkClose LinkError LinkExecute LinkOpen";
    const std::map<int32_t, std::string> expected = {
        {101, common + " " + link + " Paint Resize"},
        {102, common + " Change LinkClose LinkError LinkNotify LinkOpen"},
        {103, common + " Change LinkClose LinkError LinkNotify LinkOpen"},
        {104, "Click DblClick DragDrop DragOver GotFocus LostFocus MouseDown MouseMove MouseUp OLECompleteDrag "
              "OLEDragDrop OLEDragOver OLEGiveFeedback OLESetData OLEStartDrag"},
        {105, common},
        {108, common + " Change Scroll"},
        {109, common + " ItemCheck"},
        {110, "Click DblClick DragDrop DragOver GotFocus KeyDown KeyPress KeyUp LostFocus MouseDown Change Scroll"},
        {112, "Timer"},
        {113, ""},
        {114, ""},
        {115, "Click DblClick DragDrop DragOver MouseDown MouseMove MouseUp OLECompleteDrag OLEDragDrop OLEDragOver "
              "OLEGiveFeedback OLESetData OLEStartDrag"},
        {116, "DragDrop DragOver MouseDown MouseMove MouseUp OLECompleteDrag OLEDragDrop OLEDragOver OLEGiveFeedback "
              "OLESetData OLEStartDrag Error Reposition Resize Validate"},
    };
    for (const auto& [typeCode, names] : expected)
        EXPECT_EQ(EventNames(*MakeIntrinsic(typeCode)), names) << typeCode;

    CFormModel form;
    EXPECT_EQ(EventNames(AddFormItem(form, "CXForm")),
              common + " Activate Deactivate Initialize " + link + " Load Paint QueryUnload Resize Terminate Unload");
}

TEST(EventList, EventFieldsComeFromTheDefinition)
{
    const auto textItem = MakeIntrinsic(kTypeTextBox);
    const CControlItem& text = *textItem;
    const CCtrlEventMethodItem* dragDrop = text.FindEvent("OLEDragDrop");
    ASSERT_NE(dragDrop, nullptr);
    EXPECT_EQ(dragDrop->m_strReturnType, "DROPEFFECT");
    EXPECT_EQ(dragDrop->m_strParamDecls,
              "COleDataObject* pDataObject, DROPEFFECT lEffect, int nButton, int nShift, int nX, int nY");
    EXPECT_EQ(dragDrop->m_nDispId, -9999);
    EXPECT_EQ(text.FindEvent("Click")->m_strReturnType, "void");
    EXPECT_EQ(text.FindEvent("Click")->m_strParamDecls, "");
}

} // namespace
} // namespace morva
