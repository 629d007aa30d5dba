#pragma once

#include "codegen/CodegenContext.h"

#include <string>
#include <vector>

namespace morva {

class CProject;
class ISourceText;

// What the New Form dialog hands the generator.
struct NewFormSettings {
    std::string folder;     // the project folder, without a trailing backslash
    std::string className;  // CForm2
    std::string headerFile; // form2.h, in the folder
    std::string implFile;   // form2.cpp, in the folder
    bool mdi = false;       // derive from CXMdiForm instead of CXForm
};

// What the generator works on beside the files: the open project (its class list, its resource
// header and script), the editor through which open documents are edited, the control counter
// (the new form's identifier number, handed back advanced by one after a successful generation)
// and the pending-insert list (each form file written is appended).
struct NewFormTarget {
    CProject& project;
    ISourceText& sources;
    int& controlCounter;
    std::vector<std::string>& pendingInsert;
};

// Adds a form to the project: the header and source from the form templates, the #define of
// its property-string symbol in resource.h (numbered one above the script's highest string
// identifier), its property value string in the script's last string table and the advanced
// "_APS_NEXT_CONTROL_VALUE". An existing form file is refused with a message before anything
// is written. Everything that can refuse the resource edits (files missing or read-only, no
// string table, no counter line) is checked before the form files are written, so a refused
// generation leaves every file as it was. resource.h and the script reach the IDE's editor when
// they are open there, the disk otherwise.
bool GenerateForm(const NewFormSettings& settings, const CodegenContext& context, const NewFormTarget& target);

} // namespace morva
