#pragma once

#include "codegen/GeneratedFileInsertion.h"
#include "platform/ui/WindowHandle.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {
class Desktop;
class MessageService;
} // namespace platform

namespace morva {

class IdeAutomation;

// Has the IDE put files into its project through its own "Insert Files into Project" dialog.
// A 50 ms timer on the IDE main window is started and the IDE's command run; the command's
// modal dialog loop delivers the timer. Its first tick stops it for good and, only when the
// main window's last active popup is titled exactly "Insert Files into Project", types the
// file names (without folder, each in double quotes and followed by a blank) into the
// dialog's focused control and presses its OK button. True when the dialog took the names.
// Any other popup, a missing main window or a command that opened nothing inserts nothing.
class InsertFilesIntoIdeProject {
public:
    static constexpr uint32_t timerId = 230;
    static constexpr uint32_t intervalMs = 50;
    static constexpr const char* command = "InsertFilesIntoProject";
    static constexpr const char* dialogTitle = "Insert Files into Project";

    // `runningTimer` holds timerId while the timer runs and 0 otherwise.
    InsertFilesIntoIdeProject(platform::Desktop& desktop, IdeAutomation& ide, platform::MessageService& messages,
                              int& runningTimer)
        : m_desktop(&desktop), m_ide(&ide), m_messages(&messages), m_runningTimer(&runningTimer)
    {
    }

    bool operator()(const std::vector<std::string>& paths) const;

    // The text typed into the dialog for these paths.
    static std::string FileNameText(const std::vector<std::string>& paths);

private:
    // The first tick: fills in and confirms the dialog when it is the one expected.
    bool confirmDialog(platform::WindowHandle mainWindow, const std::vector<std::string>& paths) const;

    platform::Desktop* m_desktop;
    IdeAutomation* m_ide;
    platform::MessageService* m_messages;
    int* m_runningTimer;
};

// The inserter the new-form and insert-control steps hand to InsertPendingFiles.
inline IdeFileInserter MakeIdeFileInserter(platform::Desktop& desktop, IdeAutomation& ide,
                                           platform::MessageService& messages, int& runningTimer)
{
    return InsertFilesIntoIdeProject(desktop, ide, messages, runningTimer);
}

} // namespace morva
