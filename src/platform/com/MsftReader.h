#pragma once

#include "platform/base/Result.h"
#include "platform/com/TypeLibraryData.h"

#include <cstdint>
#include <span>

namespace platform {

// Reads a type library in the binary "MSFT" format. Every offset, index and count taken
// from the bytes is checked against the file and against the segment it points into, every
// chain is followed a bounded number of steps, and nothing is allocated beyond what the
// bytes can fill; a damaged file gives TYPE_E_INVDATAREAD with a message saying what is
// wrong, a file in another format TYPE_E_UNSUPFORMAT.
class MsftReader {
public:
    static constexpr uint32_t magic = 0x5446534D; // "MSFT"
    // Type descriptions nest at most this deep (pointers to pointers to ...).
    static constexpr int maxTypeDepth = 32;

    static Result<TypeLibraryData> read(std::span<const uint8_t> bytes);
};

} // namespace platform
