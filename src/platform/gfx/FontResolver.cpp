#include "platform/gfx/FontResolver.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

namespace platform {

namespace {

std::string normalizedName(std::string_view name)
{
    while (!name.empty() && std::isspace(static_cast<unsigned char>(name.front())))
        name.remove_prefix(1);
    while (!name.empty() && std::isspace(static_cast<unsigned char>(name.back())))
        name.remove_suffix(1);
    std::string out(name);
    for (char& c : out)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

bool fileExists(const std::string& path)
{
    std::error_code ec;
    return std::filesystem::is_regular_file(path, ec);
}

constexpr const char* wineFonts = "/usr/share/wine/fonts/";
constexpr const char* liberationFonts = "/usr/share/fonts/truetype/liberation/";

} // namespace

struct FontResolver::Impl {
    FcConfig* config = nullptr;
    std::vector<std::pair<std::string, Mapping>> map;

    ~Impl()
    {
        if (config)
            FcConfigDestroy(config);
    }

    // fontconfig's choice for a family, and whether that choice is the family itself.
    std::optional<std::pair<FontFile, bool>> match(const std::string& family, bool bold, bool italic) const
    {
        if (!config)
            return std::nullopt;
        FcPattern* pattern = FcPatternCreate();
        if (!pattern)
            return std::nullopt;
        FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
        FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
        FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
        FcConfigSubstitute(config, pattern, FcMatchPattern);
        FcDefaultSubstitute(pattern);
        FcResult result = FcResultNoMatch;
        FcPattern* found = FcFontMatch(config, pattern, &result);
        FcPatternDestroy(pattern);
        if (!found)
            return std::nullopt;
        std::optional<std::pair<FontFile, bool>> answer;
        FcChar8* file = nullptr;
        if (FcPatternGetString(found, FC_FILE, 0, &file) == FcResultMatch && file) {
            FontFile f;
            f.path = reinterpret_cast<const char*>(file);
            int index = 0;
            if (FcPatternGetInteger(found, FC_INDEX, 0, &index) == FcResultMatch)
                f.faceIndex = index;
            bool same = false;
            FcChar8* name = nullptr;
            for (int i = 0; FcPatternGetString(found, FC_FAMILY, i, &name) == FcResultMatch; ++i) {
                if (normalizedName(reinterpret_cast<const char*>(name)) == normalizedName(family)) {
                    same = true;
                    break;
                }
            }
            if (FcPatternGetString(found, FC_FAMILY, 0, &name) == FcResultMatch && name)
                f.family = reinterpret_cast<const char*>(name);
            if (fileExists(f.path))
                answer = std::make_pair(std::move(f), same);
        }
        FcPatternDestroy(found);
        return answer;
    }

    std::optional<FontFile> family(const Mapping& m, bool bold, bool italic) const
    {
        if (auto found = match(m.family, bold, italic); found && found->second)
            return found->first;
        for (const std::string& path : m.files)
            if (fileExists(path))
                return FontFile{path, 0, m.family};
        return std::nullopt;
    }
};

FontResolver::FontResolver() : m_impl(std::make_unique<Impl>())
{
    m_impl->config = FcInitLoadConfigAndFonts();
    const Mapping msSansSerif{"MS Sans Serif", {std::string(wineFonts) + "ms_sans_serif.ttf"}};
    mapFace("MS Sans Serif", msSansSerif);
    mapFace("MS Shell Dlg", msSansSerif);
    mapFace("Helv", msSansSerif);
    mapFace("Arial", {"Liberation Sans", {std::string(liberationFonts) + "LiberationSans-Regular.ttf"}});
    mapFace("Times New Roman", {"Liberation Serif", {std::string(liberationFonts) + "LiberationSerif-Regular.ttf"}});
    mapFace("Courier New", {"Liberation Mono", {std::string(liberationFonts) + "LiberationMono-Regular.ttf"}});
    mapFace(fallbackFamily, {std::string(fallbackFamily), {"/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"}});
}

FontResolver::~FontResolver() = default;
FontResolver::FontResolver(FontResolver&&) noexcept = default;
FontResolver& FontResolver::operator=(FontResolver&&) noexcept = default;

void FontResolver::mapFace(std::string_view faceName, Mapping mapping)
{
    if (!m_impl)
        m_impl = std::make_unique<Impl>();
    std::string key = normalizedName(faceName);
    for (auto& entry : m_impl->map) {
        if (entry.first == key) {
            entry.second = std::move(mapping);
            return;
        }
    }
    m_impl->map.emplace_back(std::move(key), std::move(mapping));
}

const FontResolver::Mapping* FontResolver::mapping(std::string_view faceName) const
{
    if (!m_impl)
        return nullptr;
    const std::string key = normalizedName(faceName);
    for (const auto& entry : m_impl->map)
        if (entry.first == key)
            return &entry.second;
    return nullptr;
}

Result<FontFile> FontResolver::resolve(std::string_view faceName, bool bold, bool italic) const
{
    if (!m_impl)
        return Result<FontFile>::failure("The font resolver was moved away.");
    const std::string key = normalizedName(faceName);
    if (!key.empty()) {
        if (const Mapping* m = mapping(key)) {
            if (auto f = m_impl->family(*m, bold, italic))
                return *f;
        } else if (auto found = m_impl->match(std::string(faceName), bold, italic)) {
            return found->first;
        }
    }
    if (const Mapping* m = mapping(fallbackFamily)) {
        if (auto f = m_impl->family(*m, bold, italic))
            return *f;
    }
    return Result<FontFile>::failure("No installed font can show the face \"" + std::string(faceName) + "\".");
}

} // namespace platform
