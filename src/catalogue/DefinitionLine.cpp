#include "catalogue/DefinitionLine.h"

namespace morva {

namespace {

std::string_view TrimBlanks(std::string_view text)
{
    const auto isBlank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

std::string FieldOrEmpty(const std::vector<std::string_view>& fields, size_t index)
{
    return index < fields.size() ? std::string(fields[index]) : std::string();
}

} // namespace

void ForEachDefinitionLine(std::string_view table, const std::function<void(std::string_view)>& visit)
{
    size_t start = 0;
    while (start < table.size()) {
        const size_t newline = table.find('\n', start);
        if (newline == std::string_view::npos)
            return; // an unterminated last line does not count
        visit(table.substr(start, newline - start));
        start = newline + 1;
    }
}

std::vector<std::string_view> TabFields(std::string_view line)
{
    std::vector<std::string_view> fields;
    size_t start = 0;
    for (size_t tab = line.find('\t'); tab != std::string_view::npos; tab = line.find('\t', start)) {
        fields.push_back(line.substr(start, tab - start));
        start = tab + 1;
    }
    return fields;
}

PropertyDefinition ParsePropertyDefinition(std::string_view line)
{
    const auto fields = TabFields(line);
    PropertyDefinition definition{FieldOrEmpty(fields, 0), FieldOrEmpty(fields, 1), FieldOrEmpty(fields, 2), {}};
    for (size_t i = 3; i < fields.size(); ++i)
        definition.items.emplace_back(fields[i]);
    return definition;
}

EventDefinition ParseEventDefinition(std::string_view line)
{
    const auto fields = TabFields(line);
    return {FieldOrEmpty(fields, 0), FieldOrEmpty(fields, 1), FieldOrEmpty(fields, 2)};
}

std::string MethodDefinitionName(std::string_view line)
{
    return std::string(line.substr(0, line.find('(')));
}

std::string EnumeratedItemValue(std::string_view item)
{
    return std::string(TrimBlanks(item.substr(0, item.find('-'))));
}

} // namespace morva
