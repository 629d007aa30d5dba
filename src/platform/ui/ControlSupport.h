#pragma once

#include "platform/ui/Desktop.h"
#include "platform/ui/Message.h"
#include "platform/ui/MessageData.h"

namespace platform {

// Small helpers the standard controls share.
namespace controlSupport {

inline PaintContext& paintContext(const Message& m)
{
    return *reinterpret_cast<PaintContext*>(intptr_t(m.lParam));
}

// Tells the parent (or, for a popup, the owner) with msg::Command.
inline void notify(Desktop& desktop, WindowHandle control, uint32_t code, WindowHandle target = {})
{
    if (!target)
        target = desktop.parent(control) ? desktop.parent(control) : desktop.owner(control);
    if (target)
        desktop.send(target, msg::Command, commandParam(desktop.controlId(control), code), int64_t(control.value));
}

// The class's own bits of a style.
inline uint32_t classBits(Desktop& desktop, WindowHandle window)
{
    return desktop.style(window) & windowStyle::ClassMask;
}

// Registers a control class whose windows keep a state object of type T, created on
// msg::Create as T(desktop, window) and asked for every message through T::handle.
template <typename T>
Status registerControlClass(Desktop& desktop, const char* name, uint32_t options, CursorShape cursor)
{
    if (desktop.findClass(name))
        return Status::ok();
    return desktop.registerClass(WindowClass{
        name,
        [](Desktop& d, WindowHandle w, const Message& m) -> int64_t {
            if (m.id == msg::Create) {
                d.setExtra(w, std::make_unique<T>(d, w));
                if (T* state = d.extra<T>(w))
                    return state->handle(m);
                return -1;
            }
            if (T* state = d.extra<T>(w))
                return state->handle(m);
            return d.defaultProcedure(w, m);
        },
        options, cursor, std::nullopt});
}

} // namespace controlSupport

} // namespace platform
