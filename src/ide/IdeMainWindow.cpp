#include "ide/IdeMainWindow.h"

#include "platform/ui/Desktop.h"

namespace morva {

std::string IdeCaption(const std::string& ideVersion)
{
    return ideVersion == "6.0" ? "Microsoft Visual C++" : "Microsoft Developer Studio";
}

platform::WindowHandle FindIdeMainWindow(const platform::Desktop& desktop, const std::string& ideVersion)
{
    const std::string caption = IdeCaption(ideVersion);
    for (const platform::WindowHandle window : desktop.topLevelWindows())
        if (desktop.text(window).find(caption) != std::string::npos)
            return window;
    return {};
}

} // namespace morva
