#include "codegen/CodeEdit.h"

#include "codegen/ResourceScriptEditor.h"
#include "codegen/RetrieveControls.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CProject.h"

namespace morva {

CodeEdit::CodeEdit(const CodeWriterServices& services)
    : m_services(services),
      m_session(services.context, services.sources, services.parser),
      m_lines(m_session, services.project, services.context.messages)
{
    m_session.SetReparseHook([this](const std::string& path) { RebuildControls(path); });
}

CodeEdit::~CodeEdit()
{
    if (!m_session.IsFinished())
        m_session.Discard();
}

void CodeEdit::RebuildControls(const std::string& path)
{
    const std::string* script = m_session.Load(m_services.project.GetResourceScriptPath());
    const std::string* header = m_session.Load(m_services.project.GetResourceHeaderPath());
    // Pictures decode to their files as when the project is loaded; their lines never change here.
    const ResourceScriptEditor pictures(m_services.context, m_services.sources, m_services.project);
    const RetrieveSources sources{script ? std::string_view(*script) : std::string_view(),
                                  header ? std::string_view(*header) : std::string_view(),
                                  PropertyStringContext{&pictures, nullptr}, m_services.context.messages};
    for (const auto& item : m_services.project.GetClasses()) {
        const CFunctionItem* create = item->FindFunction("CreateTFXControls");
        if (item->m_strHeaderFile == path || (create && create->m_strFile == path))
            RetrieveClassControls(*item, sources);
    }
}

} // namespace morva
