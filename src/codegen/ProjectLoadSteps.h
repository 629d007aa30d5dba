#pragma once

#include "codegen/CodegenContext.h"
#include "codegen/ProjectCounters.h"
#include "sourcemodel/IProjectLoadSteps.h"

#include <optional>
#include <string>

namespace morva {

class ISourceText;

// The steps of opening a project that read the project's own files: form property strings from
// the resource script, controls from the creation lines, menus, and the counters of resource.h.
// The toolbox, the views, the DDE links and the start-up form belong to the add-in, which
// derives from this class; here they have nothing to do.
class ProjectLoadSteps : public IProjectLoadSteps {
public:
    ProjectLoadSteps(const CodegenContext& context, ISourceText& sources, ProjectCounters& counters);

    void LoadToolboxControls(CProject&) override {}
    void ApplyFormPropertyString(CProject& project, CClassItem& form) override;
    void RetrieveControls(CProject& project, CClassItem& form) override;
    void RemoveUnusedToolboxControls(CProject&) override {}
    void ReadMenus(CProject& project) override;
    void RefreshViews(CProject&) override {}
    void StartLink(CProject&, CControlItem&) override {}
    void ReadCounters(CProject& project) override;
    void OpenStartupForm(CProject&) override {}

protected:
    const CodegenContext& Context() const { return m_context; }
    ISourceText& Sources() { return m_sources; }

private:
    // resource.h and the script as read once for the forms of one loading.
    struct ResourceTexts {
        std::string header;
        std::string script;
    };
    const ResourceTexts& TextsOf(const CProject& project);
    ResourceTexts ReadTexts(const CProject& project) const;

    CodegenContext m_context;
    ISourceText& m_sources;
    ProjectCounters& m_counters;
    std::optional<ResourceTexts> m_texts;
};

} // namespace morva
