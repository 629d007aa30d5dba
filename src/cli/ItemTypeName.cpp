#include "cli/ItemTypeName.h"

#include "catalogue/Catalogue.h"
#include "catalogue/ControlTypes.h"

#include <cctype>

namespace morva::cli {

namespace {

bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

} // namespace

std::optional<ItemType> ParseItemType(std::string_view name)
{
    if (SameIgnoringCase(name, "Form") || SameIgnoringCase(name, "CXForm"))
        return ItemType{kKindForm, kTypeNone, false, "Form"};
    if (SameIgnoringCase(name, "MDIForm") || SameIgnoringCase(name, "CXMdiForm"))
        return ItemType{kKindForm, kTypeNone, true, "MDIForm"};
    for (int32_t code = kFirstIntrinsicType; code <= kLastIntrinsicType; ++code)
        if (SameIgnoringCase(name, BaseName(code)) || SameIgnoringCase(name, RuntimeClassName(code)))
            return ItemType{kKindIntrinsic, code, false, std::string(BaseName(code))};
    return std::nullopt;
}

std::string ItemTypeNames()
{
    std::string names = "Form, MDIForm";
    for (int32_t code = kFirstIntrinsicType; code <= kLastIntrinsicType; ++code)
        names += ", " + std::string(BaseName(code));
    return names;
}

} // namespace morva::cli
