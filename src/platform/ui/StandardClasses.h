#pragma once

#include "platform/base/Result.h"

namespace platform {

class Desktop;

// Registers the dialog class and the standard controls (buttons, labels, edits, list and
// combo boxes, progress bars, scroll bars, trees, tab strips, tooltips); classes already there are left alone.
Status registerStandardClasses(Desktop& desktop);

} // namespace platform
