#pragma once

#include "platform/registry/RegistryRoot.h"
#include "platform/registry/RegistryValue.h"

#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// One step of a registry file, as its readers hand it over. A file is read whole into a list
// of these before anything touches the tree, so a bad file changes nothing. Value steps act
// on the key of the latest OpenKey step.
struct RegistryEdit {
    enum class Kind : uint8_t { OpenKey, DeleteKey, SetValue, DeleteValue };

    Kind kind = Kind::OpenKey;
    RegistryRoot root = RegistryRoot::ClassesRoot;
    std::vector<std::string> path; // OpenKey, DeleteKey: key names below the root
    std::string name;              // SetValue, DeleteValue: "" is the default value
    RegistryValue value;           // SetValue
};

} // namespace platform
