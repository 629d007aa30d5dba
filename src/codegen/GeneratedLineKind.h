#pragma once

#include <cstdint>

namespace morva {

// The kind of a generated line: one bit that names both how its text is built and where it
// is inserted. The same values are used to insert, find, replace and delete a line.
enum LineKind : uint32_t {
    kLineCreation = 0x1,               // form source: before the creation block's end marker
    kLineDeclaration = 0x2,            // form header: before the declaration block's end marker
    kLineHandlerDeclaration = 0x10,    // form header: first line of the AFX_MSG block
    kLinePublicMember = 0x20,          // form header: after "public:" in the AFX_VIRTUAL block
    kLineProtectedMember = 0x40,       // form header: after "protected:" in the AFX_VIRTUAL block
    kLineMessageMapEntry = 0x80,       // message-map file: first line of the AFX_MSG_MAP block
    kLineEventSinkEntry = 0x100,       // event-sink map file: first line of the AFX_EVENTSINK_MAP block
    kLineFunctionBody = 0x200,         // implementation file: after the last function or map
    kLineClassEnd = 0x400,             // form header: the end of the class declaration
    kLinePublicSection = 0x800,        // form header: start of the AFX_VIRTUAL start marker's line
    kLineProtectedSection = 0x1000,    // the same, "protected:"
    kLineMessageMap = 0x2000,          // implementation file: a new message map
    kLineEventSinkMap = 0x4000,        // implementation file: a new event-sink map
    kLineInclude = 0x8000,             // form source: the very start
    kLineControlSymbols = 0x10000,     // resource.h: the two #define lines of a control
    kLineResourceSymbol = 0x20000,     // resource.h: one #define line
    kLineStringTable = 0x40000,        // resource script: a string-table entry
    kLinePictureSymbol = 0x80000,      // resource.h: a picture's #define line
    kLineBitmapResource = 0x100000,    // resource script: after the Bitmap section comment
    kLineIconResource = 0x200000,      // resource script: after the Icon section comment
    kLineCursorResource = 0x400000,    // resource script: after the Cursor section comment
    kLineFormResource = 0x800000,      // constructor's file: first line of the form-data block
    kLineProtectedBlock = 0x1000000,   // form header: "protected:" and text at the class end
    kLineProtectedBlock2 = 0x2000000,  // the same
    kLineOnCreateCall = 0x4000000,     // OnCreate's file: before the last "return" of OnCreate
    kLineWindowProcCall = 0x8000000,   // form source: first line of WindowProc's body
    kLinePaintCall = 0x8000001,        // form source: the closing-brace line of OnPaint or OnDraw
};

} // namespace morva
