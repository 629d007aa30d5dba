#pragma once

#include "platform/ui/WindowHandle.h"

#include <string>

namespace platform {
class Desktop;
} // namespace platform

namespace morva {

// The name the IDE puts in its main window's title: "Microsoft Visual C++" for version 6.0,
// "Microsoft Developer Studio" for the others.
std::string IdeCaption(const std::string& ideVersion);

// The top-level window whose title contains the IDE caption (the title also names the open
// workspace), or none.
platform::WindowHandle FindIdeMainWindow(const platform::Desktop& desktop, const std::string& ideVersion);

} // namespace morva
