#pragma once

#include "cli/CliCommand.h"

#include <string>
#include <vector>

namespace morva::cli {

// morva typelib: the dispatch model the designer builds from a type library, per coclass.
int RunTypeLib(const std::vector<std::string>& args, CliStreams& io);

} // namespace morva::cli
