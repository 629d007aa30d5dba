#include "model/CControlItem.h"

#include "model/ValueText.h"
#include "platform/gfx/FontLibrary.h"

namespace morva {

platform::LogFont CControlItem::BuildLogFont() const
{
    const auto isSet = [this](const char* name) { return ParseIntegerText(GetPropertyValue(name)) != 0; };
    platform::LogFont font;
    font.height = ParseInt32Text(GetPropertyValue("FontSize"));
    font.weight = isSet("FontBold") ? platform::LogFont::boldWeight : platform::LogFont::normalWeight;
    font.italic = isSet("FontItalic");
    font.underline = isSet("FontUnderline");
    font.strikeOut = isSet("FontStrikethru");
    font.faceName = GetPropertyValue("Font");
    return font;
}

platform::Result<std::shared_ptr<const platform::Font>> CControlItem::CreateFont(platform::FontLibrary& fonts) const
{
    return fonts.font(BuildLogFont());
}

} // namespace morva
