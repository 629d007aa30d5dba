#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace morva {

// Reads a decimal integer the lenient way the runtime does: leading blanks, an optional sign,
// then digits up to the first other character; no digits give 0. Out-of-range values clamp.
int64_t ParseIntegerText(std::string_view text);
int32_t ParseInt32Text(std::string_view text);
// Whether `text` is exactly an optional "-" and decimal digits.
bool IsIntegerText(std::string_view text);

} // namespace morva
