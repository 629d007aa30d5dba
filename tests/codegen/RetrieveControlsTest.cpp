#include "codegen/RetrieveControls.h"

#include "CodeWriterFixture.h"
#include "catalogue/ControlTypes.h"
#include "codegen/ControlCodeWriter.h"

#include <vector>

namespace morva {
namespace {

class RetrieveControlsTest : public test::CodeWriterFixture {
protected:
    long Add(int32_t typeCode, platform::Rect rect, long counter, const char* container = nullptr)
    {
        NewControl control;
        control.typeCode = typeCode;
        control.rect = rect;
        control.container = container ? Control(container) : nullptr;
        const auto added = AddControl(m_services, Form(), control, counter);
        EXPECT_TRUE(added && added->item) << typeCode;
        return added ? added->controlCounter : counter;
    }
};

// Everything the files carry of a form's controls, as text.
std::string Describe(const CClassItem& form)
{
    std::string out;
    for (const auto& item : form.GetItems()) {
        if (item->m_nKind != kKindIntrinsic)
            continue;
        const platform::Rect r = item->GetRect();
        out += item->m_strMemberName + " " + item->m_strClassName + " " + item->m_strIdentifierSymbol + " " +
               item->m_strPropStringSymbol + " " + std::to_string(item->m_nIdentifierNumber) + " in " +
               (item->m_pContainer ? item->m_pContainer->m_strMemberName : "-") + " at " + std::to_string(r.left) +
               "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," + std::to_string(r.bottom) + "\n";
        for (const auto& property : item->GetProperties())
            out += "  " + property->m_strName + "=" + property->m_strValue + "\n";
    }
    return out;
}

TEST_F(RetrieveControlsTest, ProjectOpenedAgainHasTheSameControls)
{
    long counter = 1000;
    counter = Add(kTypeTextBox, {10, 10, 110, 35}, counter);
    counter = Add(kTypeFrame, {50, 40, 250, 200}, counter);
    counter = Add(kTypeCheckBox, {60, 70, 160, 90}, counter, "m_Frame1");
    counter = Add(kTypeLine, {5, 100, 80, 140}, counter);
    counter = Add(kTypeTimer, {300, 10, 300, 10}, counter);
    counter = Add(kTypeComboBox, {10, 220, 150, 240}, counter);
    counter = Add(kTypeLabel, {10, 250, 90, 270}, counter);
    EXPECT_EQ(counter, 1007);
    CControlItem* combo = Control("m_ComboBox1");
    combo->SetPropertyValue("List", "one\r\ntwo");
    combo->SetPropertyValue("Text", "chosen");
    ASSERT_TRUE(WritePropertyString(m_services, *combo));
    const std::string expected = Describe(Form());
    ASSERT_NE(expected.find("m_CheckBox1 CXCheckBox IDC_CHECKBOX1 IDS_PROP_CHECKBOX1 1002 in m_Frame1 at 60,70,160,90"),
              std::string::npos);

    // A fresh project over the same files.
    CProject project(m_fs, m_messages);
    CClassParser parser(project, m_fs, m_messages);
    ASSERT_TRUE(project.OpenProjectFile(win("test\\test.dsp")));
    for (const std::string& file : project.GetFiles()) {
        if (file.ends_with(".h") || file.ends_with(".cpp")) {
            ASSERT_TRUE(parser.ParseFile(file));
        }
    }
    parser.ResolveBaseClasses();
    const std::string script = read("test/test.rc");
    const std::string header = read("test/resource.h");
    RetrieveControls(project, {script, header, {}, m_messages});
    EXPECT_EQ(Describe(*project.FindClass("CForm1")), expected);
    EXPECT_TRUE(m_messages.shownTexts().empty());
}

TEST_F(RetrieveControlsTest, CreationArguments)
{
    struct Case {
        const char* text;
        bool splits;
        const char* first;
        const char* third;
    };
    const Case cases[] = {
        {"this, IDC_A, IDS_PROP_A", true, "this", "IDS_PROP_A"},
        {" &m_Frame1 ,IDC_A,\r\n\tIDS_PROP_A ", true, "&m_Frame1", "IDS_PROP_A"},
        {"this, IDC_A", false, "", ""},
        {"this, IDC_A, IDS_PROP_A, 4", false, "", ""},
        {"this, , IDS_PROP_A", false, "", ""},
        {"", false, "", ""},
    };
    for (const Case& c : cases) {
        const auto parts = SplitCreationArguments(c.text);
        ASSERT_EQ(parts.has_value(), c.splits) << c.text;
        if (!parts)
            continue;
        EXPECT_EQ((*parts)[0], c.first);
        EXPECT_EQ((*parts)[2], c.third);
    }
    EXPECT_EQ(StringTableValue("BEGIN\r\n\tIDS_PROP_A10\t\"x\"\r\n\tIDS_PROP_A\t\t\t\"1,2,\"\r\nEND", "IDS_PROP_A"), "1,2,");
    EXPECT_FALSE(StringTableValue("\tIDS_PROP_A \"unclosed", "IDS_PROP_A"));
    EXPECT_FALSE(StringTableValue("// IDS_PROP_A \"in a comment\"", "IDS_PROP_A"));
}

TEST_F(RetrieveControlsTest, ArrayElementsBadLinesAndRepeatedRebuilds)
{
    std::string h = read("test/form1.h");
    h.insert(h.find("\t//}}AFX_TFX_CTRL_DECLR_END"), "\tCXTextBoxArray\tm_Text;\r\n\tCXLabel\tm_Label1;\r\n");
    m_folder.write("test/form1.h", h);
    std::string cpp = read("test/form1.cpp");
    cpp.insert(cpp.find("\t//}}AFX_TFX_CTRL_IMPL_END"),
               "\tm_Text.Create(this, IDC_T1, IDS_PROP_T1);\r\n\tm_Text.Create(this, IDC_T2, IDS_PROP_T2);\r\n"
               "\tm_Label1.Create(this, IDC_LABEL1);\r\n\tm_Gone.Create(this, IDC_X, IDS_PROP_X);\r\n");
    m_folder.write("test/form1.cpp", cpp);
    std::string rc = read("test/test.rc");
    rc.insert(rc.find("END", rc.find("STRINGTABLE")), "\tIDS_PROP_T2\t\t\t\"" + std::string("0,12632256,") + "\"\r\n");
    m_folder.write("test/test.rc", rc);

    m_messages.clearShown();
    Parse();
    EXPECT_EQ(m_messages.shownTexts(), std::vector<std::string>{"Unexpected error in retrieving control parameter(s)"});
    std::vector<const CControlItem*> elements;
    for (const auto& item : Form().GetItems())
        if (item->m_strMemberName == "m_Text")
            elements.push_back(item.get());
    ASSERT_EQ(elements.size(), 2u);
    EXPECT_EQ(elements[0]->m_strIdentifierSymbol, "IDC_T1");
    EXPECT_EQ(elements[1]->m_strIdentifierSymbol, "IDC_T2");
    EXPECT_TRUE(elements[1]->m_bArrayMember);
    EXPECT_EQ(elements[1]->m_strClassName, "CXTextBox");
    // The copy has its own values: the second field of its entry, where the first element
    // keeps the catalogue's.
    ASSERT_GT(elements[1]->GetProperties().size(), 1u);
    EXPECT_EQ(elements[1]->GetProperties()[1]->m_strValue, "12632256");
    EXPECT_NE(elements[0]->GetProperties()[1]->m_strValue, "12632256");
    EXPECT_TRUE(Control("m_Label1")->m_strIdentifierSymbol.empty()); // its line did not split

    // Running the rebuild again gives the same list.
    const size_t count = Form().GetCount();
    RetrieveClassControls(Form(), {rc, read("test/resource.h"), {}, m_messages});
    EXPECT_EQ(Form().GetCount(), count);
}

} // namespace
} // namespace morva
