#include "studio/core/StudioMainWindow.h"

#include "platform/base/MessageService.h"
#include "platform/ideapi/IdeProject.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/StandardClasses.h"
#include "studio/core/InsertFilesDialog.h"
#include "studio/core/Studio.h"

namespace studio {

namespace {

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace

platform::Result<std::unique_ptr<StudioMainWindow>> StudioMainWindow::create(Studio& studio, platform::Desktop& desktop)
{
    using Made = platform::Result<std::unique_ptr<StudioMainWindow>>;
    if (const platform::Status standard = platform::registerStandardClasses(desktop); !standard)
        return Made::failure(standard.message());
    if (!desktop.findClass(className)) {
        const platform::Status registered = desktop.registerClass(platform::WindowClass{
            className,
            [](platform::Desktop& d, platform::WindowHandle w, const platform::Message& m) {
                return d.defaultProcedure(w, m);
            },
            0, platform::CursorShape::Arrow, platform::Color::rgb(0x80, 0x80, 0x80)});
        if (!registered)
            return Made::failure(registered.message());
    }
    platform::CreateParams p;
    p.className = className;
    p.caption = studio.mainWindowCaption();
    p.style = platform::windowStyle::Visible | platform::windowStyle::Caption | platform::windowStyle::SystemMenu |
              platform::windowStyle::ThickFrame | platform::windowStyle::ClipChildren;
    p.rect = desktop.screen().rect();
    auto window = desktop.createWindow(p);
    if (!window)
        return Made::failure(window.message());
    desktop.setActiveWindow(window.value());
    return std::unique_ptr<StudioMainWindow>(new StudioMainWindow(studio, desktop, window.value()));
}

StudioMainWindow::StudioMainWindow(Studio& studio, platform::Desktop& desktop, platform::WindowHandle window)
    : m_studio(studio), m_desktop(desktop), m_window(window)
{
    m_sinkCookie = m_studio.advise(this);
    m_studio.setNamedCommand(insertFilesCommand, [this] { return insertFilesIntoProject(); });
}

StudioMainWindow::~StudioMainWindow()
{
    m_studio.removeNamedCommand(insertFilesCommand);
    m_studio.unadvise(m_sinkCookie);
    m_desktop.destroyWindow(m_window);
}

bool StudioMainWindow::insertFilesIntoProject()
{
    const auto project = m_studio.activeProject();
    const std::string folder = project ? FolderOf(project->fullName()) : std::string();
    const auto inserted = InsertFilesDialog::run(m_desktop, m_window, folder, [this](const auto& paths) {
        return m_studio.insertFilesIntoProject(paths);
    });
    if (!inserted) {
        m_studio.messages().show(inserted.message(), platform::MessageButtons::Ok, platform::MessageIcon::Error);
        return false;
    }
    return inserted.value();
}

void StudioMainWindow::workspaceClose()
{
    m_desktop.setText(m_window, m_studio.ideName());
}

void StudioMainWindow::refreshCaption()
{
    m_desktop.setText(m_window, m_studio.mainWindowCaption());
}

} // namespace studio
