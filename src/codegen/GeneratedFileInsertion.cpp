#include "codegen/GeneratedFileInsertion.h"

#include "codegen/StdAfxInclude.h"
#include "platform/base/FileSystem.h"
#include "sourcemodel/CClassParser.h"
#include "sourcemodel/CProject.h"

#include <algorithm>

namespace morva {

bool InsertPendingFiles(std::vector<std::string>& pendingInsert, const IdeFileInserter& insert,
                        const InsertedFilesUpdate& update)
{
    if (pendingInsert.empty() || !insert)
        return false;
    const bool allThere = std::all_of(pendingInsert.begin(), pendingInsert.end(),
                                      [&](const std::string& path) { return update.context.fs.exists(path); });
    if (!allThere || !insert(pendingInsert))
        return false;
    FinishInsertedFiles(pendingInsert, update);
    return true;
}

void FinishInsertedFiles(std::vector<std::string>& pendingInsert, const InsertedFilesUpdate& update)
{
    for (const std::string& path : pendingInsert) {
        if (!update.project.ContainsFile(path))
            update.project.AddFile(path);
        update.parser.ParseFile(path);
    }
    update.parser.ResolveBaseClasses();
    if (update.refreshForms)
        update.refreshForms();
    pendingInsert.clear();
    EnsureStdAfxInclude("tfxForm.h", update.project, update.parser, update.sources, update.context);
}

} // namespace morva
