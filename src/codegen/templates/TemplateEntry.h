#pragma once

#include <cstddef>
#include <span>
#include <string_view>

namespace morva {

// One string resource of the code generator: its identifier and its exact text.
struct TemplateEntry {
    int id;
    std::string_view text;
};

// The tables of string resources, each sorted by identifier and kept in its own file: the new
// project's files, the resource script's section comments and messages, the ActiveX wrapper
// classes. Identifiers are unique across all of them.
std::span<const TemplateEntry> ProjectTemplates();
std::span<const TemplateEntry> ResourceScriptTemplates();
std::span<const TemplateEntry> WrapperTemplates();
std::span<const TemplateEntry> HandlerTemplates();

template <size_t N>
constexpr bool IsSortedById(const TemplateEntry (&entries)[N])
{
    for (size_t i = 1; i < N; ++i)
        if (entries[i - 1].id >= entries[i].id)
            return false;
    return true;
}

} // namespace morva
