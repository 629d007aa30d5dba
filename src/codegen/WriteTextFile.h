#pragma once

#include "codegen/CodegenContext.h"

#include <string_view>

namespace morva {

// Writes the text's bytes as the whole file (created or replaced). On failure shows the file
// error ("File '<path>' could not be opened / read / written" and the system's description)
// and returns false.
bool WriteTextFile(std::string_view path, std::string_view text, const CodegenContext& context);

} // namespace morva
