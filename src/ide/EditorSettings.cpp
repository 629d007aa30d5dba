#include "ide/EditorSettings.h"

#include "platform/gfx/LogFont.h"
#include "platform/registry/Registry.h"

#include <cstdint>

namespace morva {

namespace {

// Value names are read into a buffer of this size, as the IDE's own settings code does.
constexpr size_t kValueNameBuffer = 261;

// Calls `visit` with every value of the key at `path` under `parent`, in enumeration order;
// stops when `visit` answers false.
template <typename Visit>
void ForEachValue(const platform::Registry& registry, const platform::RegistryKey& parent, std::string_view path,
                  Visit visit)
{
    const auto key = registry.openKey(parent, path);
    if (!key)
        return;
    for (uint32_t index = 0;; ++index) {
        const auto value = registry.enumValue(key.value(), index, kValueNameBuffer);
        if (!value) {
            if (platform::registryCode(value) == platform::RegistryCode::MoreData)
                continue; // a name too long for the buffer is passed over
            return;
        }
        if (!visit(value.value()))
            return;
    }
}

int32_t AsInteger(uint32_t bits)
{
    return static_cast<int32_t>(bits);
}

} // namespace

void ReadEditorSettings(const platform::Registry& registry, const std::string& ideVersion,
                        const TextHeightMeasure& measure, EditorSettings& settings)
{
    const auto versionKey =
        registry.openKey(registry.root(platform::RegistryRoot::CurrentUser), "Software\\Microsoft\\DevStudio\\" + ideVersion);
    if (!versionKey)
        return;

    ForEachValue(registry, versionKey.value(), "Text Editor\\Tabs/Language Settings\\C/C++",
                 [&](const platform::NamedRegistryValue& value) {
                     if (value.name.find("TabSize") == std::string::npos)
                         return true;
                     if (const auto bits = value.value.firstDword())
                         settings.tabSize = AsInteger(*bits);
                     return false;
                 });

    std::optional<std::string> faceName;
    int32_t fontSize = 0;
    ForEachValue(registry, versionKey.value(), "Format\\Source Window", [&](const platform::NamedRegistryValue& value) {
        if (value.name.find("FontFace") != std::string::npos)
            faceName = value.value.text();
        else if (value.name.find("FontSize") != std::string::npos)
            if (const auto bits = value.value.firstDword())
                fontSize = AsInteger(*bits);
        return true;
    });
    if (!faceName || fontSize < 0 || !measure)
        return;
    platform::LogFont font;
    font.height = fontSize;
    font.weight = platform::LogFont::normalWeight;
    font.faceName = *faceName;
    if (const auto height = measure(font, "Temp"))
        settings.lineHeight = *height;
}

} // namespace morva
