#include "studio/core/HeadlessIdleClock.h"

#include "platform/ui/Desktop.h"

#include <algorithm>

namespace studio {

HeadlessIdleClock::HeadlessIdleClock(platform::Desktop& desktop, uint32_t stepMs, uint64_t patienceMs)
    : m_desktop(desktop), m_stepMs(std::max<uint32_t>(stepMs, 1)), m_patienceMs(patienceMs)
{
    m_idleSince = desktop.now();
    m_desktop.setIdleHandler([this](platform::Desktop& d) { return idle(d); });
}

HeadlessIdleClock::~HeadlessIdleClock()
{
    m_desktop.setIdleHandler({});
}

bool HeadlessIdleClock::idle(platform::Desktop& desktop)
{
    // Only a modal loop waits for time to pass; the main loop ends when it runs dry.
    if (desktop.modalDepth() == 0)
        return false;
    const uint32_t active = desktop.activeWindow().value;
    if (active != m_lastActive) {
        m_lastActive = active;
        m_idleSince = desktop.now();
    }
    if (desktop.now() - m_idleSince >= m_patienceMs) {
        m_lastActive = 0;
        return false;
    }
    desktop.advanceClock(m_stepMs);
    return true;
}

} // namespace studio
