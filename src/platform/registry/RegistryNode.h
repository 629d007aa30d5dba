#pragma once

#include "platform/registry/FoldedMap.h"
#include "platform/registry/RegistryValue.h"

#include <cstddef>
#include <memory>

namespace platform {

// One key of the tree. Its name belongs to the parent's entry, so one node can appear under
// two names (the classes root is also HKEY_LOCAL_MACHINE\Software\Classes). Open key objects
// share the node, so a deleted key stays valid memory and is only marked deleted.
struct RegistryNode {
    FoldedMap<std::shared_ptr<RegistryNode>> subkeys;
    FoldedMap<RegistryValue> values; // the default value has the empty name
    size_t depth = 0; // keys between this one and its root, which bounds every walk
    bool deleted = false;
    bool permanent = false; // roots and the link to the classes root: never deleted
};

} // namespace platform
