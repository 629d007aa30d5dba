#pragma once

#include "platform/base/Result.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Where a face name is served from.
struct FontFile {
    std::string path;
    int32_t faceIndex = 0;
    std::string family; // the family the file was chosen for
};

// Turns the face names the system asks for into installed font files. A face map sends the
// names of the classic system fonts to the installed fonts that stand in for them (MS Sans
// Serif to the bitmap font of Wine's font set, Arial to Liberation Sans, ...); any other name
// goes to fontconfig; DejaVu Sans serves when nothing else does. The fontconfig
// configuration is this object's own, not the process-wide one.
class FontResolver {
public:
    // A stand-in family, with files to use when fontconfig does not list the family (Wine's
    // fonts live outside fontconfig's folders).
    struct Mapping {
        std::string family;
        std::vector<std::string> files;
    };

    static constexpr std::string_view fallbackFamily = "DejaVu Sans";

    FontResolver();
    ~FontResolver();
    FontResolver(FontResolver&&) noexcept;
    FontResolver& operator=(FontResolver&&) noexcept;

    // Face names compare without regard to case and surrounding blanks.
    void mapFace(std::string_view faceName, Mapping mapping);
    const Mapping* mapping(std::string_view faceName) const;

    Result<FontFile> resolve(std::string_view faceName, bool bold = false, bool italic = false) const;

private:
    struct Impl;
    std::unique_ptr<Impl> m_impl;
};

} // namespace platform
