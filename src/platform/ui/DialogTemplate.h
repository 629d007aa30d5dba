#pragma once

#include "platform/base/Geometry.h"
#include "platform/base/Result.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// One control of a dialog template; its rectangle is in dialog units.
struct DialogItemTemplate {
    std::string className;
    int32_t id = 0;
    std::string text;
    Rect rect;
    uint32_t style = 0;   // windowStyle bits and the class's own bits
    uint32_t exStyle = 0; // extendedStyle bits
};

// A dialog as data: caption, rectangle in dialog units, font and controls.
struct DialogTemplate {
    std::string caption;
    Rect rect;
    uint32_t style = 0;
    uint32_t exStyle = 0;
    int32_t fontPoints = 8;
    std::string fontFace = "MS Sans Serif";
    std::vector<DialogItemTemplate> items;
};

// Reads a dialog template from its text form:
//
//   DIALOG x y width height
//   CAPTION "About"
//   FONT 8 "MS Sans Serif"
//   STYLE caption sysmenu modalframe
//   CONTROL Button 1 "OK" 129 7 50 14 defpushbutton tabstop
//
// Keywords and option words ignore case; strings are in double quotes with \" \\ \n \t
// escapes; "//" and ";" start a comment; numbers may be hexadecimal (0x..) and an option may
// be a number of style bits. The first fault is reported with its line.
Result<DialogTemplate> readDialogTemplate(std::string_view text);

// Limits on what a template may hold, so that no input can exhaust memory.
namespace dialogTemplateLimits {
inline constexpr size_t maxItems = 2000;
inline constexpr size_t maxTextLength = 8192;
inline constexpr int32_t maxCoordinate = 32767;
} // namespace dialogTemplateLimits

} // namespace platform
