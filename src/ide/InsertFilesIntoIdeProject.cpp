#include "ide/InsertFilesIntoIdeProject.h"

#include "ide/IdeAutomation.h"
#include "ide/IdeMainWindow.h"
#include "platform/base/WaitCursor.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Dialog.h"

namespace morva {

std::string InsertFilesIntoIdeProject::FileNameText(const std::vector<std::string>& paths)
{
    std::string text;
    for (const std::string& path : paths) {
        const size_t slash = path.find_last_of('\\');
        text += '"';
        text += slash == std::string::npos ? path : path.substr(slash + 1);
        text += "\" ";
    }
    return text;
}

bool InsertFilesIntoIdeProject::operator()(const std::vector<std::string>& paths) const
{
    if (paths.empty())
        return false;
    platform::Desktop& desktop = *m_desktop;
    const platform::WindowHandle mainWindow = FindIdeMainWindow(desktop, m_ide->GetIdeVersion());
    if (!mainWindow)
        return false;

    bool ticked = false;
    bool confirmed = false;
    platform::WindowProc previous;
    previous = desktop.subclass(
        mainWindow, [&](platform::Desktop& d, platform::WindowHandle w, const platform::Message& m) -> int64_t {
            if (m.id != platform::msg::Timer || m.wParam != timerId)
                return d.callProcedure(previous, w, m);
            d.killTimer(w, timerId);
            *m_runningTimer = 0;
            if (!ticked) {
                ticked = true;
                confirmed = confirmDialog(w, paths);
            }
            return 0;
        });
    desktop.setTimer(mainWindow, timerId, intervalMs);
    *m_runningTimer = int(timerId);

    m_ide->ExecuteCommand(command);

    // A command that came back without its dialog's loop delivering the tick leaves no timer
    // behind: a late tick must not type these names into a dialog opened for something else.
    if (!ticked && desktop.killTimer(mainWindow, timerId))
        *m_runningTimer = 0;
    if (desktop.isWindow(mainWindow))
        desktop.subclass(mainWindow, previous);
    return confirmed;
}

bool InsertFilesIntoIdeProject::confirmDialog(platform::WindowHandle mainWindow,
                                              const std::vector<std::string>& paths) const
{
    platform::Desktop& desktop = *m_desktop;
    const platform::WindowHandle popup = desktop.lastActivePopup(mainWindow);
    if (!popup || popup == mainWindow || desktop.text(popup) != dialogTitle)
        return false;
    // The names go only into a control of that dialog, never wherever else the focus is.
    const platform::WindowHandle focused = desktop.focus();
    if (!focused || focused == popup || !desktop.isAncestor(popup, focused))
        return false;
    platform::WaitCursor wait(*m_messages);
    desktop.setText(focused, FileNameText(paths));
    const platform::WindowHandle okButton = desktop.childById(popup, platform::commandIds::Ok);
    desktop.send(popup, platform::msg::Command, platform::commandParam(platform::commandIds::Ok, 0),
                 int64_t(okButton.value));
    // A dialog of the kernel tells how it ended; any other window took the names when it went.
    if (platform::Dialog* dialog = platform::Dialog::of(desktop, popup))
        return dialog->isEnded() && dialog->result() == platform::commandIds::Ok;
    return !desktop.isWindow(popup) || !desktop.isVisible(popup);
}

} // namespace morva
