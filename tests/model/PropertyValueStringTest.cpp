#include "model/CControlItem.h"
#include "model/CFormModel.h"
#include "model/IImageReferenceResolver.h"
#include "model/PropertyValueString.h"

#include <gtest/gtest.h>

#include <map>

namespace morva {
namespace {

const char kNormalFormDefault[] =
    "1,12632256,1,MS Sans Serif,0,0,14,0,0,0,213,0,0,0,0,0,Tag,0,1,312,0,2,Form1,1,1,13,0,1,0,1,1,0,0,0,Form1,1,0,1,1,1,"
    "0,0,0,0,10,0,3,0,10,1,0,0,0,0,";
const char kMdiFormDefault[] = "1,8421504,1,213,0,0,0,0,0,Tag,0,1,312,1,MDIForm,0,0,Form,1,1,0,0,1,0,0,0,";

// The picture resources of a resource script, by id.
class FakeScript : public IImageReferenceResolver {
public:
    std::map<int64_t, std::string> m_files;
    mutable std::vector<int64_t> m_asked;

    std::string FindPictureFile(int64_t storedValue) const override
    {
        m_asked.push_back(storedValue);
        const int64_t id = storedValue & 0xFFFF;
        const auto found = m_files.find(id);
        return found == m_files.end() ? std::string() : std::to_string(id) + "-" + found->second;
    }
};

std::unique_ptr<CControlItem> NewItem(int32_t typeCode)
{
    auto item = std::make_unique<CControlItem>(kKindIntrinsic, typeCode);
    item->BuildPropertyList();
    return item;
}

std::string Values(const CControlItem& item)
{
    std::string out;
    for (const auto& property : item.GetProperties())
        out += property->m_strName + "=" + property->m_strValue + ";";
    return out;
}

TEST(PropertyValueString, NewFormsWriteTheirDefaultStringsAndReadThemBack)
{
    struct Case {
        const char* base;
        const char* text;
        size_t fields;
    };
    for (const Case c : {Case{"CXForm", kNormalFormDefault, 54}, Case{"CXMdiForm", kMdiFormDefault, 26}}) {
        CFormModel form;
        form.m_strBaseClass = c.base;
        auto formItem = std::make_unique<CControlItem>(kKindForm, kTypeNone);
        formItem->m_bIsFormItem = true;
        CControlItem& item = form.AppendItem(std::move(formItem));
        item.BuildPropertyList();
        ASSERT_EQ(item.GetProperties().size(), c.fields);

        CControlItem fresh(kKindForm, kTypeNone);
        fresh.m_strClassName = c.base;
        fresh.BuildPropertyList();

        if (item.FindProperty("Caption")->m_strValue.empty())
            item.SetPropertyValue("Caption", "Form1");
        EXPECT_EQ(item.BuildPropertyValueString({}), c.text) << c.base;

        ASSERT_TRUE(fresh.ParsePropertyValueString(c.text, {}));
        std::string expected = Values(item);
        EXPECT_EQ(Values(fresh), expected) << c.base;
    }
}

TEST(PropertyValueString, DefaultsOfControls)
{
    EXPECT_EQ(NewItem(kTypeTimer)->BuildPropertyValueString({}), "1,0,0,0,,0,");

    auto line = NewItem(kTypeLine);
    line->SetPropertyValue("X1", "10");
    line->SetPropertyValue("X2", "100");
    line->SetPropertyValue("Y1", "50");
    line->SetPropertyValue("Y2", "5");
    EXPECT_EQ(line->BuildPropertyValueString({}), "0,,1,0,1,1,13,10,100,50,5,");
}

TEST(PropertyValueString, EveryTypeRoundTripsItsValues)
{
    for (int32_t typeCode = 101; typeCode <= 116; ++typeCode) {
        auto source = NewItem(typeCode);
        int n = 0;
        for (const auto& property : source->GetProperties())
            if (property->m_strTypeName != "Picture" && property->m_strTypeName != "Icon")
                property->m_strValue = "v" + std::to_string(n++) + (property->m_strTypeName == "LIST" ? "\r\nx" : "");
        const std::string text = source->BuildPropertyValueString({});
        auto restored = NewItem(typeCode);
        ASSERT_TRUE(restored->ParsePropertyValueString(text, {})) << typeCode;
        EXPECT_EQ(Values(*restored), Values(*source)) << typeCode;
    }
}

TEST(PropertyValueString, ShortStringsFillWhatTheyHaveAndFail)
{
    CControlItem item(kKindIntrinsic, kTypeTextBox);
    for (const char* name : {"A", "B", "C"}) {
        auto property = std::make_unique<CControlPropertyItem>();
        property->m_strName = name;
        property->m_strValue = "old";
        item.AppendProperty(std::move(property));
    }
    EXPECT_FALSE(item.ParsePropertyValueString("1,2,", {}));
    EXPECT_EQ(Values(item), "A=1;B=2;C=old;");
    EXPECT_FALSE(item.ParsePropertyValueString("x,y,z", {})); // the last field has no comma
    EXPECT_EQ(Values(item), "A=x;B=y;C=old;");
    EXPECT_TRUE(item.ParsePropertyValueString(",,,extra,fields,", {}));
    EXPECT_EQ(Values(item), "A=;B=;C=;");
}

TEST(PropertyValueString, ImageReferencesAreEncoded)
{
    struct Case {
        const char* model;
        const char* stored;
    };
    const Case cases[] = {
        {"130-C:\\img\\logo.bmp", "130"},  {"130-C:\\img\\app.ico", "65666"}, {"7-pointer.cur", "131079"},
        {"0", "0"},                        {"", ""},                          {"5-C:\\a.b\\noext", "5"},
        {"70000-x.ICO", "70000"}, {"70000-x.bmp", "4464"},          {"12-C:\\dir.ico\\pic.Cur", "131084"}, {"3-file.gif", "3"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EncodeImageReference(c.model), c.stored) << c.model;
}

TEST(PropertyValueString, ImageReferencesAreDecodedThroughTheScript)
{
    FakeScript script;
    script.m_files[130] = "Z:\\proj\\res\\app.ico";
    PropertyStringContext context{&script, nullptr};

    auto image = NewItem(kTypeImage);
    image->SetPropertyValue("Picture", "130-Z:\\proj\\res\\app.ico");
    image->SetPropertyValue("DragIcon", "0");
    const std::string text = image->BuildPropertyValueString(context);
    EXPECT_NE(text.find(",65666,"), std::string::npos);

    auto restored = NewItem(kTypeImage);
    ASSERT_TRUE(restored->ParsePropertyValueString(text, context));
    EXPECT_EQ(restored->GetPropertyValue("Picture"), "130-Z:\\proj\\res\\app.ico");
    EXPECT_EQ(restored->GetPropertyValue("DragIcon"), "0");
    // Only the picture was looked up: "0" and empty values are not references.
    EXPECT_EQ(script.m_asked, (std::vector<int64_t>{65666}));

    // A reference the script does not know keeps its stored value rather than losing it.
    std::string unknown = text;
    unknown.replace(unknown.find("65666"), 5, "65667");
    ASSERT_TRUE(restored->ParsePropertyValueString(unknown, context));
    EXPECT_EQ(restored->GetPropertyValue("Picture"), "65667");
}

TEST(PropertyValueString, SeparatorsInValuesCannotShiftLaterFields)
{
    auto label = NewItem(kTypeLabel);
    label->SetPropertyValue("Caption", "Hello, \"world\"");
    const std::string text = label->BuildPropertyValueString({});
    auto restored = NewItem(kTypeLabel);
    ASSERT_TRUE(restored->ParsePropertyValueString(text, {}));
    EXPECT_EQ(restored->GetPropertyValue("Caption"), "Hello world");
    EXPECT_EQ(restored->GetPropertyValue("WordWrap"), "0");
}

} // namespace
} // namespace morva
