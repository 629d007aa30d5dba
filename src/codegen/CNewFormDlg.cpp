#include "codegen/CNewFormDlg.h"

#include "codegen/NewFormNames.h"
#include "codegen/NewProjectSettings.h"
#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CProject.h"

#include <utility>

namespace morva {

CNewFormDlg::CNewFormDlg(const CodegenContext& context, const NewFormTarget& target)
    : m_context(context), m_target(target), m_strClassName(DefaultFormClassName(target.project))
{
    // The opening name always starts with its "C", which the file names drop.
    const std::string base = LowerCaseAscii(m_strClassName.substr(1));
    m_strImplFile = base + ".cpp";
    m_strHeaderFile = base + ".h";
    m_bMdiEnabled = !ProjectHasMdiForm(target.project);
    UpdateOkButton();
}

std::string* CNewFormDlg::FieldOf(int id)
{
    switch (id) {
    case IDC_IMPL_FILE: return &m_strImplFile;
    case IDC_HEADER_FILE: return &m_strHeaderFile;
    case IDC_CLASS_NAME: return &m_strClassName;
    default: return nullptr;
    }
}

const std::string& CNewFormDlg::FieldText(int id) const
{
    static const std::string none;
    switch (id) {
    case IDC_IMPL_FILE: return m_strImplFile;
    case IDC_HEADER_FILE: return m_strHeaderFile;
    case IDC_CLASS_NAME: return m_strClassName;
    default: return none;
    }
}

void CNewFormDlg::SetFieldText(int id, std::string text)
{
    std::string* field = FieldOf(id);
    if (!field || m_state != State::Open)
        return;
    *field = std::move(text);
    if (id == IDC_CLASS_NAME)
        OnChangeClassName();
    else
        OnChangeFileName();
}

bool CNewFormDlg::IsChecked(int id) const
{
    return id == IDC_MDI_FORM && m_bMdiForm;
}

void CNewFormDlg::SetChecked(int id, bool checked)
{
    if (id == IDC_MDI_FORM && m_bMdiEnabled && m_state == State::Open)
        m_bMdiForm = checked;
}

bool CNewFormDlg::IsEnabled(int id) const
{
    switch (id) {
    case IDC_OK: return m_bOkEnabled;
    case IDC_MDI_FORM: return m_bMdiEnabled;
    default: return true;
    }
}

void CNewFormDlg::OnChangeClassName()
{
    const std::string base = FormFileBase(m_strClassName);
    m_strImplFile = base.empty() ? std::string() : base + ".cpp";
    m_strHeaderFile = base.empty() ? std::string() : base + ".h";
    UpdateOkButton();
}

void CNewFormDlg::OnChangeFileName()
{
    UpdateOkButton();
}

void CNewFormDlg::UpdateOkButton()
{
    m_bOkEnabled = !m_strClassName.empty() && !m_strImplFile.empty() && !m_strHeaderFile.empty();
}

void CNewFormDlg::OnOK()
{
    if (!m_bOkEnabled || m_state != State::Open)
        return;
    const std::string folder = m_target.project.GetProjectFolder();
    if (!m_context.fs.isDirectory(folder)) {
        m_context.messages.show("Directory " + folder + " does not exist");
        return;
    }
    NewFormSettings settings;
    settings.folder = folder;
    settings.className = m_strClassName;
    settings.headerFile = m_strHeaderFile;
    settings.implFile = m_strImplFile;
    settings.mdi = m_bMdiForm;
    if (GenerateForm(settings, m_context, m_target))
        m_state = State::ClosedOk;
}

void CNewFormDlg::OnCancel()
{
    if (m_state == State::Open)
        m_state = State::Cancelled;
}

} // namespace morva
