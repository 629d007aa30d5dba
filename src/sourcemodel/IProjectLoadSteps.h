#pragma once

namespace morva {

class CClassItem;
class CControlItem;
class CProject;

// The steps of opening a project that belong to the layers above the source model: the
// resource script, the generated creation lines, the toolbox, the views and the DDE links.
// The project loader calls them in their place in the sequence.
class IProjectLoadSteps {
public:
    virtual ~IProjectLoadSteps() = default;

    // The project's ActiveX controls from its data file.
    virtual void LoadToolboxControls(CProject& project) = 0;
    // Reads the form's property value string from the resource script and applies it to the
    // form's own item.
    virtual void ApplyFormPropertyString(CProject& project, CClassItem& form) = 0;
    // Rebuilds the form's controls from its creation lines.
    virtual void RetrieveControls(CProject& project, CClassItem& form) = 0;
    // Drops toolbox entries whose wrapper class is gone and lays the toolbox out again.
    virtual void RemoveUnusedToolboxControls(CProject& project) = 0;
    virtual void ReadMenus(CProject& project) = 0;
    // The project window and the toolbox show the new model.
    virtual void RefreshViews(CProject& project) = 0;
    virtual void StartLink(CProject& project, CControlItem& item) = 0;
    // The control and resource counters from resource.h.
    virtual void ReadCounters(CProject& project) = 0;
    // Opens the designer of the start-up form of a project that was just generated.
    virtual void OpenStartupForm(CProject& project) = 0;
};

} // namespace morva
