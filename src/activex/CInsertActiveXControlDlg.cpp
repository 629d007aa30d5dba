#include "activex/CInsertActiveXControlDlg.h"

#include "platform/base/FileSystem.h"
#include "platform/base/MessageService.h"

namespace morva {

CInsertActiveXControlDlg::CInsertActiveXControlDlg(COCXInfo& projectControls, std::string projectFile,
                                                   CActiveXWrapperGenerator& generator,
                                                   std::function<void(const std::vector<std::string>&)> insertFiles)
    : m_projectControls(projectControls), m_projectFile(std::move(projectFile)), m_generator(generator),
      m_insertFiles(std::move(insertFiles)), m_installed(projectControls.Services())
{
}

void CInsertActiveXControlDlg::OnInitDialog()
{
    m_installed.RemoveAll();
    m_rows.clear();
    (void)m_installed.EnumerateInstalledControls();
    for (const auto& entry : m_installed.Entries())
        m_rows.push_back(entry->m_strName);
}

CToolControlEntry* CInsertActiveXControlDlg::OnOK()
{
    m_state = State::ClosedOk;
    const ActiveXServices& services = m_projectControls.Services();
    const size_t slash = m_projectFile.rfind('\\');
    const std::string directory = slash == std::string::npos ? std::string() : m_projectFile.substr(0, slash);
    if (!services.fs.attributes(directory)) {
        services.messages.show("Directory " + directory + " does not exist");
        return nullptr;
    }
    const CToolControlEntry* chosen = m_selection >= 0 ? m_installed.GetAt(size_t(m_selection)) : nullptr;
    if (!chosen)
        return nullptr;
    CToolControlEntry* added = m_projectControls.AddControl(chosen->m_strName, chosen->m_strServerPath);
    if (added && m_generator.GenerateActiveXWrapper(*added, directory) && m_insertFiles)
        m_insertFiles(m_generator.WrittenFiles());
    return added;
}

} // namespace morva
