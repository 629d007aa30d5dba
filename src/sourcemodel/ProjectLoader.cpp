#include "sourcemodel/ProjectLoader.h"

#include "catalogue/Catalogue.h"
#include "catalogue/ControlTypes.h"
#include "model/CControlItem.h"
#include "platform/base/FileSystem.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CClassParser.h"
#include "sourcemodel/CParseProgressDlg.h"
#include "sourcemodel/CProject.h"
#include "sourcemodel/IProjectLoadSteps.h"

#include <algorithm>

namespace morva {

namespace {

// The runtime's form classes, as a list searched for a class's root base.
constexpr std::string_view kFormBaseList = "CXForm\nCXMdiForm\n";

bool IsFormRootBase(std::string_view rootBase)
{
    // An empty root base (a class without bases) is found in any text; it is no form.
    return !rootBase.empty() && kFormBaseList.find(rootBase) != std::string_view::npos;
}

// The form object a window class has for itself.
std::unique_ptr<CControlItem> NewOwnItem(const CClassItem& windowClass)
{
    auto item = std::make_unique<CControlItem>(kKindForm, kTypeNone);
    item->m_bIsFormItem = true;
    item->m_strClassName = windowClass.m_strName;
    item->m_strPropStringSymbol = windowClass.m_strFormPropStringSymbol;
    return item;
}

} // namespace

std::string ParseStatusText(const std::string& path, int filesLeft)
{
    const size_t slash = path.rfind('\\');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    return "Getting class info of " + name + "\r\n" + std::to_string(filesLeft) + " file(s) left to be parsed";
}

ProjectLoader::ProjectLoader(CProject& project, CClassParser& parser, IProjectLoadSteps& steps,
                             platform::FileSystem& files)
    : m_project(project), m_parser(parser), m_steps(steps), m_files(files)
{
}

bool ProjectLoader::Open(const std::string& path, IProgressDialogHost& progressHost)
{
    if (!m_project.OpenProjectFile(path))
        return false;
    m_steps.LoadToolboxControls(m_project);

    CParseProgressDlg progress(progressHost, CParseProgressDlg::kReadingCaption);
    (void)progress.Create(); // without a window the files are parsed all the same
    progress.SetRange(0, m_project.m_nFileCount + 1);
    for (;;) {
        if (progress.CheckCancel())
            break;
        progress.SetStatus(m_project.m_strStatusText);
        progress.StepIt();
        if (ParseNextFile() != 1)
            break;
    }

    m_steps.ReadCounters(m_project);
    if (!m_project.GetProjectPath().empty()) {
        const std::string temporary = m_project.GetProjectFolder() + "\\KoxTemp";
        if (m_files.isDirectory(temporary) || m_files.makeFolder(temporary))
            m_project.SetTemporaryFolder(temporary);
    }
    m_steps.OpenStartupForm(m_project);
    progress.Destroy();
    return true;
}

int ProjectLoader::ParseNextFile()
{
    if (!m_project.m_bActive)
        return 0;
    m_project.m_strStatusText = "Ready";
    const auto& files = m_project.GetFiles();
    const int count = std::min(m_project.m_nFileCount, static_cast<int>(files.size()));
    if (m_project.m_nNextFile >= 0 && m_project.m_nNextFile < count) {
        const std::string path = files[static_cast<size_t>(m_project.m_nNextFile)];
        m_project.m_strStatusText = ParseStatusText(path, m_project.m_nFileCount - m_project.m_nNextFile - 1);
        ++m_project.m_nNextFile;
        return m_parser.ParseFile(path) ? 1 : 0;
    }
    if (!m_project.m_bFinished) {
        RunFinishingSteps();
        m_project.m_bFinished = true;
    }
    return 0;
}

void ProjectLoader::RunFinishingSteps()
{
    MarkWindowClasses();
    MarkFormClasses();
    for (const auto& item : m_project.GetClasses())
        if (item->m_bIsForm)
            m_steps.RetrieveControls(m_project, *item);
    m_project.m_bFinished = true;
    for (const auto& item : m_project.GetClasses())
        item->MoveGraphicalControlsFirst();
    m_steps.RemoveUnusedToolboxControls(m_project);
    m_steps.ReadMenus(m_project);
    m_steps.RefreshViews(m_project);
    for (const auto& item : m_project.GetClasses()) {
        if (!item->m_bIsForm)
            continue;
        for (const auto& control : item->GetItems())
            if (!control->IsFormItem() && control->GetPropertyValue("LinkMode") == "1")
                m_steps.StartLink(m_project, *control);
    }
}

void ProjectLoader::MarkWindowClasses()
{
    // Root bases and the window-class flag come from the parser's walk of the base chains.
    m_parser.ResolveBaseClasses();
    for (const auto& item : m_project.GetClasses()) {
        if (item->m_bIsWindowClass && !item->GetFormItem()) {
            CControlItem& own = item->InsertItem(0, NewOwnItem(*item));
            own.BuildPropertyList();
            own.BuildEventList();
        }
    }
}

void ProjectLoader::MarkFormClasses()
{
    for (const auto& item : m_project.GetClasses()) {
        item->m_bIsForm = IsFormRootBase(item->m_strRootBase);
        if (item->m_bIsForm)
            m_steps.ApplyFormPropertyString(m_project, *item);
    }
}

} // namespace morva
