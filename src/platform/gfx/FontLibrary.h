#pragma once

#include "platform/base/Result.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/FontResolver.h"
#include "platform/gfx/LogFont.h"

#include <cstddef>
#include <map>
#include <memory>
#include <string>

struct FT_LibraryRec_;

namespace platform {

class FontFace;

// Makes fonts from logical font descriptions and keeps them: the same LogFont gives the same
// Font object, and every font file is opened once. The window kernel owns one and hands it to
// whoever draws text; fonts stay valid after the library is gone.
class FontLibrary {
public:
    static Result<FontLibrary> create(FontResolver resolver = FontResolver());

    FontLibrary(FontLibrary&&) noexcept;
    FontLibrary& operator=(FontLibrary&&) noexcept;
    ~FontLibrary();

    Result<std::shared_ptr<const Font>> font(const LogFont& logFont);
    // A font from a given file, bypassing the face map.
    Result<std::shared_ptr<const Font>> fontFromFile(const std::string& path, const LogFont& logFont,
                                                     int32_t faceIndex = 0);

    const FontResolver& resolver() const { return m_resolver; }
    FontResolver& resolver() { return m_resolver; }
    size_t cachedFontCount() const { return m_fonts.size(); }
    void clearCache();

private:
    FontLibrary(std::shared_ptr<FT_LibraryRec_> library, FontResolver resolver);
    Result<std::shared_ptr<FontFace>> face(const std::string& path, int32_t faceIndex);

    std::shared_ptr<FT_LibraryRec_> m_library;
    FontResolver m_resolver;
    std::map<std::pair<std::string, int32_t>, std::shared_ptr<FontFace>> m_faces;
    std::map<LogFont, std::shared_ptr<const Font>> m_fonts;
};

} // namespace platform
