#pragma once

#include "codegen/CodegenContext.h"

#include <string_view>

namespace morva {

class CClassParser;
class CProject;
class ISourceText;

// Makes the project's stdafx.h include a runtime header ("tfxForm.h", "tfxControls.h"): the
// first project file whose path contains STDAFX.H (ignoring case) gets "#include <header>"
// just before its "//{{AFX_INSERT_LOCATION}}" marker, through the editor when the file is open
// there, and is parsed again. Nothing happens when there is no such file, when it already
// includes the header (exactly "#include " + the name in quotes or angle brackets; the name's
// case counts), when it is read-only or when the marker is missing. True when the line was
// added.
bool EnsureStdAfxInclude(std::string_view header, CProject& project, CClassParser& parser, ISourceText& sources,
                         const CodegenContext& context);

} // namespace morva
