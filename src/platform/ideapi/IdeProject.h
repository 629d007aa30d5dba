#pragma once

#include <string>

namespace platform {

// A project of the open workspace.
class IdeProject {
public:
    virtual ~IdeProject() = default;
    virtual std::string name() const = 0;
    // The project file (.dsp) in Windows form.
    virtual std::string fullName() const = 0;
};

} // namespace platform
