#pragma once

#include "cli/CliCommand.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace morva::cli {

// The arguments of a project command: one positional project file, options with a value, and
// flags. Unknown or incomplete arguments give a usage message on the error stream.
class CliOptions {
public:
    CliOptions(std::string command, std::set<std::string> valueOptions, std::set<std::string> flags);

    // False after a usage message.
    bool Parse(const std::vector<std::string>& args, CliStreams& io);
    // False after a usage message naming the first missing option.
    bool Require(const std::vector<std::string>& options, CliStreams& io) const;

    const std::string& Project() const { return m_project; }
    std::optional<std::string> Value(const std::string& option) const;
    bool Has(const std::string& option) const { return m_values.contains(option) || m_setFlags.contains(option); }
    void Usage(CliStreams& io, const std::string& message) const;

private:
    std::string m_command;
    std::set<std::string> m_valueOptions;
    std::set<std::string> m_flags;
    std::string m_project;
    std::map<std::string, std::string> m_values;
    std::set<std::string> m_setFlags;
};

} // namespace morva::cli
