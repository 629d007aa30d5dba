#pragma once

#include <cstdint>
#include <string>

namespace platform {

// The documentation of a library, a type or a member.
struct Documentation {
    std::string name;
    std::string docString;
    uint32_t helpContext = 0;
    std::string helpFile;
    friend bool operator==(const Documentation&, const Documentation&) = default;
};

} // namespace platform
