#pragma once

#include "codegen/CodegenContext.h"
#include "codegen/NewProjectSettings.h"

#include <string>
#include <vector>

namespace morva {

// Creates the project folder and writes the eleven files of a new project into it: the
// application class, the start-up form, the resource script, resource.h, res\P.rc2, stdafx.h,
// stdafx.cpp, the project file and the workspace file. Stops with false at the first write
// that fails (its message already shown); the files written before it stay. The path of each
// file written is appended to `writtenFiles` when given.
//
// Names that would make two of the files the same file, or put one outside the project
// folder, are refused with a message before anything is created.
bool GenerateProject(const NewProjectSettings& settings, const CodegenContext& context,
                     std::vector<std::string>* writtenFiles = nullptr);

} // namespace morva
