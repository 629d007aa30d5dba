#include "cli/CliProject.h"

#include "cli/ToolRegistry.h"
#include "codegen/FormMenu.h"
#include "codegen/GeneratedFileInsertion.h"
#include "model/CControlItem.h"
#include "platform/com/FolderTypeLibraryResolver.h"
#include "platform/ideapi/IdeProject.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/IProgressDialogHost.h"

#include <ostream>

namespace morva::cli {

namespace {

constexpr const char* kWineSystemFolder = "/usr/lib/x86_64-linux-gnu/wine/x86_64-windows";

} // namespace

std::shared_ptr<const platform::TypeLibraryResolver> CliProject::SystemLibraryResolver(const platform::FileSystem& fs)
{
    std::vector<std::string> folders;
    if (fs.isDirectory(fs.toWindowsPath(kWineSystemFolder)))
        folders.push_back(fs.toWindowsPath(kWineSystemFolder));
    return std::make_shared<platform::FolderTypeLibraryResolver>(fs, folders);
}

CliProject::CliProject(CliStreams& io, std::string command) : m_io(io), m_command(std::move(command)), m_presenter(io.err)
{
    m_messages.setPresenter(&m_presenter);
}

void CliProject::Fail(const std::string& text) const
{
    m_io.err << "morva " << m_command << ": " << text << "\n";
}

bool CliProject::Open(const std::string& hostPath, const std::optional<std::string>& registryFile)
{
    if (const platform::Status loaded = LoadToolRegistry(registryFile, m_registry, m_files); !loaded) {
        Fail(loaded.message());
        return false;
    }
    const std::string path = m_files.toWindowsPath(hostPath);
    if (!m_files.exists(path) || m_files.isDirectory(path)) {
        Fail(path + " does not exist");
        return false;
    }
    // The workspace beside the project, when it has this project as its active one.
    const size_t dot = path.rfind('.');
    const size_t slash = path.rfind('\\');
    const std::string workspace = (dot == std::string::npos || dot < slash ? path : path.substr(0, dot)) + ".dsw";
    m_strWorkspace = workspace;
    m_bHasWorkspace = m_files.exists(workspace) && m_studio.openWorkspace(workspace) && m_studio.activeProject() &&
                      m_files.codePage().equalsIgnoreCase(m_studio.activeProject()->fullName(), path);
    HeadlessProgressHost progress;
    if (!m_loader.Open(path, progress))
        return false;
    // Each form shows its attached menu, whose commands are objects of the form.
    for (const auto& item : m_project.GetClasses())
        if (item->m_bIsForm)
            ApplyFormMenu(*item, m_project);
    return true;
}

CClassItem* CliProject::FindForm(const std::string& className)
{
    CClassItem* form = m_project.FindClass(className);
    if (form && form->m_bIsForm)
        return form;
    std::string forms;
    for (const auto& item : m_project.GetClasses())
        if (item->m_bIsForm)
            forms += (forms.empty() ? "" : ", ") + item->m_strName;
    Fail("the project has no form class " + className + " (its forms: " + (forms.empty() ? "none" : forms) + ")");
    return nullptr;
}

CControlItem* CliProject::FindObject(CClassItem& form, const std::string& member)
{
    if (member == form.m_strName)
        if (CControlItem* own = form.GetFormItem())
            return own;
    if (CControlItem* item = form.FindByMemberName(member))
        return item;
    Fail("the form " + form.m_strName + " has no object " + member);
    return nullptr;
}

bool CliProject::InsertIntoProject(std::vector<std::string>& pending)
{
    if (!m_bHasWorkspace) {
        Fail("the project has no workspace beside it to insert the new files into");
        return false;
    }
    const IdeFileInserter insert = [&](const std::vector<std::string>& paths) {
        return m_studio.insertFilesIntoProject(paths);
    };
    const InsertedFilesUpdate update{m_project, m_parser, m_sourceText, m_context, [&] {
                                         m_loader.RunFinishingSteps();
                                         m_steps.ReadCounters(m_project);
                                     }};
    if (!InsertPendingFiles(pending, insert, update)) {
        Fail("the new files could not be inserted into " + m_project.GetProjectPath());
        return false;
    }
    return true;
}

} // namespace morva::cli
