#include "cli/ToolRegistry.h"

#include "platform/base/FileSystem.h"
#include "platform/registry/Registry.h"

#include <cstdlib>

namespace morva::cli {

std::string StudioRegistryFile()
{
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && *config)
        return std::string(config) + "/morva/registry.reg";
    if (const char* home = std::getenv("HOME"); home && *home)
        return std::string(home) + "/.config/morva/registry.reg";
    return {};
}

platform::Status LoadToolRegistry(const std::optional<std::string>& registryFile, platform::Registry& registry,
                                  const platform::FileSystem& fs)
{
    if (registryFile)
        return registry.loadRegFile(fs, fs.toWindowsPath(*registryFile));
    const std::string shared = StudioRegistryFile();
    if (shared.empty() || !fs.exists(fs.toWindowsPath(shared)))
        return platform::Status::ok();
    return registry.loadRegFile(fs, fs.toWindowsPath(shared));
}

} // namespace morva::cli
