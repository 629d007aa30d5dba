#include "platform/gfx/SpanSet.h"

#include <algorithm>

namespace platform {

void SpanSet::normalize()
{
    if (m_normalized)
        return;
    std::sort(m_spans.begin(), m_spans.end(),
              [](const Span& a, const Span& b) { return a.y != b.y ? a.y < b.y : a.x0 < b.x0; });
    size_t out = 0;
    for (size_t i = 0; i < m_spans.size(); ++i) {
        if (out > 0 && m_spans[out - 1].y == m_spans[i].y && m_spans[i].x0 <= m_spans[out - 1].x1)
            m_spans[out - 1].x1 = std::max(m_spans[out - 1].x1, m_spans[i].x1);
        else
            m_spans[out++] = m_spans[i];
    }
    m_spans.resize(out);
    m_normalized = true;
}

void SpanSet::subtract(SpanSet& other)
{
    normalize();
    other.normalize();
    if (other.m_spans.empty())
        return;
    std::vector<Span> result;
    result.reserve(m_spans.size());
    size_t j = 0;
    for (const Span& s : m_spans) {
        while (j < other.m_spans.size() && other.m_spans[j].y < s.y)
            ++j;
        int32_t x = s.x0;
        for (size_t k = j; k < other.m_spans.size() && other.m_spans[k].y == s.y && x < s.x1; ++k) {
            const Span& cut = other.m_spans[k];
            if (cut.x1 <= x)
                continue;
            if (cut.x0 >= s.x1)
                break;
            if (cut.x0 > x)
                result.push_back({s.y, x, cut.x0});
            x = std::max(x, cut.x1);
        }
        if (x < s.x1)
            result.push_back({s.y, x, s.x1});
    }
    m_spans = std::move(result);
}

void SpanSet::clipTo(const Rect& r)
{
    std::vector<Span> kept;
    kept.reserve(m_spans.size());
    for (const Span& s : m_spans) {
        if (s.y < r.top || s.y >= r.bottom)
            continue;
        const int32_t x0 = std::max(s.x0, r.left), x1 = std::min(s.x1, r.right);
        if (x0 < x1)
            kept.push_back({s.y, x0, x1});
    }
    m_spans = std::move(kept);
}

int64_t SpanSet::pixelCount()
{
    normalize();
    int64_t n = 0;
    for (const Span& s : m_spans)
        n += s.x1 - s.x0;
    return n;
}

} // namespace platform
