#pragma once

#include <cstdint>
#include <string>

namespace morva {

// Finds the picture file behind a stored image reference (the project's resource script
// answers).
class IImageReferenceResolver {
public:
    virtual ~IImageReferenceResolver() = default;
    // The model value "<resource id>-<file path>" of a stored value (kind × 65536 + id);
    // empty when the script has no picture resource with that id.
    virtual std::string FindPictureFile(int64_t storedValue) const = 0;
};

} // namespace morva
