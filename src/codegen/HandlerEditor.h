#pragma once

#include "codegen/CodeWriterServices.h"

#include <cstdint>
#include <string>

namespace morva {

class CClassItem;
class CControlItem;
class GeneratedLineEditor;
struct CCtrlEventMethodItem;

// Where an event's handler is entered, by the object's kind.
enum class EventCategory : int32_t {
    IntrinsicControl = 902, // message map, ON_WM_TFX_...
    Form = 904,             // a virtual function, no map entry
    MenuItem = 905,         // message map, ON_COMMAND
    ActiveXControl = 906,   // event-sink map, ON_EVENT
};
EventCategory CategoryOf(const CControlItem& object);

// Adds event handlers (declaration, map entry, body), the standard window-message handlers
// the control code writer needs, missing maps and access sections, through the line editor.
// Each insertion is followed by a re-parse; the first failed one ends the operation with false.
class HandlerEditor {
public:
    HandlerEditor(const CodegenContext& context, GeneratedLineEditor& lines);

    // Adds the handler of the object's event when the class does not have it yet.
    bool AddEventHandler(CClassItem& form, const CControlItem& object, const CCtrlEventMethodItem& event);
    // Creates what the category needs and the class lacks: the map declaration, the map or the
    // overrides block and its access sections. False without a message when the class's
    // header or implementation file is not writable.
    bool EnsureHandlerMaps(CClassItem& form, int32_t objectKind, EventCategory category);

    bool AddOnCreate(CClassItem& form);
    bool AddOnPaint(CClassItem& form);
    bool AddOnDraw(CClassItem& form);
    bool AddWindowProc(CClassItem& form);
    // CreateTFXControls with its empty creation block.
    bool AddCreateFunction(CClassItem& form);

private:
    bool AddStandardHandler(CClassItem& form, const char* name, uint32_t declarationKind, int declarationId,
                            const char* mapEntry, int bodyId);
    std::string BodyTemplate(const CClassItem& form, int id) const;

    CodegenContext m_context;
    GeneratedLineEditor& m_lines;
};

// The code bar's entry point: adds the handler in its own edit of the project's files, which
// are written only when every step succeeded. The re-parses rebuild the form's control
// objects: `object` is not valid afterwards.
bool AddEventHandler(const CodeWriterServices& services, CClassItem& form, const CControlItem& object,
                     const CCtrlEventMethodItem& event);

} // namespace morva
