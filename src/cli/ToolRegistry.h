#pragma once

#include "platform/base/Result.h"

#include <optional>
#include <string>

namespace platform {
class FileSystem;
class Registry;
} // namespace platform

namespace morva::cli {

// The registry file the studio and the tools share (host path): $XDG_CONFIG_HOME/morva/
// registry.reg, or ~/.config/morva/registry.reg without XDG_CONFIG_HOME. Empty when neither
// variable is set.
std::string StudioRegistryFile();

// Fills the registry from the file named with --registry (host path; it must exist and read
// cleanly) or, without one, from the studio's registry file when there is one: a machine
// without it simply has no installed controls.
platform::Status LoadToolRegistry(const std::optional<std::string>& registryFile, platform::Registry& registry,
                                  const platform::FileSystem& fs);

} // namespace morva::cli
