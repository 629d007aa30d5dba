#pragma once

#include "platform/base/Geometry.h"

#include <cstdint>
#include <vector>

namespace platform {

// The pixels of a figure as horizontal runs, so that an operation that is not idempotent
// (xor, invert) touches each pixel exactly once however the figure was built up.
class SpanSet {
public:
    struct Span {
        int32_t y;
        int32_t x0; // first pixel
        int32_t x1; // one past the last
        friend bool operator==(const Span&, const Span&) = default;
    };

    void add(int32_t y, int32_t x0, int32_t x1)
    {
        if (x1 > x0) {
            m_spans.push_back({y, x0, x1});
            m_normalized = false;
        }
    }
    // Consecutive points along a row extend the last run instead of making new ones.
    void addPoint(int32_t x, int32_t y)
    {
        if (!m_spans.empty()) {
            Span& last = m_spans.back();
            if (last.y == y && last.x1 == x) {
                ++last.x1;
                m_normalized = false;
                return;
            }
            if (last.y == y && last.x0 == x + 1) {
                --last.x0;
                m_normalized = false;
                return;
            }
        }
        add(y, x, x + 1);
    }

    // Sorted by row and column, overlapping and touching runs merged.
    void normalize();
    // Removes every pixel of other (both sets normalized first).
    void subtract(SpanSet& other);
    // Keeps only the pixels inside the rectangle.
    void clipTo(const Rect& r);

    bool isEmpty() const { return m_spans.empty(); }
    const std::vector<Span>& spans() { normalize(); return m_spans; }
    int64_t pixelCount();

private:
    std::vector<Span> m_spans;
    bool m_normalized = true;
};

} // namespace platform
