#pragma once

#include "platform/ideapi/IdeDebugger.h"
#include "platform/ideapi/IdeDebuggerEvents.h"
#include "studio/core/SinkList.h"

namespace studio {

// The studio runs no programs; its debugger only keeps the sinks of the add-ins.
class StudioDebugger : public platform::IdeDebugger {
public:
    unsigned long advise(platform::IdeDebuggerEvents* sink) override { return m_sinks.advise(sink); }
    bool unadvise(unsigned long cookie) override { return m_sinks.unadvise(cookie); }
    const SinkList<platform::IdeDebuggerEvents>& sinks() const { return m_sinks; }

private:
    SinkList<platform::IdeDebuggerEvents> m_sinks;
};

} // namespace studio
