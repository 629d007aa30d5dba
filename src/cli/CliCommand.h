#pragma once

#include <iosfwd>
#include <string>
#include <vector>

namespace morva::cli {

// Where a command writes: its results to `out`, its messages and errors to `err`.
struct CliStreams {
    std::ostream& out;
    std::ostream& err;
};

// One command of the morva tool.
struct CliCommand {
    const char* name;
    const char* summary; // one line for the overview
    const char* usage;   // the whole help text of the command
    int (*run)(const std::vector<std::string>& args, CliStreams& io);
};

// Exit statuses of the tool.
constexpr int kExitOk = 0;
constexpr int kExitFailure = 1; // the operation was refused or failed
constexpr int kExitUsage = 2;   // the command line was wrong

const std::vector<CliCommand>& CommandTable();
const CliCommand* FindCommand(const std::string& name);

// Runs the tool on its arguments (without the program name); returns the exit status.
int RunMorva(std::vector<std::string> args, CliStreams& io);

} // namespace morva::cli
