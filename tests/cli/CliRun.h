#pragma once

#include "cli/CliCommand.h"

#include <sstream>
#include <string>
#include <vector>

namespace morva::cli {

// What one run of the tool gave: its exit status and what it wrote to each stream.
struct CliRun {
    int status;
    std::string out;
    std::string err;
};

// Runs the tool in-process on the arguments (without the program name).
inline CliRun Morva(std::vector<std::string> args)
{
    std::ostringstream out, err;
    CliStreams io{out, err};
    const int status = RunMorva(std::move(args), io);
    return {status, out.str(), err.str()};
}

} // namespace morva::cli
