#pragma once

#include <cstdint>

namespace platform {

// The mouse pointer shapes the system shows.
enum class CursorShape : uint8_t {
    Arrow,
    IBeam,
    Wait,
    Cross,
    SizeNorthWestSouthEast,
    SizeNorthEastSouthWest,
    SizeNorthSouth,
    SizeWestEast,
    SizeAll,
    SplitHorizontal, // a bar dragged left and right
    SplitVertical,   // a bar dragged up and down
    No,
    Hand,
};

} // namespace platform
