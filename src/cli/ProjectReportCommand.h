#pragma once

#include "cli/CliCommand.h"

namespace morva::cli {

// morva inspect PROJECT.dsp [--json]
int RunInspect(const std::vector<std::string>& args, CliStreams& io);

} // namespace morva::cli
