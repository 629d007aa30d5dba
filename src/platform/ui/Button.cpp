#include "platform/ui/Button.h"

#include "platform/gfx/EdgeFlags.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/FrameControl.h"
#include "platform/gfx/Painter.h"
#include "platform/gfx/TextFormat.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Key.h"
#include "platform/ui/Notification.h"

#include <algorithm>

namespace platform {

Status Button::registerClass(Desktop& desktop)
{
    return controlSupport::registerControlClass<Button>(desktop, className, classStyle::DoubleClicks, CursorShape::Arrow);
}

uint32_t Button::kind() const
{
    return m_desktop.style(m_window) & buttonStyle::KindMask;
}

bool Button::isRadio() const
{
    return kind() == buttonStyle::Radio || kind() == buttonStyle::AutoRadio;
}

bool Button::isCheck() const
{
    const uint32_t k = kind();
    return k == buttonStyle::CheckBox || k == buttonStyle::AutoCheckBox || k == buttonStyle::ThreeState
        || k == buttonStyle::AutoThreeState;
}

void Button::setCheckState(int state)
{
    const int limit = (kind() == buttonStyle::ThreeState || kind() == buttonStyle::AutoThreeState) ? 2 : 1;
    state = std::clamp(state, 0, limit);
    if (state == m_check)
        return;
    m_check = state;
    m_desktop.invalidate(m_window);
}

void Button::setDefault(bool isDefault)
{
    const uint32_t k = kind();
    if (k != buttonStyle::Push && k != buttonStyle::DefaultPush)
        return;
    const uint32_t s = m_desktop.style(m_window) & ~buttonStyle::KindMask;
    m_desktop.setStyle(m_window, s | (isDefault ? buttonStyle::DefaultPush : buttonStyle::Push));
}

bool Button::isDefault() const
{
    return kind() == buttonStyle::DefaultPush;
}

void Button::setPushed(bool pushed)
{
    if (pushed != m_pushed) {
        m_pushed = pushed;
        m_desktop.invalidate(m_window);
    }
}

void Button::clearGroupRadios()
{
    // The group runs from the nearest sibling at or before this one that starts a group up to
    // the next one that starts another.
    const WindowHandle parentWindow = m_desktop.parent(m_window);
    const std::vector<WindowHandle> siblings = m_desktop.children(parentWindow);
    auto self = std::find(siblings.begin(), siblings.end(), m_window);
    if (self == siblings.end())
        return;
    auto first = self;
    while (first != siblings.begin() && !(m_desktop.style(*first) & windowStyle::Group))
        --first;
    for (auto it = first; it != siblings.end(); ++it) {
        if (it != first && (m_desktop.style(*it) & windowStyle::Group))
            break;
        if (*it == m_window)
            continue;
        if (Button* other = Button::of(m_desktop, *it); other && other->kind() == buttonStyle::AutoRadio)
            other->setCheckState(0);
    }
}

void Button::click()
{
    switch (kind()) {
    case buttonStyle::AutoCheckBox: setCheckState(m_check ? 0 : 1); break;
    case buttonStyle::AutoThreeState: setCheckState((m_check + 1) % 3); break;
    case buttonStyle::AutoRadio:
        clearGroupRadios();
        setCheckState(1);
        break;
    case buttonStyle::GroupBox: return;
    default: break;
    }
    controlSupport::notify(m_desktop, m_window, notification::Clicked);
}

int64_t Button::handle(const Message& m)
{
    switch (m.id) {
    case msg::Create:
        if (kind() == buttonStyle::GroupBox)
            m_desktop.setExStyle(m_window, m_desktop.exStyle(m_window) | extendedStyle::Transparent);
        return 0;
    case msg::Paint:
        paint(controlSupport::paintContext(m).painter);
        return 0;
    case msg::EraseBackground:
        return 1;
    case msg::LeftDown:
    case msg::LeftDoubleClick:
        if (kind() == buttonStyle::GroupBox)
            return 0;
        m_desktop.setFocus(m_window);
        m_desktop.setCapture(m_window);
        m_tracking = true;
        setPushed(true);
        return 0;
    case msg::MouseMove:
        if (m_tracking)
            setPushed(m_desktop.clientRect(m_window).contains(unpackPoint(m.lParam)));
        return 0;
    case msg::LeftUp:
        if (m_tracking) {
            m_tracking = false;
            const bool inside = m_desktop.clientRect(m_window).contains(unpackPoint(m.lParam));
            setPushed(false);
            m_desktop.releaseCapture();
            if (inside)
                click();
        }
        return 0;
    case msg::CaptureLost:
        m_tracking = false;
        setPushed(false);
        return 0;
    case msg::KeyDown:
        if (m.wParam == key::Space && kind() != buttonStyle::GroupBox) {
            m_spaceDown = true;
            setPushed(true);
        }
        return 0;
    case msg::KeyUp:
        if (m.wParam == key::Space && m_spaceDown) {
            m_spaceDown = false;
            setPushed(false);
            click();
        }
        return 0;
    case msg::SetFocus:
        m_focused = true;
        m_desktop.invalidate(m_window);
        return 0;
    case msg::KillFocus:
        m_focused = false;
        m_spaceDown = false;
        setPushed(false);
        m_desktop.invalidate(m_window);
        return 0;
    case msg::WantKeys:
        return isRadio() ? dialogCode::Arrows : 0;
    default:
        return m_desktop.defaultProcedure(m_window, m);
    }
}

void Button::paint(Painter& p)
{
    const Rect client = m_desktop.clientRect(m_window);
    const SystemColors& colors = m_desktop.colors();
    const bool enabled = m_desktop.isEnabled(m_window);
    const std::string label = m_desktop.text(m_window);
    p.setBackgroundMode(BackgroundMode::Transparent);
    p.setTextColor(colors.color(enabled ? SystemColor::ButtonText : SystemColor::GrayText));
    const uint32_t k = kind();
    if (k == buttonStyle::GroupBox) {
        const int32_t textHeight = p.font() ? p.font()->height() : 13;
        const Size extent = p.font() ? p.textExtent(label) : Size{};
        Rect frame{client.left, client.top + textHeight / 2, client.right, client.bottom};
        p.drawEdge(frame, edge::Etched, border::Rect);
        if (!label.empty()) {
            Rect textRect{client.left + 8, client.top, client.left + 8 + extent.cx + 4, client.top + textHeight};
            p.fillRect(textRect, colors.color(SystemColor::ButtonFace));
            textRect.left += 2;
            p.drawText(label, textRect, textFormat::Left | textFormat::SingleLine);
        }
        return;
    }
    p.fillRect(client, colors.color(SystemColor::ButtonFace));
    if (k == buttonStyle::Push || k == buttonStyle::DefaultPush) {
        Rect face = client;
        if (k == buttonStyle::DefaultPush || m_focused) {
            // The default button wears an extra black line.
            if (k == buttonStyle::DefaultPush) {
                p.frameRect(face, Brush::solid(colors.color(SystemColor::WindowFrame)));
                face = face.inflatedBy(-1, -1);
            }
        }
        p.drawFrameControl(face, frameControl::Button, frameControl::ButtonPush | (m_pushed ? frameControl::Pushed : 0));
        Rect textRect = face.inflatedBy(-2, -2);
        if (m_pushed)
            textRect = textRect.offsetBy(1, 1);
        p.drawText(label, textRect, textFormat::Center | textFormat::VCenter | textFormat::SingleLine);
        if (m_focused)
            p.drawFocusRect(face.inflatedBy(-4, -4));
        return;
    }
    // Check boxes and radio buttons: a 13-pixel box and the text beside it.
    const int32_t box = 13;
    const bool leftText = (m_desktop.style(m_window) & buttonStyle::LeftText) != 0;
    const int32_t boxTop = client.top + (client.height() - box) / 2;
    const Rect boxRect = leftText ? Rect{client.right - box, boxTop, client.right, boxTop + box}
                                  : Rect{client.left, boxTop, client.left + box, boxTop + box};
    uint32_t state = isRadio() ? frameControl::ButtonRadio : (m_check == 2 ? frameControl::Button3State : frameControl::ButtonCheck);
    if (m_check)
        state |= frameControl::Checked;
    if (m_pushed || !enabled)
        state |= frameControl::Inactive;
    p.drawFrameControl(boxRect, frameControl::Button, state);
    Rect textRect = leftText ? Rect{client.left, client.top, boxRect.left - 4, client.bottom}
                             : Rect{boxRect.right + 4, client.top, client.right, client.bottom};
    Rect measured = textRect;
    p.drawText(label, textRect, textFormat::Left | textFormat::VCenter | textFormat::SingleLine);
    if (m_focused && !label.empty()) {
        p.drawText(label, measured, textFormat::Left | textFormat::SingleLine | textFormat::CalcRect);
        const int32_t h = measured.height();
        const int32_t top = client.top + (client.height() - h) / 2;
        p.drawFocusRect({textRect.left - 1, top - 1, measured.right + 1, top + h + 1});
    }
}

} // namespace platform
