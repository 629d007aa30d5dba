#include "cli/CliCommand.h"

#include <algorithm>
#include <ostream>

namespace morva::cli {

namespace {

void PrintOverview(std::ostream& out)
{
    out << "usage: morva COMMAND [ARGUMENTS]\n"
           "\n"
           "Works on the forms and projects of the designer from the command line, with the same\n"
           "code as the designer in the IDE.\n"
           "\n"
           "Commands:\n";
    for (const CliCommand& command : CommandTable()) {
        std::string name = command.name;
        // A name as long as the column still keeps a blank before its summary.
        name.resize(std::max<size_t>(14, name.size() + 1), ' ');
        out << "  " << name << command.summary << "\n";
    }
    out << "\nRun 'morva COMMAND --help' for the arguments of a command.\n";
}

bool IsHelp(const std::string& arg)
{
    return arg == "--help" || arg == "-h";
}

} // namespace

int RunMorva(std::vector<std::string> args, CliStreams& io)
{
    if (args.empty()) {
        PrintOverview(io.err);
        return kExitUsage;
    }
    if (IsHelp(args[0]) || args[0] == "help") {
        if (args.size() > 1) {
            if (const CliCommand* command = FindCommand(args[1])) {
                io.out << command->usage;
                return kExitOk;
            }
        }
        PrintOverview(io.out);
        return kExitOk;
    }
    const CliCommand* command = FindCommand(args[0]);
    if (!command) {
        io.err << "morva: unknown command '" << args[0] << "'\n\n";
        PrintOverview(io.err);
        return kExitUsage;
    }
    args.erase(args.begin());
    for (const std::string& arg : args) {
        if (IsHelp(arg)) {
            io.out << command->usage;
            return kExitOk;
        }
    }
    return command->run(args, io);
}

} // namespace morva::cli
