#pragma once

#include <string>
#include <string_view>

namespace morva {

// Replaces every occurrence of `find`, scanning left to right. The replacement text is never
// rescanned, so a value that contains the token itself does not recurse. An empty `find`
// leaves the text unchanged.
std::string ReplaceAll(std::string_view text, std::string_view find, std::string_view replace);

} // namespace morva
