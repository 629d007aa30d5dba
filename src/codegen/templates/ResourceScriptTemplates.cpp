// The string resources of the resource script's section comments and its messages.

#include "codegen/templates/TemplateEntry.h"

namespace morva {

namespace {

// Sorted by identifier.
constexpr TemplateEntry kResourceScriptTemplates[] = {
    // no string table in the script
    {61566, "The key word \"STRINGTABLE\" couldn't be found in .rc file"},
    // Bitmap section comment
    {61567,
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "//\r\n"
     "// Bitmap\r\n"
     "//"},
    // Icon section comment
    {61568,
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "//\r\n"
     "// Icon\r\n"
     "//\r\n"
     "\r\n"
     "// Icon with lowest ID value placed first to ensure application icon\r\n"
     "// remains consistent on all systems."},
    // Cursor section comment
    {61613,
     "/////////////////////////////////////////////////////////////////////////////\r\n"
     "//\r\n"
     "// Cursor\r\n"
     "//"},
};
static_assert(IsSortedById(kResourceScriptTemplates));

} // namespace

std::span<const TemplateEntry> ResourceScriptTemplates()
{
    return kResourceScriptTemplates;
}

} // namespace morva
