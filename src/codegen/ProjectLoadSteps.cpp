#include "codegen/ProjectLoadSteps.h"

#include "codegen/ResourceScriptEditor.h"
#include "codegen/ResourceText.h"
#include "codegen/RetrieveControls.h"
#include "model/CControlItem.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CProject.h"
#include "sourcemodel/MenuReader.h"

namespace morva {

ProjectLoadSteps::ProjectLoadSteps(const CodegenContext& context, ISourceText& sources, ProjectCounters& counters)
    : m_context(context), m_sources(sources), m_counters(counters)
{
}

ProjectLoadSteps::ResourceTexts ProjectLoadSteps::ReadTexts(const CProject& project) const
{
    const ResourceScriptEditor editor(m_context, m_sources, project);
    return {editor.LoadTextFile(editor.ResourceHeaderPath()), editor.LoadTextFile(editor.ResourceScriptPath())};
}

const ProjectLoadSteps::ResourceTexts& ProjectLoadSteps::TextsOf(const CProject& project)
{
    if (!m_texts)
        m_texts = ReadTexts(project);
    return *m_texts;
}

void ProjectLoadSteps::ApplyFormPropertyString(CProject& project, CClassItem& form)
{
    CControlItem* item = form.GetFormItem();
    if (!item || form.m_strFormPropStringSymbol.empty())
        return;
    item->m_strPropStringSymbol = form.m_strFormPropStringSymbol;
    const auto value = StringTableValue(TextsOf(project).script, form.m_strFormPropStringSymbol);
    if (!value)
        return;
    const ResourceScriptEditor pictures(m_context, m_sources, project);
    (void)item->ParsePropertyValueString(*value, PropertyStringContext{&pictures, nullptr});
}

void ProjectLoadSteps::RetrieveControls(CProject& project, CClassItem& form)
{
    const ResourceTexts& texts = TextsOf(project);
    const ResourceScriptEditor pictures(m_context, m_sources, project);
    RetrieveClassControls(form, RetrieveSources{texts.script, texts.header, PropertyStringContext{&pictures, nullptr},
                                                m_context.messages});
}

void ProjectLoadSteps::ReadMenus(CProject& project)
{
    // The menus are read afresh: the attach-menu command asks for them again later.
    m_texts = ReadTexts(project);
    morva::ReadMenus(project, m_texts->script, m_texts->header);
    // Menus are the last step of the forms' rebuilding that reads the texts; a later rebuild
    // (after new files were inserted) reads them again.
    m_texts.reset();
}

void ProjectLoadSteps::ReadCounters(CProject& project)
{
    m_texts = ReadTexts(project);
    const std::string& header = m_texts->header;
    // A resource.h without the counter lines keeps the counters as they were: identifier 0 or
    // picture number 0 would collide with what the script already uses.
    if (SymbolDefined(header, "_APS_NEXT_CONTROL_VALUE"))
        m_counters.nextControl = static_cast<int>(SymbolValue(header, "_APS_NEXT_CONTROL_VALUE"));
    if (SymbolDefined(header, "_APS_NEXT_RESOURCE_VALUE"))
        m_counters.nextResource = static_cast<int>(SymbolValue(header, "_APS_NEXT_RESOURCE_VALUE"));
    // The next loading reads the files again.
    m_texts.reset();
}

} // namespace morva
