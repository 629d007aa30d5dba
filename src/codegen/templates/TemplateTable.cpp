#include "codegen/TemplateTable.h"

#include "codegen/templates/TemplateEntry.h"

#include <algorithm>

namespace morva {

namespace {

std::string_view FindIn(std::span<const TemplateEntry> table, int id)
{
    const auto it = std::lower_bound(table.begin(), table.end(), id,
                                     [](const TemplateEntry& entry, int key) { return entry.id < key; });
    return it == table.end() || it->id != id ? std::string_view() : it->text;
}

} // namespace

std::string_view TemplateText(int id)
{
    for (const auto table : {ProjectTemplates(), ResourceScriptTemplates(), WrapperTemplates(), HandlerTemplates()})
        if (const std::string_view text = FindIn(table, id); !text.empty())
            return text;
    return {};
}

bool HasTemplate(int id)
{
    return !TemplateText(id).empty();
}

std::string JoinTemplates(std::initializer_list<int> ids)
{
    size_t size = 0;
    for (int id : ids)
        size += TemplateText(id).size();
    std::string text;
    text.reserve(size);
    for (int id : ids)
        text += TemplateText(id);
    return text;
}

} // namespace morva
