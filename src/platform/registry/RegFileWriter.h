#pragma once

#include "platform/registry/RegistryNode.h"

#include <string>

namespace platform {

// Writes the trees as REGEDIT4 text with CR LF line ends, the same bytes for the same tree:
// roots in the order classes root, current user, local machine; keys depth first in their
// enumeration order; values in theirs (the default first). Every key gets a [key] line, except
// the registry's own keys (roots, HKEY_LOCAL_MACHINE\Software) when they hold no values; the
// classes root is written once, under its own name. A string value that a quoted string cannot
// carry (no terminating NUL, a NUL inside, a line break) is written as hex(1): bytes instead.
class RegFileWriter {
public:
    static std::string write(const RegistryNode& classesRoot, const RegistryNode& currentUser,
                             const RegistryNode& localMachine);
};

} // namespace platform
