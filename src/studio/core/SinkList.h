#pragma once

#include <utility>
#include <vector>

namespace studio {

// Advised event sinks with their cookies. Raising walks a copy, so that a sink may unadvise
// itself (or another) while it is being told.
template <typename Sink>
class SinkList {
public:
    unsigned long advise(Sink* sink)
    {
        if (!sink)
            return 0;
        m_sinks.emplace_back(++m_lastCookie, sink);
        return m_lastCookie;
    }
    bool unadvise(unsigned long cookie)
    {
        for (auto it = m_sinks.begin(); it != m_sinks.end(); ++it) {
            if (it->first == cookie) {
                m_sinks.erase(it);
                return true;
            }
        }
        return false;
    }
    template <typename Call>
    void raise(Call call) const
    {
        const auto sinks = m_sinks;
        for (const auto& [cookie, sink] : sinks)
            if (isAdvised(cookie))
                call(*sink);
    }
    size_t size() const { return m_sinks.size(); }

private:
    bool isAdvised(unsigned long cookie) const
    {
        for (const auto& entry : m_sinks)
            if (entry.first == cookie)
                return true;
        return false;
    }

    std::vector<std::pair<unsigned long, Sink*>> m_sinks;
    unsigned long m_lastCookie = 0;
};

} // namespace studio
