#pragma once

#include "platform/base/Result.h"
#include "platform/ideapi/IdeApplicationEvents.h"
#include "platform/ui/WindowHandle.h"

#include <memory>

namespace platform {
class Desktop;
} // namespace platform

namespace studio {

class Studio;

// The studio's main frame on a window desktop: a top-level window captioned as the studio's
// main window caption (kept up to date as workspaces open and close), and the commands that
// need a window, such as "InsertFilesIntoProject" with its modal dialog owned by the frame.
// The commands go when the frame does.
class StudioMainWindow : private platform::IdeApplicationEvents {
public:
    static constexpr const char* className = "StudioMainFrame";
    static constexpr const char* insertFilesCommand = "InsertFilesIntoProject";

    static platform::Result<std::unique_ptr<StudioMainWindow>> create(Studio& studio, platform::Desktop& desktop);
    ~StudioMainWindow() override;
    StudioMainWindow(const StudioMainWindow&) = delete;
    StudioMainWindow& operator=(const StudioMainWindow&) = delete;

    platform::WindowHandle window() const { return m_window; }

    // Shows the "Insert Files into Project" dialog and inserts the files it confirms into the
    // active project; true when files were inserted.
    bool insertFilesIntoProject();

private:
    StudioMainWindow(Studio& studio, platform::Desktop& desktop, platform::WindowHandle window);
    void workspaceOpen() override { refreshCaption(); }
    // Sinks hear of the closing while the workspace is still named, so the bare name is set.
    void workspaceClose() override;
    void refreshCaption();

    Studio& m_studio;
    platform::Desktop& m_desktop;
    platform::WindowHandle m_window;
    unsigned long m_sinkCookie = 0;
};

} // namespace studio
