#include "activex/ActiveXProjectLoadSteps.h"

#include "activex/COCXInfo.h"
#include "model/CControlItem.h"
#include "platform/base/MessageService.h"
#include "sourcemodel/CClassItem.h"
#include "sourcemodel/CProject.h"

#include <cctype>
#include <set>

namespace morva {

namespace {

constexpr std::string_view kWrapperBaseClass = "CXActiveXCtrl";

std::string Upper(std::string_view text)
{
    std::string upper(text);
    for (char& c : upper)
        c = char(std::toupper(static_cast<unsigned char>(c)));
    return upper;
}

} // namespace

ActiveXProjectLoadSteps::ActiveXProjectLoadSteps(const CodegenContext& context, ISourceText& sources,
                                                 ProjectCounters& counters, COCXInfo& toolbox)
    : ProjectLoadSteps(context, sources, counters), m_toolbox(toolbox)
{
}

void ActiveXProjectLoadSteps::LoadToolboxControls(CProject& project)
{
    // Entries of a project opened before are not this project's controls.
    m_toolbox.RemoveAll();
    m_toolbox.SetProjectFile(project.GetProjectPath());
    m_bToolboxFileUnreadable = false;
    if (project.GetProjectPath().empty() || m_toolbox.LoadFromProjectFile())
        return;
    m_bToolboxFileUnreadable = true;
    const std::string dataFile = COCXInfo::DataFilePath(project.GetProjectPath());
    m_toolbox.Services().messages.show("The project's control list " + dataFile +
                                       " cannot be read; the toolbox starts without its ActiveX controls");
}

void ActiveXProjectLoadSteps::RemoveUnusedToolboxControls(CProject& project)
{
    // An entry stays while a wrapper class names its ProgID (the same control added twice keeps
    // both entries) or the parser linked a class to it.
    std::set<std::string> wrappedProgIds;
    std::set<const IActiveXControlEntry*> linked;
    for (const auto& item : project.GetClasses()) {
        if (item->m_strBaseClass != kWrapperBaseClass)
            continue;
        if (!item->m_strProgId.empty())
            wrappedProgIds.insert(Upper(item->m_strProgId));
        if (item->m_pControlEntry)
            linked.insert(item->m_pControlEntry);
    }
    std::set<const IActiveXControlEntry*> removed;
    for (const auto& entry : m_toolbox.Entries())
        if (!linked.contains(entry.get()) && !wrappedProgIds.contains(Upper(entry->m_strProgId)))
            removed.insert(entry.get());
    if (removed.empty())
        return;
    // Nothing may keep the address of a deleted entry: a class that stopped being a wrapper, or
    // a control placed from a wrapper class that is gone, loses its link.
    for (const auto& item : project.GetClasses()) {
        if (removed.contains(item->m_pControlEntry))
            item->m_pControlEntry = nullptr;
        for (const auto& control : item->GetItems())
            if (removed.contains(control->m_pControlEntry))
                control->m_pControlEntry = nullptr;
    }
    m_toolbox.RemoveIf([&](const CToolControlEntry& entry) { return removed.contains(&entry); });
}

} // namespace morva
