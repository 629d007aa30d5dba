#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace morva {

// The catalogue's line grammar. A table is text with one definition per line; a line counts
// only when it ends in a newline. Property and event lines are made of fields, each of which
// counts only when a TAB follows it (text after a line's last TAB is ignored).

// Calls `visit` with each complete line of `table`, without its newline.
void ForEachDefinitionLine(std::string_view table, const std::function<void(std::string_view)>& visit);

// The TAB-terminated fields of one line.
std::vector<std::string_view> TabFields(std::string_view line);

// Type name, property name, default value and enumerated items ("2 - Sizable").
struct PropertyDefinition {
    std::string typeName;
    std::string name;
    std::string defaultValue;
    std::vector<std::string> items;
};
PropertyDefinition ParsePropertyDefinition(std::string_view line);

// Return type, event name and the parameter text of the generated handler.
struct EventDefinition {
    std::string returnType;
    std::string name;
    std::string parameters;
};
EventDefinition ParseEventDefinition(std::string_view line);

// A method line is "name(parameters)"; the name is the text before "(" (the whole line when
// there is none).
std::string MethodDefinitionName(std::string_view line);

// The value an enumerated item stores: the text before its first "-", without surrounding
// blanks ("2 - Sizable" gives "2"). An item without "-" stores its whole trimmed text.
std::string EnumeratedItemValue(std::string_view item);

} // namespace morva
