#pragma once

#include <string>

namespace platform {

// The object an add-in registers with its commands: the IDE calls its methods by name when a
// command runs.
class IdeCommandTarget {
public:
    virtual ~IdeCommandTarget() = default;
    virtual void invoke(const std::string& methodName) = 0;
};

} // namespace platform
