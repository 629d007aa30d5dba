// Feeds arbitrary text to the property value string reader for every item type, and checks
// that what the writer makes of the result reads back to the same values.

#include "model/CControlItem.h"
#include "model/CFormModel.h"
#include "model/PropertyValueString.h"

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

using namespace morva;

namespace {

std::unique_ptr<CControlItem> NewItem(uint8_t selector, CFormModel& form)
{
    const int choice = selector % 18;
    if (choice >= 16) {
        form.m_strBaseClass = choice == 16 ? "CXForm" : "CXMdiForm";
        auto item = std::make_unique<CControlItem>(kKindForm, kTypeNone);
        item->m_bIsFormItem = true;
        return item;
    }
    return std::make_unique<CControlItem>(kKindIntrinsic, kFirstIntrinsicType + choice);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    CFormModel form;
    CControlItem& item = form.AppendItem(NewItem(data[0], form));
    item.BuildPropertyList();
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    item.ParsePropertyValueString(text, {});

    const std::string written = item.BuildPropertyValueString({});
    CFormModel copyForm;
    copyForm.m_strBaseClass = form.m_strBaseClass;
    CControlItem& copy = copyForm.AppendItem(NewItem(data[0], copyForm));
    copy.BuildPropertyList();
    if (!copy.ParsePropertyValueString(written, {}))
        std::abort();
    for (size_t i = 0; i < item.GetProperties().size(); ++i) {
        const CControlPropertyItem& property = *item.GetProperties()[i];
        // A picture's model value is stored as its encoded reference.
        const bool isImage = property.m_strTypeName == "Picture" || property.m_strTypeName == "Icon";
        const std::string original = isImage ? EncodeImageReference(property.m_strValue) : property.m_strValue;
        const std::string& reread = copy.GetProperties()[i]->m_strValue;
        // The writer keeps double quotes out of the string; everything else survives.
        if (original.find('"') == std::string::npos && original != reread)
            std::abort();
    }
    (void)item.GetRect();
    return 0;
}
