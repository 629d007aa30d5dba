#pragma once

#include "platform/base/Result.h"
#include "platform/ui/WindowHandle.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace platform {
class Desktop;
struct DialogTemplate;
} // namespace platform

namespace studio {

// The studio's "Insert Files into Project" dialog: one file-name box, which has the focus, and
// OK and Cancel. OK reads the box as ParseInsertFileNames does, takes each name inside the
// project folder and hands the full paths to the insertion; the dialog ends confirmed only
// when that insertion succeeded.
class InsertFilesDialog {
public:
    static constexpr const char* caption = "Insert Files into Project";
    static constexpr int32_t fileNameId = 1001;
    // Puts the files into the project; false when it could not (the reason already shown).
    using Insertion = std::function<bool(const std::vector<std::string>& paths)>;

    static const platform::DialogTemplate& dialogTemplate();

    // Runs the dialog modally over `owner`. True when files were inserted; false when it was
    // cancelled, left empty or the insertion failed.
    static platform::Result<bool> run(platform::Desktop& desktop, platform::WindowHandle owner,
                                      const std::string& projectFolder, const Insertion& insert);
};

} // namespace studio
