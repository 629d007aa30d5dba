#pragma once

#include "platform/ui/Message.h"
#include "platform/ui/WindowHandle.h"

#include <cstdint>
#include <functional>

namespace platform {

class Desktop;

// A window procedure. Subclassing replaces a window's procedure with one that keeps the
// previous one and hands it what it does not handle (Desktop::callProcedure).
using WindowProc = std::function<int64_t(Desktop&, WindowHandle, const Message&)>;

} // namespace platform
