#pragma once

#include "model/PropertyStringContext.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace platform {
class MessageService;
} // namespace platform

namespace morva {

class CClassItem;
class CProject;

// The texts a rebuild reads besides the parsed classes: the resource script for the property
// value strings and resource.h for the identifier numbers (either may be empty).
struct RetrieveSources {
    std::string_view script;
    std::string_view resourceHeader;
    PropertyStringContext properties;
    platform::MessageService& messages;
};

// The three arguments of a creation line's argument text ("this, IDC_X, IDS_PROP_X"), each
// trimmed; nothing when the text does not split into exactly three.
std::optional<std::array<std::string, 3>> SplitCreationArguments(std::string_view arguments);
// The quoted text of the symbol's string-table entry, or nothing.
std::optional<std::string> StringTableValue(std::string_view script, std::string_view propStringSymbol);

// Rebuilds the class's controls from its creation entries: each entry gives its declared
// control the container, the two symbols, the identifier number, the catalogue's lists and
// the values of its string-table entry; further entries of an array member get copies of the
// array's control. Copies made by an earlier rebuild are replaced, so running it again gives
// the same list. An argument text that does not split shows "Unexpected error in retrieving
// control parameter(s)" and the remaining entries are still read.
void RetrieveClassControls(CClassItem& item, const RetrieveSources& sources);
// The same for every class of the project: what the project loader calls after parsing.
void RetrieveControls(CProject& project, const RetrieveSources& sources);

} // namespace morva
