#include "platform/gfx/FontFace.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace platform {

FontFace::FontFace(std::shared_ptr<FT_LibraryRec_> library, FT_FaceRec_* face, std::string path)
    : m_library(std::move(library)), m_face(face), m_path(std::move(path))
{
}

FontFace::~FontFace()
{
    if (m_face)
        FT_Done_Face(m_face);
}

Result<std::shared_ptr<FontFace>> FontFace::open(std::shared_ptr<FT_LibraryRec_> library, const std::string& path,
                                                 int32_t faceIndex)
{
    if (!library)
        return Result<std::shared_ptr<FontFace>>::failure("The font engine is not available.");
    FT_Face face = nullptr;
    if (FT_New_Face(library.get(), path.c_str(), faceIndex, &face) != 0 || !face)
        return Result<std::shared_ptr<FontFace>>::failure("Cannot open the font file " + path + ".");
    if (!FT_IS_SCALABLE(face) && face->num_fixed_sizes <= 0) {
        FT_Done_Face(face);
        return Result<std::shared_ptr<FontFace>>::failure("The font file " + path + " has no usable sizes.");
    }
    return std::shared_ptr<FontFace>(new FontFace(std::move(library), face, path));
}

std::string FontFace::familyName() const
{
    return m_face->family_name ? m_face->family_name : "";
}

bool FontFace::isBold() const
{
    return (m_face->style_flags & FT_STYLE_FLAG_BOLD) != 0;
}

bool FontFace::isItalic() const
{
    return (m_face->style_flags & FT_STYLE_FLAG_ITALIC) != 0;
}

} // namespace platform
