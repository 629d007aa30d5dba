#pragma once

#include <cstdint>

namespace platform {
class Desktop;
} // namespace platform

namespace studio {

// Headless, nothing moves the desktop's clock, so a modal loop with no input would never see
// its timers fall due. While this object lives, an idle modal loop moves the clock forward one
// step at a time; once the active window has stayed the same for `patienceMs` of idle time,
// it tells the loop no more input will come (a dialog nobody answers then ends as cancelled).
// A newly activated window, such as the next dialog, gets the full patience again.
class HeadlessIdleClock {
public:
    HeadlessIdleClock(platform::Desktop& desktop, uint32_t stepMs = 10, uint64_t patienceMs = 10'000);
    ~HeadlessIdleClock();
    HeadlessIdleClock(const HeadlessIdleClock&) = delete;
    HeadlessIdleClock& operator=(const HeadlessIdleClock&) = delete;

private:
    bool idle(platform::Desktop& desktop);

    platform::Desktop& m_desktop;
    uint32_t m_stepMs;
    uint64_t m_patienceMs;
    uint32_t m_lastActive = 0; // handle value of the active window at the last idle call
    uint64_t m_idleSince = 0;
};

} // namespace studio
