#pragma once

#include "platform/registry/RegistryKey.h"

#include <functional>
#include <string>

namespace platform {
class Registry;
}

namespace morva {

// A class under HKEY_CLASSES_ROOT\CLSID that qualifies as an in-process control.
struct QualifyingClass {
    platform::RegistryKey key;
    std::string clsid;      // the subkey's name
    std::string serverPath; // InprocServer32's default value
};

// How a walk over the registered classes ended.
enum class ControlWalkEnd {
    NoClassKey,        // CLSID could not be opened
    NothingEnumerated, // the first enumeration step failed
    Exhausted,         // every class was offered
    Stopped,           // the visitor asked to stop
};

// Offers every qualifying class in enumeration order: it can be opened, has a Control
// subkey and an InprocServer32 default value. The visitor returns false to stop.
ControlWalkEnd WalkRegisteredControls(const platform::Registry& registry,
                                      const std::function<bool(const QualifyingClass&)>& visit);

// The default value of a subkey of a class key; empty when it cannot be read.
std::string ReadSubkeyDefault(const platform::Registry& registry, const platform::RegistryKey& key,
                              const std::string& subkey);

} // namespace morva
