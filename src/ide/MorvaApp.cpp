#include "ide/MorvaApp.h"

#include "ide/EditorSettings.h"
#include "ide/InsertFilesIntoIdeProject.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/FontLibrary.h"
#include "sourcemodel/CProject.h"

namespace morva {

namespace {

// The one application object of the add-in, for the parts that are reached from the platform
// (window procedures, IDE events) rather than handed the application.
MorvaApp* g_pCurrentApp = nullptr;

} // namespace

MorvaApp::MorvaApp()
{
    if (!g_pCurrentApp)
        g_pCurrentApp = this;
}

MorvaApp::~MorvaApp()
{
    m_filesToInsert.clear();
    m_pProject.reset();
    if (g_pCurrentApp == this)
        g_pCurrentApp = nullptr;
}

MorvaApp* MorvaApp::Current()
{
    return g_pCurrentApp;
}

bool MorvaApp::InitInstance()
{
    m_strRegistryKey = "Brindle";
    return true;
}

int MorvaApp::ExitInstance()
{
    return 0;
}

void MorvaApp::SetIdeApp(platform::IdeApplication* application)
{
    m_pIdeApp = application;
    m_ide.SetApplication(application);
}

IdeFileInserter MorvaApp::MakeFileInserter(platform::Desktop& desktop)
{
    return MakeIdeFileInserter(desktop, m_ide, m_messages, m_nInsertTimer);
}

void MorvaApp::ReadEditorSettings(const platform::Registry& registry)
{
    EditorSettings settings{m_nTabSize, m_nLineHeight};
    const TextHeightMeasure measure = [](const platform::LogFont& logFont, std::string_view text) -> std::optional<int> {
        auto library = platform::FontLibrary::create();
        if (!library)
            return std::nullopt;
        const auto font = library.value().font(logFont);
        if (!font)
            return std::nullopt;
        return font.value()->textExtent(text).cy;
    };
    morva::ReadEditorSettings(registry, m_ide.GetIdeVersion(), measure, settings);
    m_nTabSize = settings.tabSize;
    m_nLineHeight = settings.lineHeight;
}

void MorvaApp::SetProject(std::unique_ptr<CProject> project)
{
    CloseProject();
    m_pProject = std::move(project);
}

void MorvaApp::CloseProject()
{
    if (!m_pProject)
        return;
    m_pProject.reset();
    m_pCurrentForm = nullptr;
    m_strFormToOpen.clear();
}

} // namespace morva
