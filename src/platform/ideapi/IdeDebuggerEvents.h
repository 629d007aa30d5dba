#pragma once

namespace platform {

// What the IDE's debugger tells an advised sink.
class IdeDebuggerEvents {
public:
    virtual ~IdeDebuggerEvents() = default;
    virtual void breakpointHit() {}
};

} // namespace platform
