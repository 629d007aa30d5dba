#pragma once

#include "cli/CliCommand.h"

#include <string>
#include <vector>

namespace morva::cli {

// morva controls: the installed controls as the Insert ActiveX Control dialog lists them.
int RunControls(const std::vector<std::string>& args, CliStreams& io);

} // namespace morva::cli
