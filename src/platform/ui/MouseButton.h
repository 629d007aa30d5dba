#pragma once

#include <cstdint>

namespace platform {

enum class MouseButton : uint8_t { Left, Right, Middle };

} // namespace platform
