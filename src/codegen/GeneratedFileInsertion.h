#pragma once

#include "codegen/CodegenContext.h"

#include <functional>
#include <string>
#include <vector>

namespace morva {

class CClassParser;
class CProject;
class ISourceText;

// Puts files into the IDE's project, the way its "Insert Files into Project" command does;
// true once the IDE has inserted them.
using IdeFileInserter = std::function<bool(const std::vector<std::string>& paths)>;

// What the project side of an insertion works on. `refreshForms` rebuilds the forms' items and
// controls from the parsed classes (property strings, creation lines); it may be empty.
struct InsertedFilesUpdate {
    CProject& project;
    CClassParser& parser;
    ISourceText& sources;
    CodegenContext context;
    std::function<void()> refreshForms;
};

// After the New Form dialog's OK: when every pending file exists, has the IDE insert them and,
// once it has, finishes with FinishInsertedFiles. A missing file or a refused insertion leaves
// the pending list as it was. True when the files were inserted.
bool InsertPendingFiles(std::vector<std::string>& pendingInsert, const IdeFileInserter& insert,
                        const InsertedFilesUpdate& update);

// The project's side once the IDE has inserted the pending files: each joins the project's file
// list and is parsed, the classes' bases are resolved and the forms refreshed, the list is
// emptied, and stdafx.h is made to include "tfxForm.h".
void FinishInsertedFiles(std::vector<std::string>& pendingInsert, const InsertedFilesUpdate& update);

} // namespace morva
