#include "codegen/CNewProjectDlg.h"

#include "codegen/BrowseForFolder.h"
#include "codegen/GenerateProject.h"
#include "codegen/NewProjectSettings.h"
#include "codegen/TemplateIds.h"
#include "codegen/TemplateTable.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"

#include <utility>

namespace morva {

CNewProjectDlg::CNewProjectDlg(const CodegenContext& context, IFolderPicker& picker, std::string ideVersion)
    : m_context(context),
      m_picker(picker),
      m_ideVersion(std::move(ideVersion)),
      m_strLocation(WithTrailingBackslash(context.fs.currentDirectory())),
      m_strImplFile("form1.cpp"),
      m_strHeaderFile("form1.h"),
      m_strClassName("CForm1")
{
}

template <typename Dialog>
auto* CNewProjectDlg::FieldOf(Dialog& dialog, int id)
{
    using Text = decltype(&dialog.m_strLocation);
    switch (id) {
    case IDC_LOCATION: return &dialog.m_strLocation;
    case IDC_PROJECT_NAME: return &dialog.m_strProjectName;
    case IDC_IMPL_FILE: return &dialog.m_strImplFile;
    case IDC_HEADER_FILE: return &dialog.m_strHeaderFile;
    case IDC_CLASS_NAME: return &dialog.m_strClassName;
    default: return Text{nullptr};
    }
}

const std::string& CNewProjectDlg::FieldText(int id) const
{
    static const std::string none;
    const std::string* field = FieldOf(*this, id);
    return field ? *field : none;
}

void CNewProjectDlg::SetFieldText(int id, std::string text)
{
    std::string* field = FieldOf(*this, id);
    if (!field || m_state != State::Open)
        return;
    *field = std::move(text);
    switch (id) {
    case IDC_PROJECT_NAME: OnChangeProjectName(); break;
    case IDC_CLASS_NAME: OnChangeClassName(); break;
    case IDC_LOCATION: OnChangeLocation(); break;
    default: OnChangeFileName(); break;
    }
}

bool CNewProjectDlg::IsChecked(int id) const
{
    switch (id) {
    case IDC_MDI_FORM: return m_bMdiForm;
    case IDC_CREATE_WORKSPACE: return true; // a new project always gets a new workspace
    default: return false;
    }
}

void CNewProjectDlg::SetChecked(int id, bool checked)
{
    if (id == IDC_MDI_FORM && m_state == State::Open)
        m_bMdiForm = checked;
}

bool CNewProjectDlg::IsEnabled(int id) const
{
    switch (id) {
    case IDC_OK: return m_bOkEnabled;
    case IDC_ADD_TO_WORKSPACE: return false;
    default: return true;
    }
}

void CNewProjectDlg::OnChangeProjectName()
{
    // The last component of the location follows the name as it is typed.
    const size_t lastBackslash = m_strLocation.rfind('\\');
    const std::string folder = lastBackslash == std::string::npos ? std::string() : m_strLocation.substr(0, lastBackslash);
    m_strLocation = folder + "\\" + m_strProjectName;
    UpdateOkButton();
}

void CNewProjectDlg::OnChangeLocation()
{
    UpdateOkButton();
}

void CNewProjectDlg::OnChangeClassName()
{
    std::string base = m_strClassName;
    if (!base.empty() && base[0] == 'C')
        base.erase(0, 1);
    base = LowerCaseAscii(std::move(base));
    m_strImplFile = base.empty() ? std::string() : base + ".cpp";
    m_strHeaderFile = base.empty() ? std::string() : base + ".h";
    UpdateOkButton();
}

void CNewProjectDlg::OnChangeFileName()
{
    UpdateOkButton();
}

void CNewProjectDlg::OnBrowse()
{
    if (m_state != State::Open)
        return;
    // The chosen folder ends in a backslash, so the name follows it directly.
    m_strLocation = BrowseForFolder(std::string(), m_context.fs, m_picker) + m_strProjectName;
    UpdateOkButton();
}

void CNewProjectDlg::UpdateOkButton()
{
    m_bOkEnabled = !m_strProjectName.empty() && !m_strLocation.empty() && !m_strClassName.empty() &&
                   !m_strHeaderFile.empty() && !m_strImplFile.empty();
}

void CNewProjectDlg::OnOK()
{
    if (!m_bOkEnabled || m_state != State::Open)
        return;
    if (m_context.fs.exists(m_strLocation)) {
        m_context.messages.show(std::string(TemplateText(tpl::kMsgWorkspaceExists)));
        return;
    }
    NewProjectSettings settings;
    settings.location = m_strLocation;
    settings.projectName = m_strProjectName;
    settings.className = m_strClassName;
    settings.headerFile = m_strHeaderFile;
    settings.implFile = m_strImplFile;
    settings.mdi = m_bMdiForm;
    settings.ideVersion = m_ideVersion;

    Outcome outcome;
    if (!GenerateProject(settings, m_context, &outcome.writtenFiles)) {
        m_context.messages.show(std::string(TemplateText(tpl::kMsgProjectNotGenerated)));
        return;
    }
    outcome.workspacePath = settings.pathInProject(m_strProjectName + ".dsw");
    outcome.startupFormClass = m_strClassName;
    m_outcome = std::move(outcome);
    m_state = State::ClosedOk;
}

void CNewProjectDlg::OnCancel()
{
    if (m_state == State::Open)
        m_state = State::Cancelled;
}

} // namespace morva
