#pragma once

#include "cli/CliCommand.h"

#include <string>
#include <vector>

namespace morva::cli {

// morva insert-activex: the Insert ActiveX Control dialog's OK for one installed control.
int RunInsertActiveX(const std::vector<std::string>& args, CliStreams& io);

} // namespace morva::cli
