#pragma once

#include "codegen/GeneratedFileInsertion.h"
#include "ide/IdeAutomation.h"
#include "ide/SourceTextService.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "platform/gfx/LogFont.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {
class Desktop;
class IdeApplication;
class Registry;
} // namespace platform

namespace morva {

class CFormModel;
class CProject;

// The add-in's application object: one per process, alive as long as the library. It holds
// what lives longer than one command: the IDE's application object, the current project and
// form, the shared fonts, the editor settings, the identifier counters and the lists that carry
// work from one step to a later one. The tool windows it will own are null until they exist.
class MorvaApp {
public:
    MorvaApp();
    ~MorvaApp();
    MorvaApp(const MorvaApp&) = delete;
    MorvaApp& operator=(const MorvaApp&) = delete;

    // The instance while it lives (the first one, should a second be made).
    static MorvaApp* Current();

    // Library load and unload steps.
    bool InitInstance();
    int ExitInstance();

    // --- The platform and the IDE --------------------------------------------------------
    platform::FileSystem& Files() { return m_files; }
    platform::MessageService& Messages() { return m_messages; }
    // Stored when the add-in connects; the automation and source services follow it.
    void SetIdeApp(platform::IdeApplication* application);
    platform::IdeApplication* GetIdeApp() const { return m_pIdeApp; }
    IdeAutomation& Ide() { return m_ide; }
    SourceTextService& SourceText() { return m_sourceText; }
    // Has the IDE whose main window is on `desktop` insert files into its project through its
    // own dialog; m_nInsertTimer follows the insert timer.
    IdeFileInserter MakeFileInserter(platform::Desktop& desktop);

    // The IDE's tab size and source line height, from its registry settings (designer mode
    // calls this when it begins).
    void ReadEditorSettings(const platform::Registry& registry);

    // --- The project ---------------------------------------------------------------------
    CProject* GetProject() const { return m_pProject.get(); }
    void SetProject(std::unique_ptr<CProject> project);
    // Deletes the current project; the form to open goes with it.
    void CloseProject();

    // --- Fields ------------------------------------------------------------------------------
    const platform::LogFont m_captionFont{14, 0, 0, 0, 400, false, false, false, 0, 0, 0, 0, 0, "Arial"};
    const platform::LogFont m_captionFontBold{14, 0, 0, 0, 700, false, false, false, 0, 0, 0, 0, 0, "Arial"};
    int m_nTabSize = 4;
    int m_nLineHeight = 20;
    int m_nNextControlValue = 5000;
    std::optional<int> m_nNextResourceValue; // set when a project's resource header is read
    int m_nNextLiveControlId = 304;          // window identifiers of live ActiveX controls
    int m_nLeftBarWidth = 75;
    int m_nRightBarWidth = 200;
    int m_nSplitterSize = 6;
    std::string m_strFormToOpen; // form class to open right after the next project load
    CFormModel* m_pCurrentForm = nullptr;
    int m_nInsertTimer = 0;
    std::vector<std::string> m_filesToInsert;
    std::string m_strRegistryKey; // the maker key under which the add-in keeps its profile

private:
    platform::FileSystem m_files;
    platform::MessageService m_messages;
    platform::IdeApplication* m_pIdeApp = nullptr;
    IdeAutomation m_ide{nullptr, m_files};
    SourceTextService m_sourceText{m_ide, m_files, m_messages};
    std::unique_ptr<CProject> m_pProject;
};

} // namespace morva
