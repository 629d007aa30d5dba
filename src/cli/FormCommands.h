#pragma once

#include "cli/CliCommand.h"

namespace morva::cli {

// The code bar's event handlers and the form's attached menu.
int RunAddHandler(const std::vector<std::string>& args, CliStreams& io);
int RunAttachMenu(const std::vector<std::string>& args, CliStreams& io);

} // namespace morva::cli
