#pragma once

#include <string>
#include <string_view>

namespace morva {

class CProject;

// Names a new form takes from the project it joins.

// The first of CForm1, CForm2, ... that names no class of the project (exact comparison).
std::string DefaultFormClassName(const CProject& project);
// "Form" + n for the smallest n >= 1 that no form of the project has as its caption.
std::string NewFormCaption(const CProject& project);
// Whether a class of the project derives directly from CXMdiForm: a project has one MDI form.
bool ProjectHasMdiForm(const CProject& project);
// "IDS_PROP_" + the class name without a leading "C", upper-cased: the symbol of the form's
// property value string.
std::string FormPropertySymbol(std::string_view className);
// The file name base that follows a class name as it is typed: without a leading "C",
// lower-cased.
std::string FormFileBase(std::string_view className);

} // namespace morva
