#pragma once

#include "cli/CliCommand.h"

namespace morva::cli {

// The designer's control operations on a project's files, one command each.
int RunAddControl(const std::vector<std::string>& args, CliStreams& io);
int RunDeleteControl(const std::vector<std::string>& args, CliStreams& io);
int RunRename(const std::vector<std::string>& args, CliStreams& io);
int RunSetProperty(const std::vector<std::string>& args, CliStreams& io);

} // namespace morva::cli
