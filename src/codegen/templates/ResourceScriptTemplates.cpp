// The string resources of the resource script's section comments and its messages.

#include "codegen/templates/TemplateEntry.h"

namespace morva {

// Sorted by identifier, checked with IsSortedById once it has entries.
std::span<const TemplateEntry> ResourceScriptTemplates()
{
    return {};
}

} // namespace morva
