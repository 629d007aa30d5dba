#pragma once

#include "codegen/ProjectLoadSteps.h"

namespace morva {

class COCXInfo;

// The steps of opening a project with the project's ActiveX controls: the toolbox list is read
// from the project's data file before the sources are parsed (the parser links each wrapper
// class to its entry), and once the classes are known the entries whose wrapper class is gone
// are dropped.
class ActiveXProjectLoadSteps : public ProjectLoadSteps {
public:
    ActiveXProjectLoadSteps(const CodegenContext& context, ISourceText& sources, ProjectCounters& counters,
                            COCXInfo& toolbox);

    // Starts the list afresh from the data file. A damaged or unreadable file is reported and
    // leaves the toolbox empty; the file itself is left as it is.
    void LoadToolboxControls(CProject& project) override;
    // The data file is not rewritten: it keeps the removed entries until the list is next saved.
    void RemoveUnusedToolboxControls(CProject& project) override;

    // Whether the last reading of the data file failed, so that nothing should save the list
    // over the file.
    bool ToolboxFileUnreadable() const { return m_bToolboxFileUnreadable; }

private:
    COCXInfo& m_toolbox;
    bool m_bToolboxFileUnreadable = false;
};

} // namespace morva
