#include "platform/gfx/FontLibrary.h"

#include "platform/gfx/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace platform {

FontLibrary::FontLibrary(std::shared_ptr<FT_LibraryRec_> library, FontResolver resolver)
    : m_library(std::move(library)), m_resolver(std::move(resolver))
{
}

FontLibrary::FontLibrary(FontLibrary&&) noexcept = default;
FontLibrary& FontLibrary::operator=(FontLibrary&&) noexcept = default;
FontLibrary::~FontLibrary() = default;

Result<FontLibrary> FontLibrary::create(FontResolver resolver)
{
    FT_Library raw = nullptr;
    if (FT_Init_FreeType(&raw) != 0 || !raw)
        return Result<FontLibrary>::failure("The font engine could not be started.");
    std::shared_ptr<FT_LibraryRec_> library(raw, [](FT_Library l) { FT_Done_FreeType(l); });
    return FontLibrary(std::move(library), std::move(resolver));
}

Result<std::shared_ptr<FontFace>> FontLibrary::face(const std::string& path, int32_t faceIndex)
{
    const auto key = std::make_pair(path, faceIndex);
    if (auto it = m_faces.find(key); it != m_faces.end())
        return it->second;
    auto opened = FontFace::open(m_library, path, faceIndex);
    if (opened)
        m_faces.emplace(key, opened.value());
    return opened;
}

Result<std::shared_ptr<const Font>> FontLibrary::font(const LogFont& logFont)
{
    using R = Result<std::shared_ptr<const Font>>;
    if (auto it = m_fonts.find(logFont); it != m_fonts.end())
        return it->second;
    auto file = m_resolver.resolve(logFont.faceName, logFont.isBold(), logFont.italic);
    if (!file)
        return R(file.status());
    auto opened = face(file->path, file->faceIndex);
    if (!opened)
        return R(opened.status());
    auto made = Font::create(opened.value(), logFont);
    if (made)
        m_fonts.emplace(logFont, made.value());
    return made;
}

Result<std::shared_ptr<const Font>> FontLibrary::fontFromFile(const std::string& path, const LogFont& logFont,
                                                              int32_t faceIndex)
{
    using R = Result<std::shared_ptr<const Font>>;
    auto opened = face(path, faceIndex);
    if (!opened)
        return R(opened.status());
    return Font::create(opened.value(), logFont);
}

void FontLibrary::clearCache()
{
    m_fonts.clear();
    m_faces.clear();
}

} // namespace platform
