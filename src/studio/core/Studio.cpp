#include "studio/core/Studio.h"

#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "platform/ideapi/IdeCommandTarget.h"
#include "studio/core/ProjectFileEdit.h"
#include "studio/core/StudioProject.h"
#include "studio/core/StudioWindow.h"
#include "studio/core/WorkspaceFile.h"

#include <algorithm>

namespace studio {

namespace {

bool HasExtension(const std::string& path, std::string_view extension, const platform::CodePage& codePage)
{
    return path.size() >= extension.size() &&
           codePage.equalsIgnoreCase(std::string_view(path).substr(path.size() - extension.size()), extension);
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

} // namespace

Studio::Studio(platform::FileSystem& files, platform::MessageService& messages, std::string version)
    : m_files(files), m_messages(messages), m_version(std::move(version))
{
    setNamedCommand("FileSaveAll", [this] { return saveAll(); });
    setNamedCommand("NewText", [this] { return newText() != nullptr; });
}

Studio::~Studio()
{
    for (const auto& document : m_documents)
        document->markClosed();
}

std::vector<std::shared_ptr<platform::IdeDocument>> Studio::documents() const
{
    return {m_documents.begin(), m_documents.end()};
}

std::shared_ptr<StudioDocument> Studio::findDocument(const std::string& path) const
{
    const auto absolute = m_files.absolutePath(path);
    if (!absolute)
        return nullptr;
    for (const auto& document : m_documents)
        if (!document->fullName().empty() && m_files.codePage().equalsIgnoreCase(document->fullName(), absolute.value()))
            return document;
    return nullptr;
}

std::shared_ptr<platform::IdeDocument> Studio::openDocument(const std::string& path, const std::string& /*type*/,
                                                            bool readOnly)
{
    if (HasExtension(path, ".dsw", m_files.codePage())) {
        openWorkspace(path);
        return nullptr;
    }
    if (auto open = findDocument(path)) {
        windowOf(*open)->activate();
        return open;
    }
    const auto absolute = m_files.absolutePath(path);
    auto text = absolute ? m_files.readWholeFile(absolute.value()) : platform::Result<std::string>(absolute.status());
    if (!text) {
        m_messages.show(text.message(), platform::MessageButtons::Ok, platform::MessageIcon::Error);
        return nullptr;
    }
    auto document = std::make_shared<StudioDocument>(host(), m_files, absolute.value(), std::string(),
                                                     std::move(text).value(), readOnly);
    m_documents.push_back(document);
    addWindow(std::make_shared<StudioWindow>(*this, document, std::string()));
    m_sinks.raise([&](platform::IdeApplicationEvents& sink) { sink.documentOpen(*document); });
    return document;
}

std::shared_ptr<StudioDocument> Studio::newText()
{
    auto document = std::make_shared<StudioDocument>(host(), m_files, std::string(),
                                                     "Text" + std::to_string(++m_untitledCount), std::string(), false);
    m_documents.push_back(document);
    addWindow(std::make_shared<StudioWindow>(*this, document, std::string()));
    m_sinks.raise([&](platform::IdeApplicationEvents& sink) { sink.newDocument(*document); });
    return document;
}

std::shared_ptr<StudioWindow> Studio::openToolWindow(const std::string& caption)
{
    for (const auto& window : m_windows)
        if (!window->studioDocument() && window->caption() == caption) {
            window->activate();
            return window;
        }
    auto window = std::make_shared<StudioWindow>(*this, nullptr, caption);
    addWindow(window);
    return window;
}

std::shared_ptr<platform::IdeDocument> Studio::activeDocument() const
{
    for (const auto& window : m_windows)
        if (window->studioDocument())
            return window->studioDocument();
    return nullptr;
}

std::vector<std::shared_ptr<platform::IdeWindow>> Studio::windows() const
{
    return {m_windows.begin(), m_windows.end()};
}

std::shared_ptr<platform::IdeWindow> Studio::activeWindow() const
{
    return m_windows.empty() ? nullptr : m_windows.front();
}

std::vector<std::shared_ptr<platform::IdeProject>> Studio::projects() const
{
    return {m_projects.begin(), m_projects.end()};
}

std::shared_ptr<platform::IdeProject> Studio::activeProject() const
{
    return m_projects.empty() ? nullptr : m_projects.front();
}

bool Studio::openWorkspace(const std::string& path)
{
    const auto absolute = m_files.absolutePath(path);
    auto text = absolute ? m_files.readWholeFile(absolute.value()) : platform::Result<std::string>(absolute.status());
    if (!text) {
        m_messages.show(text.message(), platform::MessageButtons::Ok, platform::MessageIcon::Error);
        return false;
    }
    closeWorkspace();
    m_workspacePath = absolute.value();
    const std::string folder = FolderOf(m_workspacePath);
    for (const WorkspaceProjectEntry& entry : ParseWorkspaceProjects(text.value())) {
        std::string file = entry.file;
        if (file.rfind(".\\", 0) == 0)
            file = file.substr(2);
        const bool isAbsolute = file.size() > 1 && (file[1] == ':' || file[0] == '\\');
        const auto projectPath = m_files.absolutePath(isAbsolute ? file : folder + "\\" + file);
        if (projectPath)
            m_projects.push_back(std::make_shared<StudioProject>(entry.name, projectPath.value()));
    }
    m_sinks.raise([](platform::IdeApplicationEvents& sink) { sink.workspaceOpen(); });
    return true;
}

bool Studio::insertFilesIntoProject(const std::vector<std::string>& paths)
{
    const auto project = activeProject();
    if (!project) {
        m_messages.show("There is no active project to insert files into.", platform::MessageButtons::Ok,
                        platform::MessageIcon::Error);
        return false;
    }
    const std::string projectPath = project->fullName();
    // An open project file is edited as the document it is, so its unsaved edits are kept.
    const auto open = findDocument(projectPath);
    std::string text;
    if (open) {
        text = open->text();
    } else {
        auto read = m_files.readWholeFile(projectPath);
        if (!read) {
            m_messages.show(read.message(), platform::MessageButtons::Ok, platform::MessageIcon::Error);
            return false;
        }
        text = std::move(read).value();
    }
    std::vector<std::string> values;
    for (const std::string& path : paths) {
        const auto absolute = m_files.absolutePath(path);
        values.push_back(SourceValueFor(FolderOf(projectPath), absolute ? absolute.value() : path));
    }
    const std::string edited = AddSourceFiles(text, values);
    if (edited == text)
        return true;
    if (open) {
        open->replaceText(0, open->text().size(), edited);
        return open->save({});
    }
    const platform::Status written = m_files.writeWholeFile(projectPath, edited);
    if (!written)
        m_messages.show(written.message(), platform::MessageButtons::Ok, platform::MessageIcon::Error);
    return written.isOk();
}

void Studio::closeWorkspace()
{
    if (m_workspacePath.empty())
        return;
    m_sinks.raise([](platform::IdeApplicationEvents& sink) { sink.workspaceClose(); });
    m_workspacePath.clear();
    m_projects.clear();
}

void Studio::setNamedCommand(const std::string& name, std::function<bool()> run)
{
    m_commands[name] = std::move(run);
}

bool Studio::hasCommand(const std::string& name) const
{
    if (m_commands.count(name))
        return true;
    return std::any_of(m_addInCommands.begin(), m_addInCommands.end(), [&](const auto& c) { return c.name == name; });
}

bool Studio::executeCommand(const std::string& name)
{
    if (const auto found = m_commands.find(name); found != m_commands.end()) {
        // A copy: the command may replace itself while it runs.
        const std::function<bool()> run = found->second;
        run();
        return true;
    }
    for (const AddInCommand& command : m_addInCommands) {
        if (command.name != name)
            continue;
        const auto target = m_commandTargets.find(command.cookie);
        if (target == m_commandTargets.end() || !target->second)
            return false;
        target->second->invoke(command.methodName);
        return true;
    }
    return false;
}

void Studio::setAddInInfo(platform::IdeCommandTarget* commands, int /*smallBitmapId*/, int /*largeBitmapId*/,
                          long cookie)
{
    m_commandTargets[cookie] = commands;
}

bool Studio::addCommand(const std::string& commandString, const std::string& methodName, int glyph, long cookie)
{
    AddInCommand command;
    std::string* fields[] = {&command.name, &command.buttonText, &command.statusText, &command.tooltip};
    size_t start = 0;
    for (std::string* field : fields) {
        const size_t newline = commandString.find('\n', start);
        *field = commandString.substr(start, newline == std::string::npos ? std::string::npos : newline - start);
        if (newline == std::string::npos)
            break;
        start = newline + 1;
    }
    if (command.name.empty() || hasCommand(command.name))
        return false;
    command.methodName = methodName;
    command.glyph = glyph;
    command.cookie = cookie;
    m_addInCommands.push_back(std::move(command));
    return true;
}

void Studio::addCommandBarButton(int /*kind*/, const std::string& commandName, long /*cookie*/)
{
    for (AddInCommand& command : m_addInCommands)
        if (command.name == commandName)
            command.onToolbar = true;
}

void Studio::quit()
{
    if (m_quit)
        return;
    m_sinks.raise([](platform::IdeApplicationEvents& sink) { sink.beforeApplicationShutDown(); });
    // Modified documents are offered for saving; Cancel keeps the studio running.
    for (const auto& document : std::vector(m_documents)) {
        if (!document->isSaved()) {
            const auto answer = m_messages.show("Save changes to " + document->name() + "?",
                                                platform::MessageButtons::YesNoCancel, platform::MessageIcon::Warning);
            if (answer == platform::MessageAnswer::Cancel)
                return;
            if (answer == platform::MessageAnswer::Yes && !document->close(true))
                return;
        }
        if (document->isOpen())
            document->close(false);
    }
    closeWorkspace();
    m_quit = true;
}

std::string Studio::mainWindowCaption() const
{
    const std::string ide = ideName();
    if (m_workspacePath.empty())
        return ide;
    std::string name = m_workspacePath.substr(m_workspacePath.find_last_of('\\') + 1);
    name = name.substr(0, name.rfind('.'));
    return name + " - " + ide;
}

void Studio::activateWindow(StudioWindow& window)
{
    const auto found = std::find_if(m_windows.begin(), m_windows.end(), [&](const auto& w) { return w.get() == &window; });
    if (found == m_windows.end() || found == m_windows.begin())
        return;
    const std::shared_ptr<StudioWindow> previous = m_windows.front();
    std::rotate(m_windows.begin(), found, found + 1);
    m_sinks.raise([&](platform::IdeApplicationEvents& sink) { sink.windowDeactivate(*previous); });
    m_sinks.raise([&](platform::IdeApplicationEvents& sink) { sink.windowActivate(window); });
}

void Studio::addWindow(std::shared_ptr<StudioWindow> window)
{
    const std::shared_ptr<StudioWindow> previous = m_windows.empty() ? nullptr : m_windows.front();
    m_windows.insert(m_windows.begin(), window);
    if (previous)
        m_sinks.raise([&](platform::IdeApplicationEvents& sink) { sink.windowDeactivate(*previous); });
    m_sinks.raise([&](platform::IdeApplicationEvents& sink) { sink.windowActivate(*window); });
}

void Studio::removeWindow(StudioWindow& window)
{
    const auto found = std::find_if(m_windows.begin(), m_windows.end(), [&](const auto& w) { return w.get() == &window; });
    if (found == m_windows.end())
        return;
    const bool wasActive = found == m_windows.begin();
    const std::shared_ptr<StudioWindow> keep = *found;
    m_windows.erase(found);
    if (wasActive) {
        m_sinks.raise([&](platform::IdeApplicationEvents& sink) { sink.windowDeactivate(*keep); });
        if (!m_windows.empty())
            m_sinks.raise([&](platform::IdeApplicationEvents& sink) { sink.windowActivate(*m_windows.front()); });
    }
}

std::shared_ptr<StudioWindow> Studio::windowOf(const StudioDocument& document) const
{
    for (const auto& window : m_windows)
        if (window->studioDocument().get() == &document)
            return window;
    return nullptr;
}

bool Studio::saveAll()
{
    bool allSaved = true;
    for (const auto& document : std::vector(m_documents))
        if (!document->isSaved() && !document->fullName().empty())
            allSaved = document->save({}) && allSaved;
    return allSaved;
}

void Studio::documentSaved(StudioDocument& document)
{
    m_sinks.raise([&](platform::IdeApplicationEvents& sink) { sink.documentSave(document); });
}

void Studio::documentSaveFailed(StudioDocument& /*document*/, const std::string& message)
{
    m_messages.show(message, platform::MessageButtons::Ok, platform::MessageIcon::Error);
}

void Studio::documentClosing(StudioDocument& document)
{
    m_sinks.raise([&](platform::IdeApplicationEvents& sink) { sink.beforeDocumentClosing(document); });
}

void Studio::documentClosed(StudioDocument& document)
{
    if (const auto window = windowOf(document))
        removeWindow(*window);
    const auto found = std::find_if(m_documents.begin(), m_documents.end(),
                                    [&](const auto& d) { return d.get() == &document; });
    if (found != m_documents.end())
        m_documents.erase(found);
}

} // namespace studio
