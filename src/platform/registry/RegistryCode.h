#pragma once

#include <cstdint>

namespace platform {

// The result numbers of registry operations. They are the system's own numbers, so callers
// written against the system's registry calls test them the same way: zero is success, any
// other value a failure. A failed Result<T> or Status of the registry carries one in code().
enum class RegistryCode : int32_t {
    Success = 0,
    FileNotFound = 2,      // no such key or value
    AccessDenied = 5,      // the key is one the registry itself keeps (a root, a link)
    InvalidHandle = 6,     // the key object is closed
    InvalidData = 13,      // a value is not of the type the call reads
    InvalidParameter = 87, // a malformed path or name
    MoreData = 234,        // the caller's buffer is too small for the name or the data
    NoMoreItems = 259,     // enumeration index past the last item
    KeyDeleted = 1018,     // the key was deleted after it was opened
};

// The registry code of a registry result (Success when it succeeded).
template <typename R>
RegistryCode registryCode(const R& result)
{
    return static_cast<RegistryCode>(result.code());
}

} // namespace platform
