#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace morva {

class CControlItem;
class CFormModel;

// Whether some control of the project carries both symbols (the test runs over the parsed
// model, not over resource.h).
using SymbolsInUseTest = std::function<bool(std::string_view identifierSymbol, std::string_view propStringSymbol)>;

struct ControlSymbols {
    std::string identifierSymbol; // IDC_TEXTBOX3
    std::string propStringSymbol; // IDS_PROP_TEXTBOX3
};

// The base name of an ActiveX control from its wrapper class: "CXAxGrid" gives "AxGrid".
std::string ActiveXBaseName(std::string_view wrapperClassName);
// The base name an item's generated names start with: the catalogue's for intrinsic types,
// the wrapper's for ActiveX controls; empty for other items.
std::string ItemBaseName(const CControlItem& item);

// The smallest n >= 1 for which the form has no member "m_" + base name + n.
int NextFreeMemberIndex(const CFormModel& form, std::string_view baseName);
// The first pair "IDC_" + NAME + k, "IDS_PROP_" + NAME + k (k = 1, 2, ...) that no control of
// the project carries; the index is found independently of the member index.
ControlSymbols NextFreeSymbols(std::string_view baseName, const SymbolsInUseTest& symbolsInUse);

// Gives a new control its identifier number, member name, class name and symbols, and its
// Caption or Text the control name, as a newly placed control gets them. The item's kind,
// type code (or, for ActiveX, wrapper class name) and property list must be set already.
void NameNewControl(CControlItem& item, const CFormModel& form, int32_t identifierNumber,
                    const SymbolsInUseTest& symbolsInUse);

// What a name typed for an item in the property window's object box amounts to.
struct ControlNameCheck {
    enum class Outcome { Unchanged, Refused, Accepted };
    Outcome outcome = Outcome::Unchanged;
    std::string memberName; // the accepted text, when accepted
    std::string message;    // the message to show, when refused
};
// The checks that need no files: the text before any "(", the unchanged name, the form
// item, empty text and forbidden characters.
ControlNameCheck ValidateControlName(const CControlItem& item, std::string_view typed);
bool HasForbiddenNameCharacter(std::string_view name);

// The first other control of the same type code in the item's form that has this member
// name, or null: the element a rename would join into an array.
CControlItem* FindArrayPartner(const CControlItem& item, std::string_view memberName);
// "You already have a control named '<name>'. Do you want to create a control array?"
std::string ArrayQuestion(std::string_view typedName);
// The first free Index for a new element of the array `memberName` of that type code: the
// array's other elements are walked in list order, counting from 0, up to the first whose
// Index differs from the count.
int FirstFreeArrayIndex(const CFormModel& form, int32_t typeCode, std::string_view memberName,
                        const CControlItem* except);
// Makes `item` an element of the array that `existing` belongs to (or starts): both get the
// array class name and flag, the item gets the existing member name and the first free Index.
// Answers whether `existing`'s class name changed (its declaration must be rewritten).
bool JoinControlArray(CControlItem& item, CControlItem& existing);

// Whether an array element may take this Index: no other item of its type code in the form
// has it. Items that are not array members accept any index.
bool IsIndexFree(const CControlItem& item, std::string_view index);
std::string IndexTakenMessage(std::string_view index);

// Names of generated event handlers and messages.
// "File_open" for ID_FILE_OPEN: without "ID_", lower case, first character upper case.
std::string MenuItemName(std::string_view identifierSymbol);
// TextBox1_Click, Form_Load, File_open_Click.
std::string EventHandlerName(const CControlItem& item, std::string_view eventName);
// WM_TFX_CLICK, or WM_TFX_CLICK_ARRAY for an array element.
std::string EventMessageName(std::string_view eventName, bool arrayElement);

} // namespace morva
