// The entry points through which a host loads the add-in as an in-process server.

#include <cstdint>

#define MORVA_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

constexpr int32_t kSOk = 0;

} // namespace

// The host may unload the library when no object of it is alive. The add-in hands out no
// objects yet, so it can always be unloaded.
MORVA_EXPORT int32_t DllCanUnloadNow()
{
    return kSOk;
}
