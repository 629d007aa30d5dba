#pragma once

#include "cli/CliCommand.h"

namespace morva::cli {

// morva new-form PROJECT.dsp [--class C] [--header H] [--impl I] [--mdi]
int RunNewForm(const std::vector<std::string>& args, CliStreams& io);

} // namespace morva::cli
