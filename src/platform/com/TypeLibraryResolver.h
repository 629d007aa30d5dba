#pragma once

#include "platform/base/Result.h"
#include "platform/com/ComPtr.h"
#include "platform/com/TypeLibraryData.h"

#include <string_view>

namespace platform {

class TypeLibrary;

// Finds a library that another one imports (stdole2.tlb, say) when one of its types is
// needed. The importing library's own path is given so that a resolver can look beside it.
class TypeLibraryResolver {
public:
    virtual ~TypeLibraryResolver() = default;
    virtual Result<ComPtr<TypeLibrary>> resolve(const ImportedLibraryData& library, std::string_view importingPath) const = 0;
};

} // namespace platform
