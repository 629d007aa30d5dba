#include "catalogue/Catalogue.h"

#include "catalogue/ControlTypes.h"
#include "catalogue/DefinitionLine.h"

#include <gtest/gtest.h>

#include <sstream>

namespace morva {
namespace {

std::string Join(const std::vector<std::string>& names)
{
    std::string out;
    for (const std::string& name : names)
        out += (out.empty() ? "" : " ") + name;
    return out;
}

std::string MethodNames(std::string_view className, int32_t typeCode)
{
    std::vector<std::string> names;
    for (const std::string& line : GetMethodList(className, typeCode))
        names.push_back(MethodDefinitionName(line));
    return Join(names);
}

TEST(Catalogue, TypeCodesNamesAndClasses)
{
    const char* const bases[] = {"PictureBox", "Label",     "TextBox",    "Frame", "Button", "CheckBox",
                                 "OptionButton", "ComboBox", "ListBox",   "HScrollBar", "VScrollBar", "Timer",
                                 "Shape",      "Line",      "Image",      "Data"};
    for (int32_t code = 101; code <= 116; ++code) {
        const std::string base = bases[code - 101];
        EXPECT_EQ(BaseName(code), base);
        EXPECT_EQ(RuntimeClassName(code), "CX" + base);
        EXPECT_EQ(LookupTypeCode("CX" + base), code);
    }
    for (int32_t code : {-1, 0, 100, 117})
        EXPECT_TRUE(BaseName(code).empty() && RuntimeClassName(code).empty() && GetPropertyTable(code).empty());
    EXPECT_EQ(LookupTypeCode("CXImge"), 0);
    EXPECT_EQ(LookupTypeCode("CXImageX"), 0);
    EXPECT_EQ(LookupTypeCode("cximage"), 0);
    EXPECT_EQ(LookupTypeCode("CXForm"), 0);
}

TEST(Catalogue, ContainerAndGraphicalTypes)
{
    for (int32_t code = 101; code <= 116; ++code) {
        EXPECT_EQ(IsContainerType(code), code == 101 || code == 104) << code;
        EXPECT_EQ(IsGraphicalType(code), code == 102 || code == 113 || code == 114 || code == 115) << code;
    }
}

TEST(Catalogue, ClassNameListsAreSubstringTests)
{
    struct Case {
        const char* name;
        bool intrinsic;
        bool runtime;
    };
    const Case cases[] = {
        {"CXTextBox", true, true}, {"CXForm", false, true}, {"CXMdiForm", false, true}, {"Form", false, true},
        {"CX", true, true},        {"Box", true, true},     {"CXAxCalendar", false, false}, {"cxtextbox", false, false},
        {"TextBox\nCXList", true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsIntrinsicClassName(c.name), c.intrinsic) << c.name;
        EXPECT_EQ(IsRuntimeClassName(c.name), c.runtime) << c.name;
    }
}

TEST(Catalogue, BaseAndViewClassTestsAreExact)
{
    for (const char* name : {"CXForm", "CXMdiForm", "CFormBase"})
        EXPECT_TRUE(IsFormBaseClass(name)) << name;
    for (const char* name : {"CXFormX", "cxform", "CView", ""})
        EXPECT_FALSE(IsFormBaseClass(name)) << name;
    for (const char* name : {"CView", "CFormView", "CScrollView", "CEditView", "CRichEditView", "CListView",
                             "CTreeView", "CCtrlView", "CDaoRecordView", "CRecordView"})
        EXPECT_TRUE(IsViewClass(name)) << name;
    for (const char* name : {"CViews", "View", "CXForm"})
        EXPECT_FALSE(IsViewClass(name)) << name;
}

TEST(Catalogue, ExclusionIsASubstringTestOnTheWholeLine)
{
    // "Index" drops TabIndex for a form; "Font" drops every Font line of a scroll bar.
    EXPECT_TRUE(IsPropertyExcluded("UINT\tTabIndex\t0\t\n", kKindForm, kTypeNone, false));
    EXPECT_TRUE(IsPropertyExcluded("BOOL\tFontBold\t0\t\n", kKindIntrinsic, kTypeHScrollBar, false));
    EXPECT_FALSE(IsPropertyExcluded("BOOL\tFontBold\t0\t\n", kKindForm, kTypeNone, false));
    EXPECT_TRUE(IsPropertyExcluded("BOOL\tFontBold\t0\t\n", kKindForm, kTypeNone, true));
    // The words are found in defaults and items too.
    EXPECT_TRUE(IsPropertyExcluded("CString\tX\tTabStop\t\n", kKindIntrinsic, kTypeLabel, false));
    // Kinds other than forms and intrinsic controls drop nothing.
    EXPECT_FALSE(IsPropertyExcluded("UINT\tTabIndex\t0\t\n", kKindActiveX, kTypeNone, false));
    EXPECT_FALSE(IsPropertyExcluded("UINT\tTabIndex\t0\t\n", kKindIntrinsic, kTypeTextBox, false));
}

TEST(Catalogue, ExclusionByClassName)
{
    EXPECT_TRUE(IsPropertyExcludedForClass("CXForm", "UINT\tTabIndex\t0\t\n"));
    EXPECT_FALSE(IsPropertyExcludedForClass("CXForm", "Font\tFont\tMS Sans Serif\t\n"));
    EXPECT_TRUE(IsPropertyExcludedForClass("CXMdiForm", "Font\tFont\tMS Sans Serif\t\n"));
    EXPECT_TRUE(IsPropertyExcludedForClass("CXLabel", "BOOL\tTabStop\t1\t\n"));
    EXPECT_FALSE(IsPropertyExcludedForClass("CXTextBox", "BOOL\tTabStop\t1\t\n"));
    EXPECT_FALSE(IsPropertyExcludedForClass("CSomethingElse", "BOOL\tTabStop\t1\t\n"));
}

TEST(Catalogue, MethodListsPerClass)
{
    const std::string common = "Drag Move OLEDrag Refresh SetFocus ShowWhatsThis ZOrder";
    const std::string graphics = "Circle Cls Line PaintPicture Point PSet Scale ScaleX ScaleY TextHeight TextWidth Line_Step";
    const std::string link = "LinkExecute LinkPoke LinkRequest LinkSend";
    struct Case {
        const char* className;
        int32_t typeCode;
        std::string names;
    };
    const Case cases[] = {
        {"CXForm", kTypeNone, common + " " + graphics + " Hide PopupMenu PrintForm Show WhatsThisMode"},
        {"CXMdiForm", kTypeNone, common},
        {"CXPictureBox", 101, common + " " + graphics + " " + link},
        {"CXLabel", 102, "Drag Move OLEDrag Refresh ShowWhatsThis ZOrder " + link},
        {"CXTextBox", 103, common + " " + link},
        {"CXFrame", 104, "Drag Move OLEDrag Refresh ShowWhatsThis ZOrder"},
        {"CXButton", 105, common},
        {"CXComboBox", 108, common + " AddItem RemoveItem"},
        {"CXListBox", 109, common + " AddItem RemoveItem"},
        {"CXHScrollBar", 110, "Drag Move Refresh SetFocus ShowWhatsThis ZOrder"},
        {"CXTimer", 112, ""},
        {"CXShape", 113, "Move Refresh ZOrder"},
        {"CXLine", 114, "Refresh ZOrder"},
        {"CXImage", 115, "Move Refresh ShowWhatsThis ZOrder"},
        {"CXData", 116, common + " UpdateControls UpdateRecord"},
        // A class name alone finds the type; an unknown class has no methods.
        {"CXListBox", 0, common + " AddItem RemoveItem"},
        {"CXAxCalendar", kTypeNone, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MethodNames(c.className, c.typeCode), c.names) << c.className;
}

TEST(Catalogue, MethodLinesAreKeptAsStored)
{
    const auto lines = GetMethodList("CXForm", kTypeNone);
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "Circle(int nX, int nY, int nRadius, COLORREF clrBorder,  int nStart, int nEnd, double dblAspect)"),
              lines.end());
    EXPECT_NE(std::find(lines.begin(), lines.end(),
                        "PopupMenu( CString strMenuName, UINT nFlags, int nX, int nY, CString strBoldCommand)"),
              lines.end());
}

TEST(Catalogue, EveryTableLineIsWellFormed)
{
    // Each property line has type, name and default; each enumerated item has its "-".
    std::vector<std::string_view> tables{GetCommonPropertyTable(), GetFormPropertyTable(false),
                                         GetFormPropertyTable(true)};
    for (int32_t code = 101; code <= 116; ++code)
        tables.push_back(GetPropertyTable(code));
    for (std::string_view table : tables) {
        ASSERT_FALSE(table.empty());
        ASSERT_EQ(table.back(), '\n');
        ForEachDefinitionLine(table, [](std::string_view line) {
            const auto fields = TabFields(line);
            ASSERT_GE(fields.size(), 3u) << line;
            EXPECT_EQ(line.back(), '\t') << line;
            for (size_t i = 3; i < fields.size(); ++i)
                EXPECT_NE(fields[i].find(" - "), std::string_view::npos) << line;
        });
    }
}

} // namespace
} // namespace morva
