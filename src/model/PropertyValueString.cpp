#include "model/PropertyValueString.h"

#include "model/CControlItem.h"
#include "model/IActiveXControlEntry.h"
#include "model/IImageReferenceResolver.h"
#include "model/IObjectPropertyConverter.h"
#include "model/ValueText.h"

#include <cctype>

namespace morva {

namespace {

bool IsImageType(const CControlPropertyItem& property)
{
    return property.m_strTypeName == "Picture" || property.m_strTypeName == "Icon";
}

bool IsObjectProperty(const CControlItem& item, const CControlPropertyItem& property)
{
    return item.m_nKind == kKindActiveX && item.m_pControlEntry &&
           item.m_pControlEntry->NamesDispatchInterface(property.m_strTypeName);
}

// The string has no quoting: a comma would split the value and shift every later field, and a
// double quote would end the string-table entry early. Values typed in the property window
// never hold either; anything else that reaches the writer loses them here.
void AppendField(std::string& out, std::string_view value)
{
    for (char c : value)
        if (c != ',' && c != '"')
            out += c;
    out += ',';
}

int32_t ImageKind(std::string_view path)
{
    const size_t dot = path.rfind('.');
    if (dot == std::string_view::npos)
        return 0;
    std::string extension(path.substr(dot + 1));
    for (char& c : extension)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    if (extension == "ICO")
        return 1;
    if (extension == "CUR")
        return 2;
    return 0;
}

} // namespace

std::string EncodeImageReference(std::string_view modelValue)
{
    const size_t dash = modelValue.find('-');
    if (dash == std::string_view::npos)
        return std::string(modelValue);
    const int64_t id = ParseIntegerText(modelValue.substr(0, dash)) & 0xFFFF;
    return std::to_string(ImageKind(modelValue.substr(dash + 1)) * 65536 + id);
}

std::string DecodeImageReference(std::string_view storedValue, const IImageReferenceResolver* images)
{
    if (!images)
        return std::string(storedValue);
    std::string found = images->FindPictureFile(ParseIntegerText(storedValue));
    return found.empty() ? std::string(storedValue) : found;
}

std::string BuildPropertyValueString(const CControlItem& item, const PropertyStringContext& context)
{
    std::string out;
    for (const auto& property : item.GetProperties()) {
        if (IsImageType(*property))
            AppendField(out, EncodeImageReference(property->m_strValue));
        else if (context.objects && IsObjectProperty(item, *property))
            AppendField(out, context.objects->ModelToText(item, *property));
        else
            AppendField(out, property->m_strValue);
    }
    return out;
}

bool ParsePropertyValueString(CControlItem& item, std::string_view text, const PropertyStringContext& context)
{
    for (const auto& property : item.GetProperties()) {
        const size_t comma = text.find(',');
        if (comma == std::string_view::npos)
            return false;
        std::string value(text.substr(0, comma));
        text.remove_prefix(comma + 1);
        if (IsImageType(*property)) {
            if (value != "0" && !value.empty())
                value = DecodeImageReference(value, context.images);
        } else if (context.objects && IsObjectProperty(item, *property)) {
            value = context.objects->TextToModel(item, *property, value);
        }
        property->m_strValue = std::move(value);
    }
    return true;
}

std::string CControlItem::BuildPropertyValueString(const PropertyStringContext& context) const
{
    return morva::BuildPropertyValueString(*this, context);
}

bool CControlItem::ParsePropertyValueString(std::string_view text, const PropertyStringContext& context)
{
    return morva::ParsePropertyValueString(*this, text, context);
}

} // namespace morva
