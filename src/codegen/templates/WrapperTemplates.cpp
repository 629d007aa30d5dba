// The string resources of the ActiveX wrapper classes and their font and picture helpers.

#include "codegen/templates/TemplateEntry.h"

namespace morva {

// Sorted by identifier, checked with IsSortedById once it has entries.
std::span<const TemplateEntry> WrapperTemplates()
{
    return {};
}

} // namespace morva
