#pragma once

#include "platform/gfx/Painter.h"
#include "platform/ui/Desktop.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace uitest {

// A desktop with a plain window class ("Plain") whose windows record what they receive and
// fill their client area with the colour kept in their user data.
class DesktopFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        auto created = platform::Desktop::create({640, 480});
        ASSERT_TRUE(created) << created.message();
        desktop = std::move(created).value();
        ASSERT_TRUE(desktop->registerClass(platform::WindowClass{
            "Plain",
            [this](platform::Desktop& d, platform::WindowHandle w, const platform::Message& m) -> int64_t {
                log.push_back({w, m});
                if (m.id == platform::msg::Paint) {
                    auto* pc = reinterpret_cast<platform::PaintContext*>(intptr_t(m.lParam));
                    pc->painter.fillRect(d.clientRect(w), platform::Color(uint32_t(d.userData(w))));
                    return 0;
                }
                return d.defaultProcedure(w, m);
            },
            platform::classStyle::DoubleClicks, platform::CursorShape::Arrow, std::nullopt}));
    }

    platform::WindowHandle make(const platform::Rect& rect, platform::WindowHandle parent = {},
                                uint32_t style = 0, uint32_t color = 0xFFFFFFFF, int32_t id = 0,
                                const std::string& caption = {})
    {
        platform::CreateParams p;
        p.className = "Plain";
        p.caption = caption;
        p.style = style | platform::windowStyle::Visible | (parent && !(style & platform::windowStyle::Popup) ? platform::windowStyle::Child : 0);
        p.rect = rect;
        p.parent = parent;
        p.id = id;
        auto w = desktop->createWindow(p);
        EXPECT_TRUE(w) << w.message();
        desktop->setUserData(w.value(), color);
        desktop->invalidate(w.value());
        return w.valueOr({});
    }

    // Messages of one number a window received, in order.
    std::vector<platform::Message> received(platform::WindowHandle w, uint32_t id) const
    {
        std::vector<platform::Message> out;
        for (const auto& [window, m] : log)
            if (window == w && m.id == id)
                out.push_back(m);
        return out;
    }

    uint32_t screenPixel(int32_t x, int32_t y) const { return desktop->screen().pixel(x, y).rgbBits(); }

    // The log outlives the desktop: windows still report while the desktop closes them.
    std::vector<std::pair<platform::WindowHandle, platform::Message>> log;
    std::unique_ptr<platform::Desktop> desktop;
};

// Steps a modal loop runs one at a time when it has nothing else to do.
class InputScript {
public:
    explicit InputScript(platform::Desktop& desktop)
    {
        desktop.setIdleHandler([this](platform::Desktop& d) {
            if (m_next >= m_steps.size())
                return false;
            m_steps[m_next++](d);
            return true;
        });
    }
    InputScript& then(std::function<void(platform::Desktop&)> step)
    {
        m_steps.push_back(std::move(step));
        return *this;
    }
    size_t stepsRun() const { return m_next; }

private:
    std::vector<std::function<void(platform::Desktop&)>> m_steps;
    size_t m_next = 0;
};

inline platform::Point centre(const platform::Rect& r)
{
    return {r.left + r.width() / 2, r.top + r.height() / 2};
}

} // namespace uitest
