#pragma once

#include "cli/CliCommand.h"

namespace morva::cli {

// `morva catalogue TYPE`: the type's properties with defaults, its events and methods.
int RunCatalogue(const std::vector<std::string>& args, CliStreams& io);
// `morva propstring TYPE`: the property value string of a new item of the type.
int RunPropString(const std::vector<std::string>& args, CliStreams& io);

} // namespace morva::cli
