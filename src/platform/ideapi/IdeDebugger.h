#pragma once

namespace platform {

class IdeDebuggerEvents;

// The IDE's debugger object; add-ins only listen to it.
class IdeDebugger {
public:
    virtual ~IdeDebugger() = default;
    // Returns a cookie for unadvise; 0 when the sink was refused.
    virtual unsigned long advise(IdeDebuggerEvents* sink) = 0;
    virtual bool unadvise(unsigned long cookie) = 0;
};

} // namespace platform
