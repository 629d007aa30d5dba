#include "ide/IdeAutomation.h"

#include "platform/base/FileSystem.h"
#include "platform/ideapi/IdeApplication.h"
#include "platform/ideapi/IdeDebugger.h"
#include "platform/ideapi/IdeDocument.h"
#include "platform/ideapi/IdeProject.h"
#include "platform/ideapi/IdeTextSelection.h"
#include "platform/ideapi/IdeWindow.h"

namespace morva {

namespace {

// The kind of command-bar button the add-in asks for: a button on the add-in's toolbar.
constexpr int kCommandBarButton = 1;

} // namespace

IdeAutomation::IdeAutomation(platform::IdeApplication* application, platform::FileSystem& files)
    : m_pApplication(application), m_files(files)
{
}

void IdeAutomation::SetAddInInfo(platform::IdeCommandTarget* commands, int smallBitmapId, int largeBitmapId,
                                 long cookie)
{
    if (m_pApplication)
        m_pApplication->setAddInInfo(commands, smallBitmapId, largeBitmapId, cookie);
}

bool IdeAutomation::AddCommand(const std::string& commandString, const std::string& methodName, int glyph, long cookie)
{
    return m_pApplication && m_pApplication->addCommand(commandString, methodName, glyph, cookie);
}

void IdeAutomation::AddCommandBarButton(const std::string& commandName, long cookie)
{
    if (m_pApplication)
        m_pApplication->addCommandBarButton(kCommandBarButton, commandName, cookie);
}

unsigned long IdeAutomation::AdviseApplicationEvents(platform::IdeApplicationEvents* sink)
{
    return m_pApplication ? m_pApplication->advise(sink) : 0;
}

unsigned long IdeAutomation::AdviseDebuggerEvents(platform::IdeDebuggerEvents* sink)
{
    return m_pApplication ? m_pApplication->debugger().advise(sink) : 0;
}

void IdeAutomation::UnadviseApplicationEvents(unsigned long cookie)
{
    if (m_pApplication)
        m_pApplication->unadvise(cookie);
}

void IdeAutomation::UnadviseDebuggerEvents(unsigned long cookie)
{
    if (m_pApplication)
        m_pApplication->debugger().unadvise(cookie);
}

void IdeAutomation::Quit()
{
    if (m_pApplication)
        m_pApplication->quit();
}

void IdeAutomation::ExecuteCommand(const std::string& name)
{
    if (m_pApplication)
        m_pApplication->executeCommand(name);
}

std::string IdeAutomation::GetIdeVersion() const
{
    return m_pApplication ? m_pApplication->version() : std::string();
}

std::string IdeAutomation::GetActiveWindowCaption() const
{
    const auto window = m_pApplication ? m_pApplication->activeWindow() : nullptr;
    return window ? window->caption() : std::string();
}

std::string IdeAutomation::GetActiveDocumentPath() const
{
    const auto document = m_pApplication ? m_pApplication->activeDocument() : nullptr;
    return document ? document->fullName() : std::string();
}

std::string IdeAutomation::GetActiveProjectPath() const
{
    const auto project = m_pApplication ? m_pApplication->activeProject() : nullptr;
    return project ? project->fullName() : std::string();
}

std::vector<std::string> IdeAutomation::EnumerateTextWindows() const
{
    std::vector<std::string> captions;
    if (!m_pApplication)
        return captions;
    for (const auto& window : m_pApplication->windows())
        if (window->document())
            captions.push_back(window->caption());
    return captions;
}

void IdeAutomation::OpenDocument(const std::string& path)
{
    if (m_pApplication)
        m_pApplication->openDocument(path, "Auto", false);
}

std::shared_ptr<platform::IdeDocument> IdeAutomation::FindOpenDocument(const std::string& path) const
{
    if (!m_pApplication)
        return nullptr;
    const auto absolute = m_files.absolutePath(path);
    const std::string wanted = absolute ? absolute.value() : path;
    for (const auto& document : m_pApplication->documents())
        if (document->isOpen() && m_files.codePage().equalsIgnoreCase(document->fullName(), wanted))
            return document;
    return nullptr;
}

bool IdeAutomation::IsDocumentOpen(const std::string& path) const
{
    return FindOpenDocument(path) != nullptr;
}

bool IdeAutomation::SaveDocument(const std::string& path)
{
    const auto document = FindOpenDocument(path);
    return document && document->save(document->fullName());
}

bool IdeAutomation::CloseDocument(const std::string& path)
{
    const auto document = FindOpenDocument(path);
    return document && document->close(true);
}

bool IdeAutomation::GoToLine(platform::IdeDocument& document, int line)
{
    platform::IdeTextSelection* selection = document.isOpen() ? document.selection() : nullptr;
    if (!selection)
        return false;
    selection->goToLine(line, true);
    return true;
}

bool IdeAutomation::MoveCaret(platform::IdeDocument& document, int line, int column, bool extend)
{
    platform::IdeTextSelection* selection = document.isOpen() ? document.selection() : nullptr;
    if (!selection)
        return false;
    selection->moveTo(line, column, extend);
    return true;
}

bool IdeAutomation::SetSelectionText(platform::IdeDocument& document, const std::string& text)
{
    platform::IdeTextSelection* selection = document.isOpen() ? document.selection() : nullptr;
    if (!selection)
        return false;
    selection->setText(text);
    return true;
}

bool IdeAutomation::DeleteSelection(platform::IdeDocument& document)
{
    platform::IdeTextSelection* selection = document.isOpen() ? document.selection() : nullptr;
    if (!selection)
        return false;
    selection->deleteSelection();
    return true;
}

platform::IdeTextSelection* IdeAutomation::GetActiveSelection() const
{
    const auto document = m_pApplication ? m_pApplication->activeDocument() : nullptr;
    return document ? document->selection() : nullptr;
}

} // namespace morva
