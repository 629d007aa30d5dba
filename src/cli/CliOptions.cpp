#include "cli/CliOptions.h"

#include <ostream>

namespace morva::cli {

CliOptions::CliOptions(std::string command, std::set<std::string> valueOptions, std::set<std::string> flags)
    : m_command(std::move(command)), m_valueOptions(std::move(valueOptions)), m_flags(std::move(flags))
{
}

void CliOptions::Usage(CliStreams& io, const std::string& message) const
{
    io.err << "morva " << m_command << ": " << message << " (see 'morva " << m_command << " --help')\n";
}

bool CliOptions::Parse(const std::vector<std::string>& args, CliStreams& io)
{
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (m_valueOptions.contains(arg)) {
            if (i + 1 >= args.size()) {
                Usage(io, arg + " needs a value");
                return false;
            }
            m_values[arg] = args[++i];
        } else if (m_flags.contains(arg)) {
            m_setFlags.insert(arg);
        } else if (arg.starts_with("-") || !m_project.empty()) {
            Usage(io, "unknown argument '" + arg + "'");
            return false;
        } else {
            m_project = arg;
        }
    }
    if (m_project.empty()) {
        Usage(io, "the project file is required");
        return false;
    }
    return true;
}

bool CliOptions::Require(const std::vector<std::string>& options, CliStreams& io) const
{
    for (const std::string& option : options) {
        if (!m_values.contains(option)) {
            Usage(io, option + " is required");
            return false;
        }
    }
    return true;
}

std::optional<std::string> CliOptions::Value(const std::string& option) const
{
    const auto found = m_values.find(option);
    return found == m_values.end() ? std::nullopt : std::optional<std::string>(found->second);
}

} // namespace morva::cli
