#pragma once

#include "platform/base/Result.h"

#include <memory>
#include <string>

struct FT_LibraryRec_;
struct FT_FaceRec_;

namespace platform {

// One opened font file (one face of it), shared by every Font made from it. It keeps the
// FreeType library alive for as long as any font needs it.
class FontFace {
public:
    static Result<std::shared_ptr<FontFace>> open(std::shared_ptr<FT_LibraryRec_> library, const std::string& path,
                                                  int32_t faceIndex);
    ~FontFace();
    FontFace(const FontFace&) = delete;
    FontFace& operator=(const FontFace&) = delete;

    FT_FaceRec_* face() const { return m_face; }
    const std::string& path() const { return m_path; }
    std::string familyName() const;
    bool isBold() const;
    bool isItalic() const;

private:
    FontFace(std::shared_ptr<FT_LibraryRec_> library, FT_FaceRec_* face, std::string path);

    std::shared_ptr<FT_LibraryRec_> m_library;
    FT_FaceRec_* m_face = nullptr;
    std::string m_path;
};

} // namespace platform
