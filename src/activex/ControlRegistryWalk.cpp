#include "activex/ControlRegistryWalk.h"

#include "platform/registry/Registry.h"

namespace morva {

namespace {

// The buffer sizes the system's registry calls are given: a key name of up to 260
// characters, a value of up to 519.
constexpr size_t kKeyNameBuffer = 261;
constexpr size_t kValueBuffer = 520;

} // namespace

ControlWalkEnd WalkRegisteredControls(const platform::Registry& registry,
                                      const std::function<bool(const QualifyingClass&)>& visit)
{
    auto classes = registry.openKey(registry.root(platform::RegistryRoot::ClassesRoot), "CLSID");
    if (!classes)
        return ControlWalkEnd::NoClassKey;
    for (uint32_t index = 0;; ++index) {
        auto name = registry.enumKey(*classes, index, kKeyNameBuffer);
        if (!name)
            return index == 0 ? ControlWalkEnd::NothingEnumerated : ControlWalkEnd::Exhausted;
        auto key = registry.openKey(*classes, *name);
        if (!key || !registry.openKey(*key, "Control"))
            continue;
        auto server = registry.queryDefault(*key, "InprocServer32", kValueBuffer);
        if (!server)
            continue;
        if (!visit(QualifyingClass{*key, *name, *server}))
            return ControlWalkEnd::Stopped;
    }
}

std::string ReadSubkeyDefault(const platform::Registry& registry, const platform::RegistryKey& key,
                              const std::string& subkey)
{
    auto value = registry.queryDefault(key, subkey, kValueBuffer);
    return value ? *value : std::string();
}

} // namespace morva
