#pragma once

#include <memory>
#include <string>
#include <vector>

namespace platform {

class IdeApplicationEvents;
class IdeCommandTarget;
class IdeDebugger;
class IdeDocument;
class IdeProject;
class IdeWindow;

// The IDE's automation object as an add-in sees it: documents, windows, projects, the
// debugger, named commands, add-in registration and events. Every path is in Windows form and
// compared ignoring case.
class IdeApplication {
public:
    virtual ~IdeApplication() = default;

    // "6.0" for the newer IDE, another version text otherwise.
    virtual std::string version() const = 0;

    // --- Documents and windows -----------------------------------------------------------
    virtual std::vector<std::shared_ptr<IdeDocument>> documents() const = 0;
    // Opens (or finds) a document; it becomes the active window. Null when it cannot be read.
    virtual std::shared_ptr<IdeDocument> openDocument(const std::string& path, const std::string& type,
                                                      bool readOnly) = 0;
    virtual std::shared_ptr<IdeDocument> activeDocument() const = 0;
    virtual std::vector<std::shared_ptr<IdeWindow>> windows() const = 0;
    virtual std::shared_ptr<IdeWindow> activeWindow() const = 0;

    // --- Projects --------------------------------------------------------------------------
    virtual std::vector<std::shared_ptr<IdeProject>> projects() const = 0;
    virtual std::shared_ptr<IdeProject> activeProject() const = 0;

    virtual IdeDebugger& debugger() = 0;

    // --- Commands --------------------------------------------------------------------------
    // Runs a named command; false when there is no such command.
    virtual bool executeCommand(const std::string& name) = 0;

    // --- Add-in registration ---------------------------------------------------------------
    // `cookie` is the one the IDE gave the add-in when it connected.
    virtual void setAddInInfo(IdeCommandTarget* commands, int smallBitmapId, int largeBitmapId, long cookie) = 0;
    // `commandString` is "Name\nButton text\nStatus text\nTooltip". False refuses the command.
    virtual bool addCommand(const std::string& commandString, const std::string& methodName, int glyph,
                            long cookie) = 0;
    virtual void addCommandBarButton(int kind, const std::string& commandName, long cookie) = 0;

    // --- Events ------------------------------------------------------------------------------
    virtual unsigned long advise(IdeApplicationEvents* sink) = 0;
    virtual bool unadvise(unsigned long cookie) = 0;

    virtual void quit() = 0;
};

} // namespace platform
