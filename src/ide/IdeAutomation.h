#pragma once

#include <memory>
#include <string>
#include <vector>

namespace platform {
class FileSystem;
class IdeApplication;
class IdeApplicationEvents;
class IdeCommandTarget;
class IdeDebuggerEvents;
class IdeDocument;
class IdeTextSelection;
} // namespace platform

namespace morva {

// Every operation the add-in asks of the IDE, on the IDE's application object. Documents are
// found by their full path, compared ignoring case. An operation on a document that is not open
// does nothing and reports false; without an application object every query answers empty.
class IdeAutomation {
public:
    IdeAutomation(platform::IdeApplication* application, platform::FileSystem& files);

    platform::IdeApplication* GetApplication() const { return m_pApplication; }
    void SetApplication(platform::IdeApplication* application) { m_pApplication = application; }

    // --- Registration ------------------------------------------------------------------------
    void SetAddInInfo(platform::IdeCommandTarget* commands, int smallBitmapId, int largeBitmapId, long cookie);
    bool AddCommand(const std::string& commandString, const std::string& methodName, int glyph, long cookie);
    void AddCommandBarButton(const std::string& commandName, long cookie);
    unsigned long AdviseApplicationEvents(platform::IdeApplicationEvents* sink);
    unsigned long AdviseDebuggerEvents(platform::IdeDebuggerEvents* sink);
    void UnadviseApplicationEvents(unsigned long cookie);
    void UnadviseDebuggerEvents(unsigned long cookie);
    void Quit();

    void ExecuteCommand(const std::string& name);

    // --- Queries -------------------------------------------------------------------------------
    std::string GetIdeVersion() const;
    std::string GetActiveWindowCaption() const;
    std::string GetActiveDocumentPath() const;
    std::string GetActiveProjectPath() const;
    std::vector<std::string> EnumerateTextWindows() const;

    // --- Documents -----------------------------------------------------------------------------
    void OpenDocument(const std::string& path);
    std::shared_ptr<platform::IdeDocument> FindOpenDocument(const std::string& path) const;
    bool IsDocumentOpen(const std::string& path) const;
    bool SaveDocument(const std::string& path);
    bool CloseDocument(const std::string& path);

    // --- Text selection ------------------------------------------------------------------------
    bool GoToLine(platform::IdeDocument& document, int line);
    bool MoveCaret(platform::IdeDocument& document, int line, int column, bool extend);
    bool SetSelectionText(platform::IdeDocument& document, const std::string& text);
    bool DeleteSelection(platform::IdeDocument& document);
    platform::IdeTextSelection* GetActiveSelection() const;

private:
    platform::IdeApplication* m_pApplication;
    platform::FileSystem& m_files;
};

} // namespace morva
