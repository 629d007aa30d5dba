#include "CodegenFixture.h"

#include "codegen/IncludeGuard.h"
#include "codegen/ReplaceAll.h"
#include "codegen/TemplateIds.h"
#include "codegen/TemplateTable.h"
#include "model/CControlItem.h"
#include "model/CFormModel.h"
#include "model/PropertyValueString.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <set>

namespace morva {
namespace {

TEST(ReplaceAll, ReplacesLeftToRightWithoutRescanning)
{
    struct Case {
        const char* text;
        const char* find;
        const char* replace;
        const char* expected;
    };
    const Case cases[] = {
        {"$A$ and $A$", "$A$", "x", "x and x"},
        {"$A$$A$", "$A$", "[$A$]", "[$A$][$A$]"},       // the value holds the token: no recursion
        {"aaaa", "aa", "a", "aa"},                       // matches do not overlap; output not rescanned
        {"$A$", "$A$", "$A$$A$", "$A$$A$"},
        {"no token", "$A$", "x", "no token"},
        {"$A$", "$A$", "", ""},
        {"x$A", "$A$", "y", "x$A"},                      // a partial token at the end stays
        {"\n\n", "\n", "\r\n", "\r\n\r\n"},              // line-break conversion terminates
        {"text", "", "x", "text"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ReplaceAll(c.text, c.find, c.replace), c.expected) << c.text << " / " << c.find;
}

TEST(IncludeGuard, FormatsTheGuidInUpperCase)
{
    platform::Guid guid;
    guid.data1 = 0x0a1b2c3d;
    guid.data2 = 0x4e5f;
    guid.data3 = 0xabcd; // written with a lower-case format, then upper-cased
    guid.data4 = {0x01, 0x23, 0x45, 0x67, 0x89, 0xab, 0xcd, 0xef};
    EXPECT_EQ(MakeIncludeGuard("form1.h", guid), "AFX_FORM1_H__0A1B2C3D_4E5F_ABCD_0123_456789ABCDEF__INCLUDED_");
    EXPECT_EQ(MakeIncludeGuard("stdafx.h", guid), "AFX_STDAFX_H__0A1B2C3D_4E5F_ABCD_0123_456789ABCDEF__INCLUDED_");
    // Characters that cannot be part of a macro name become underscores.
    EXPECT_EQ(MakeIncludeGuard("my form-2.hpp", guid),
              "AFX_MY_FORM_2_HPP_H__0A1B2C3D_4E5F_ABCD_0123_456789ABCDEF__INCLUDED_");
    EXPECT_EQ(MakeIncludeGuard("h", guid), "AFX_H_H__0A1B2C3D_4E5F_ABCD_0123_456789ABCDEF__INCLUDED_");
}

TEST(IncludeGuard, EveryCallTakesAFreshGuid)
{
    const std::regex shape("AFX_TEST_H__[0-9A-F]{8}_[0-9A-F]{4}_[0-9A-F]{4}_[0-9A-F]{4}_[0-9A-F]{12}__INCLUDED_");
    std::set<std::string> guards;
    for (int i = 0; i < 20; ++i) {
        const std::string guard = MakeIncludeGuard("test.h");
        EXPECT_TRUE(std::regex_match(guard, shape)) << guard;
        guards.insert(guard);
    }
    EXPECT_EQ(guards.size(), 20u);
}

TEST(TemplateTable, LineBreaksFollowTheFileKind)
{
    const int lfTemplates[] = {tpl::kStdAfxHeader, tpl::kStdAfxSource, tpl::kRc2,        tpl::kDspHeader,
                               tpl::kDspRelease,   tpl::kDspDebug,     tpl::kDspSourceFiles, tpl::kDspHeaderAndResourceFiles,
                               tpl::kWorkspace};
    const int crlfTemplates[] = {tpl::kAppHeader, tpl::kAppSource, tpl::kFormSource, tpl::kFormSourceControls,
                                 tpl::kFormHeader, tpl::kRcIncludes, tpl::kRcLanguage, tpl::kRcIcons,
                                 tpl::kRcBitmapsCursorsMenus, tpl::kRcVersion, tpl::kRcStringTable,
                                 tpl::kRcTextInclude3, tpl::kResourceHeader};
    for (int id : lfTemplates) {
        ASSERT_TRUE(HasTemplate(id)) << id;
        EXPECT_EQ(TemplateText(id).find('\r'), std::string_view::npos) << id;
    }
    for (int id : crlfTemplates) {
        ASSERT_TRUE(HasTemplate(id)) << id;
        EXPECT_EQ(test::FirstBareLf(TemplateText(id)), std::string_view::npos) << id;
    }
    // The resource script's first piece ends without a line break, the second begins with one.
    EXPECT_NE(TemplateText(tpl::kRcIncludes).back(), '\n');
    EXPECT_EQ(TemplateText(tpl::kRcLanguage).substr(0, 2), "\r\n");
    EXPECT_TRUE(TemplateText(12345).empty());
}

// The stored property strings of a new start-up form are the model's strings of a new form,
// in double quotes.
TEST(TemplateTable, FormPropertyStringsMatchTheModel)
{
    for (const bool mdi : {false, true}) {
        CFormModel form;
        form.m_strBaseClass = mdi ? "CXMdiForm" : "CXForm";
        auto created = std::make_unique<CControlItem>(kKindForm, kTypeNone);
        created->m_bIsFormItem = true;
        created->m_strClassName = form.m_strBaseClass;
        CControlItem& item = form.AppendItem(std::move(created));
        item.BuildPropertyList();
        // A new form is captioned with its first name.
        if (item.GetPropertyValue("Caption").empty())
            item.SetPropertyValue("Caption", "Form1");
        const std::string expected = "\"" + BuildPropertyValueString(item, PropertyStringContext{}) + "\"";
        EXPECT_EQ(TemplateText(mdi ? tpl::kMdiFormPropValues : tpl::kFormPropValues), expected);
    }
}

} // namespace
} // namespace morva
