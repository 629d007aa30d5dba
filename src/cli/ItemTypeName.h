#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morva::cli {

// What a type name on the command line stands for: a normal form, an MDI form or an intrinsic
// control type.
struct ItemType {
    int32_t kind;
    int32_t typeCode;
    bool isMdiForm;
    std::string displayName;
};

// "TextBox", "CXTextBox", "Form", "CXForm", "MDIForm", "CXMdiForm", ignoring case.
std::optional<ItemType> ParseItemType(std::string_view name);
// The accepted names, for messages.
std::string ItemTypeNames();

} // namespace morva::cli
