#pragma once

#include "codegen/CodeWriterServices.h"
#include "platform/base/Geometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morva {

class CClassItem;
class CControlItem;
class IActiveXControlEntry;

// A control to place on a form: an intrinsic type, or an ActiveX control by its wrapper class.
struct NewControl {
    int32_t kind = 0;       // kKindIntrinsic or kKindActiveX
    int32_t typeCode = -1;  // intrinsic: 101..116
    std::string wrapperClass;
    IActiveXControlEntry* controlEntry = nullptr;
    platform::Rect rect;    // in form coordinates
    const CControlItem* container = nullptr; // a Frame or PictureBox of the form, or null
};

// The control as the form holds it after the files were parsed again, and the control counter
// after it (the caller keeps the counter).
struct AddedControl {
    CControlItem* item = nullptr;
    long controlCounter = 0;
};

// The designer's operations on a form's generated code. Each runs as one edit of the project's
// files: nothing is written unless every step succeeded. Every edit re-parses the form's files,
// which rebuilds its control objects: pointers to the form's controls held before a call are
// not valid after it; the results name the rebuilt objects.
//
// Adds the control: its names, symbols and Caption or Text as a newly placed control gets
// them; the #define lines and the string-table entry (reusing definitions a deleted control
// left, replacing its string-table entry); the hooks a class that is not a form class needs;
// the declaration and the creation line; stdafx.h's include of the controls header.
std::optional<AddedControl> AddControl(const CodeWriterServices& services, CClassItem& form, const NewControl& control,
                                       long controlCounter);

// Deletes the control and every control it contains: their declarations and creation lines
// (an array's declaration stays while other elements use it). The #define lines and the
// string-table entries stay.
bool DeleteControl(const CodeWriterServices& services, CClassItem& form, const CControlItem& control);

// What a name typed in the property window's object box did.
struct RenameResult {
    enum class Outcome { Unchanged, Refused, Renamed, Failed };
    Outcome outcome = Outcome::Unchanged;
    CControlItem* item = nullptr; // the renamed control after the re-parse
};
// Renames the control (or, answering Yes to the array question, joins it to the control array
// of that name) and rewrites its declaration, creation line and, for a new array element, its
// string-table entry.
RenameResult RenameControl(const CodeWriterServices& services, CClassItem& form, const CControlItem& control,
                           std::string_view typedName);

// Rewrites the item's string-table entry with its current property values (adding the entry
// when the script has none): what the property window calls after a value was applied. The
// item stays valid: only the resource script changes.
bool WritePropertyString(const CodeWriterServices& services, const CControlItem& item);

} // namespace morva
