#pragma once

#include "platform/ideapi/IdeApplication.h"
#include "platform/ideapi/IdeApplicationEvents.h"
#include "studio/core/SinkList.h"
#include "studio/core/StudioDebugger.h"
#include "studio/core/StudioDocument.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace platform {
class FileSystem;
class MessageService;
} // namespace platform

namespace studio {

class StudioProject;
class StudioWindow;

// A command an add-in registered: its fields, the method it runs and the object that runs it.
struct AddInCommand {
    std::string name;
    std::string buttonText;
    std::string statusText;
    std::string tooltip;
    std::string methodName;
    int glyph = 0;
    long cookie = 0;
    bool onToolbar = false;
};

// The host IDE's state without any window: open documents and their MDI windows (the first is
// the active one), the workspace and its projects, named commands, the add-ins' commands and
// the advised event sinks. The window front end and scripts drive it; add-ins reach it through
// its automation interface.
class Studio : public platform::IdeApplication, private StudioDocumentHost {
public:
    Studio(platform::FileSystem& files, platform::MessageService& messages, std::string version = "6.0");
    ~Studio() override;

    // --- The automation interface ----------------------------------------------------------
    std::string version() const override { return m_version; }
    std::vector<std::shared_ptr<platform::IdeDocument>> documents() const override;
    std::shared_ptr<platform::IdeDocument> openDocument(const std::string& path, const std::string& type,
                                                        bool readOnly) override;
    std::shared_ptr<platform::IdeDocument> activeDocument() const override;
    std::vector<std::shared_ptr<platform::IdeWindow>> windows() const override;
    std::shared_ptr<platform::IdeWindow> activeWindow() const override;
    std::vector<std::shared_ptr<platform::IdeProject>> projects() const override;
    std::shared_ptr<platform::IdeProject> activeProject() const override;
    platform::IdeDebugger& debugger() override { return m_debugger; }
    bool executeCommand(const std::string& name) override;
    void setAddInInfo(platform::IdeCommandTarget* commands, int smallBitmapId, int largeBitmapId, long cookie) override;
    bool addCommand(const std::string& commandString, const std::string& methodName, int glyph, long cookie) override;
    void addCommandBarButton(int kind, const std::string& commandName, long cookie) override;
    unsigned long advise(platform::IdeApplicationEvents* sink) override { return m_sinks.advise(sink); }
    bool unadvise(unsigned long cookie) override { return m_sinks.unadvise(cookie); }
    void quit() override;

    // --- The studio's own operations ---------------------------------------------------------
    // The open document with this path (compared ignoring case), or null.
    std::shared_ptr<StudioDocument> findDocument(const std::string& path) const;
    // A new empty text window ("Text1", "Text2", ...), made active.
    std::shared_ptr<StudioDocument> newText();
    // A window without a document (the workspace or output window docked in the MDI area).
    std::shared_ptr<StudioWindow> openToolWindow(const std::string& caption);

    bool openWorkspace(const std::string& path);
    // Adds the files to the active project's file in their groups, the way the "Insert Files
    // into Project" dialog does when it is confirmed. False, with the reason shown, when there
    // is no active project or its file cannot be read or written.
    bool insertFilesIntoProject(const std::vector<std::string>& paths);
    void closeWorkspace();
    const std::string& workspacePath() const { return m_workspacePath; }

    // Named commands that later parts of the studio provide; replaces one of the same name.
    void setNamedCommand(const std::string& name, std::function<bool()> run);
    void removeNamedCommand(const std::string& name) { m_commands.erase(name); }
    bool hasCommand(const std::string& name) const;
    const std::vector<AddInCommand>& addInCommands() const { return m_addInCommands; }

    // The text the main window's caption holds: the IDE's name, after the workspace's.
    std::string mainWindowCaption() const;
    // The IDE's name alone, as the caption reads without a workspace.
    std::string ideName() const { return m_version == "6.0" ? "Microsoft Visual C++" : "Microsoft Developer Studio"; }
    bool hasQuit() const { return m_quit; }

    void activateWindow(StudioWindow& window);
    void removeWindow(StudioWindow& window);

    platform::FileSystem& files() { return m_files; }
    platform::MessageService& messages() { return m_messages; }

private:
    void documentSaved(StudioDocument& document) override;
    void documentSaveFailed(StudioDocument& document, const std::string& message) override;
    void documentClosing(StudioDocument& document) override;
    void documentClosed(StudioDocument& document) override;

    StudioDocumentHost& host() { return *this; }
    std::shared_ptr<StudioWindow> windowOf(const StudioDocument& document) const;
    void addWindow(std::shared_ptr<StudioWindow> window);
    bool saveAll();

    platform::FileSystem& m_files;
    platform::MessageService& m_messages;
    std::string m_version;
    std::vector<std::shared_ptr<StudioDocument>> m_documents;
    std::vector<std::shared_ptr<StudioWindow>> m_windows; // z-order, active first
    std::vector<std::shared_ptr<StudioProject>> m_projects;
    std::string m_workspacePath;
    std::map<std::string, std::function<bool()>> m_commands;
    std::map<long, platform::IdeCommandTarget*> m_commandTargets; // by add-in cookie
    std::vector<AddInCommand> m_addInCommands;
    SinkList<platform::IdeApplicationEvents> m_sinks;
    StudioDebugger m_debugger;
    int m_untitledCount = 0;
    bool m_quit = false;
};

} // namespace studio
