#pragma once

#include "cli/CliCommand.h"

#include <string>
#include <vector>

namespace morva::cli {

// morva new-project: fills the New Project dialog from the arguments and presses OK.
int RunNewProject(const std::vector<std::string>& args, CliStreams& io);

} // namespace morva::cli
