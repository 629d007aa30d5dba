#include "platform/ui/EditControl.h"

#include "platform/gfx/Font.h"
#include "platform/gfx/Painter.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Key.h"
#include "platform/ui/Notification.h"

#include <algorithm>
#include <cctype>

namespace platform {

namespace {

constexpr int32_t margin = 1;

bool isWordChar(char c)
{
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

} // namespace

Status EditControl::registerClass(Desktop& desktop)
{
    return controlSupport::registerControlClass<EditControl>(desktop, className, classStyle::DoubleClicks,
                                                             CursorShape::IBeam);
}

EditControl::EditControl(Desktop& desktop, WindowHandle window)
    : m_desktop(desktop), m_window(window), m_text(desktop.text(window))
{
}

uint32_t EditControl::bits() const
{
    return m_desktop.style(m_window) & windowStyle::ClassMask;
}

bool EditControl::isMultiLine() const
{
    return (bits() & editStyle::MultiLine) != 0;
}

std::pair<size_t, size_t> EditControl::selection() const
{
    return {std::min(m_anchor, m_caret), std::max(m_anchor, m_caret)};
}

std::vector<EditControl::Line> EditControl::lines() const
{
    std::vector<Line> out;
    if (!isMultiLine()) {
        out.push_back({0, m_text.size()});
        return out;
    }
    size_t start = 0;
    while (true) {
        const size_t nl = m_text.find('\n', start);
        if (nl == std::string::npos) {
            out.push_back({start, m_text.size()});
            return out;
        }
        const size_t end = (nl > start && m_text[nl - 1] == '\r') ? nl - 1 : nl;
        out.push_back({start, end});
        start = nl + 1;
    }
}

std::string EditControl::lineText(size_t line) const
{
    const std::vector<Line> all = lines();
    if (line >= all.size())
        return {};
    return m_text.substr(all[line].start, all[line].end - all[line].start);
}

size_t EditControl::lineOfPosition(size_t position) const
{
    const std::vector<Line> all = lines();
    for (size_t i = 0; i < all.size(); ++i)
        if (position <= all[i].end || i + 1 == all.size() || position < all[i + 1].start)
            return i;
    return all.size() - 1;
}

std::string EditControl::shown(size_t from, size_t to) const
{
    from = std::min(from, m_text.size());
    to = std::clamp(to, from, m_text.size());
    if (bits() & editStyle::Password)
        return std::string(to - from, '*');
    return m_text.substr(from, to - from);
}

int32_t EditControl::widthOf(size_t from, size_t to) const
{
    const std::shared_ptr<const Font> f = m_desktop.font(m_window);
    return f ? f->textWidth(shown(from, to)) : 0;
}

int32_t EditControl::lineHeight() const
{
    const std::shared_ptr<const Font> f = m_desktop.font(m_window);
    return std::max(1, f ? f->height() : 13);
}

Rect EditControl::textArea() const
{
    const Rect c = m_desktop.clientRect(m_window);
    Rect area{c.left + margin, c.top, c.right - margin, c.bottom};
    if (!isMultiLine()) {
        // One line, centred vertically in the field.
        const int32_t h = lineHeight();
        area.top = c.top + std::max(0, (c.height() - h) / 2);
        area.bottom = area.top + h;
    }
    return area;
}

size_t EditControl::positionFromPoint(Point client) const
{
    const std::vector<Line> all = lines();
    const Rect area = textArea();
    size_t lineIndex = 0;
    if (isMultiLine()) {
        const int32_t row = client.y < area.top ? -1 : (client.y - area.top) / lineHeight();
        const int64_t target = int64_t(m_firstLine) + row;
        lineIndex = size_t(std::clamp<int64_t>(target, 0, int64_t(all.size()) - 1));
    }
    const Line& line = all[lineIndex];
    const int32_t x = client.x - area.left + m_scrollX;
    // The character whose middle lies right of x.
    size_t best = line.start;
    int32_t acc = 0;
    for (size_t p = line.start; p < line.end; ++p) {
        const int32_t w = widthOf(p, p + 1);
        if (x < acc + w / 2)
            return p;
        acc += w;
        best = p + 1;
    }
    return best;
}

Point EditControl::pointOfPosition(size_t position) const
{
    const std::vector<Line> all = lines();
    const size_t lineIndex = lineOfPosition(position);
    const Rect area = textArea();
    const int32_t x = area.left + widthOf(all[lineIndex].start, std::min(position, all[lineIndex].end)) - m_scrollX;
    const int32_t y = area.top + (int32_t(lineIndex) - int32_t(m_firstLine)) * lineHeight();
    return {x, y};
}

size_t EditControl::previousPosition(size_t p) const
{
    if (p == 0)
        return 0;
    // A line break counts as one step.
    if (p >= 2 && m_text[p - 1] == '\n' && m_text[p - 2] == '\r')
        return p - 2;
    return p - 1;
}

size_t EditControl::nextPosition(size_t p) const
{
    if (p >= m_text.size())
        return m_text.size();
    if (m_text[p] == '\r' && p + 1 < m_text.size() && m_text[p + 1] == '\n')
        return p + 2;
    return p + 1;
}

void EditControl::setSelection(size_t anchor, size_t caretPos)
{
    m_anchor = std::min(anchor, m_text.size());
    m_caret = std::min(caretPos, m_text.size());
    m_preferredX = -1;
    ensureCaretVisible();
    m_desktop.invalidate(m_window);
}

void EditControl::moveCaret(size_t position, bool extend)
{
    m_caret = std::min(position, m_text.size());
    if (!extend)
        m_anchor = m_caret;
    ensureCaretVisible();
    m_desktop.invalidate(m_window);
}

void EditControl::setReadOnly(bool readOnly)
{
    const uint32_t s = m_desktop.style(m_window);
    m_desktop.setStyle(m_window, readOnly ? s | editStyle::ReadOnly : s & ~editStyle::ReadOnly);
}

bool EditControl::replaceSelection(const std::string& replacement)
{
    if (bits() & editStyle::ReadOnly)
        return false;
    std::string insert = replacement;
    if (!isMultiLine()) {
        // A single line keeps only the first line of what is pasted.
        const size_t nl = insert.find_first_of("\r\n");
        if (nl != std::string::npos)
            insert.resize(nl);
    }
    if (bits() & editStyle::Number)
        if (!std::all_of(insert.begin(), insert.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }))
            return false;
    const auto [start, end] = selection();
    const size_t room = m_limit > m_text.size() - (end - start) ? m_limit - (m_text.size() - (end - start)) : 0;
    bool truncated = false;
    if (insert.size() > room) {
        insert.resize(room);
        truncated = true;
    }
    std::string next = m_text.substr(0, start) + insert + m_text.substr(end);
    if (!isMultiLine() && !(bits() & editStyle::AutoHScroll)) {
        // Without horizontal scrolling the line takes only what fits.
        const std::shared_ptr<const Font> f = m_desktop.font(m_window);
        const std::string look = (bits() & editStyle::Password) ? std::string(next.size(), '*') : next;
        if (f && f->textWidth(look) > textArea().width() - 1)
            return false;
    }
    if (truncated)
        controlSupport::notify(m_desktop, m_window, notification::MaxTextReached);
    if (insert.empty() && start == end)
        return !truncated;
    storeText(std::move(next), start + insert.size());
    return true;
}

void EditControl::storeText(std::string newText, size_t caretPos)
{
    m_text = std::move(newText);
    m_caret = m_anchor = std::min(caretPos, m_text.size());
    m_modified = true;
    m_preferredX = -1;
    // The window's text follows, without coming back here through msg::SetText.
    const std::string copyOfText = m_text;
    m_desktop.defaultProcedure(m_window, Message{msg::SetText, 0, int64_t(reinterpret_cast<intptr_t>(&copyOfText))});
    ensureCaretVisible();
    m_desktop.invalidate(m_window);
    controlSupport::notify(m_desktop, m_window, notification::Changed);
}

void EditControl::cut()
{
    if (bits() & editStyle::ReadOnly)
        return;
    copy();
    replaceSelection({});
}

void EditControl::copy() const
{
    const auto [start, end] = selection();
    if (start == end || (bits() & editStyle::Password))
        return;
    m_desktop.setClipboardText(m_text.substr(start, end - start));
}

void EditControl::paste()
{
    if (!m_desktop.clipboardText().empty())
        replaceSelection(m_desktop.clipboardText());
}

void EditControl::ensureCaretVisible()
{
    const Rect area = textArea();
    const std::vector<Line> all = lines();
    const size_t lineIndex = lineOfPosition(m_caret);
    const int32_t caretX = widthOf(all[lineIndex].start, std::min(m_caret, all[lineIndex].end));
    const int32_t visibleWidth = std::max(1, area.width() - 1);
    if (caretX < m_scrollX)
        m_scrollX = std::max(0, caretX - visibleWidth / 4);
    else if (caretX > m_scrollX + visibleWidth)
        m_scrollX = caretX - visibleWidth;
    if (isMultiLine()) {
        const size_t visibleLines = size_t(std::max(1, area.height() / lineHeight()));
        if (lineIndex < m_firstLine)
            m_firstLine = lineIndex;
        else if (lineIndex >= m_firstLine + visibleLines)
            m_firstLine = lineIndex - visibleLines + 1;
    }
}

void EditControl::selectWordAt(size_t position)
{
    size_t start = std::min(position, m_text.size());
    size_t end = start;
    while (start > 0 && isWordChar(m_text[start - 1]))
        --start;
    while (end < m_text.size() && isWordChar(m_text[end]))
        ++end;
    setSelection(start, end);
}

void EditControl::keyDown(uint32_t code)
{
    const uint64_t mods = m_desktop.modifierState();
    const bool shift = (mods & mouseKey::Shift) != 0;
    const bool control = (mods & mouseKey::Control) != 0;
    const auto [start, end] = selection();
    const std::vector<Line> all = lines();
    const size_t lineIndex = lineOfPosition(m_caret);
    switch (code) {
    case key::Left:
        m_preferredX = -1;
        moveCaret(!shift && start != end ? start : previousPosition(m_caret), shift);
        return;
    case key::Right:
        m_preferredX = -1;
        moveCaret(!shift && start != end ? end : nextPosition(m_caret), shift);
        return;
    case key::Home:
        m_preferredX = -1;
        moveCaret(control ? 0 : all[lineIndex].start, shift);
        return;
    case key::End:
        m_preferredX = -1;
        moveCaret(control ? m_text.size() : all[lineIndex].end, shift);
        return;
    case key::Up:
    case key::Down:
    case key::PageUp:
    case key::PageDown: {
        if (!isMultiLine())
            return;
        const int32_t page = std::max(1, textArea().height() / lineHeight());
        const int32_t step = code == key::Up ? -1 : code == key::Down ? 1 : code == key::PageUp ? -page : page;
        const int64_t target = std::clamp<int64_t>(int64_t(lineIndex) + step, 0, int64_t(all.size()) - 1);
        if (m_preferredX < 0)
            m_preferredX = widthOf(all[lineIndex].start, m_caret);
        const int32_t keepX = m_preferredX;
        const Line& line = all[size_t(target)];
        size_t p = line.start;
        int32_t acc = 0;
        while (p < line.end) {
            const int32_t w = widthOf(p, p + 1);
            if (keepX < acc + w / 2)
                break;
            acc += w;
            ++p;
        }
        moveCaret(p, shift);
        m_preferredX = keepX;
        return;
    }
    case key::Backspace:
        if (start != end)
            replaceSelection({});
        else if (m_caret > 0 && !(bits() & editStyle::ReadOnly)) {
            m_anchor = previousPosition(m_caret);
            replaceSelection({});
        }
        return;
    case key::Delete:
        if (shift) {
            cut();
            return;
        }
        if (start != end)
            replaceSelection({});
        else if (m_caret < m_text.size() && !(bits() & editStyle::ReadOnly)) {
            m_anchor = nextPosition(m_caret);
            replaceSelection({});
        }
        return;
    case key::Insert:
        if (control)
            copy();
        else if (shift)
            paste();
        return;
    default:
        break;
    }
    if (!control)
        return;
    switch (code) {
    case 'A': selectAll(); return;
    case 'C': copy(); return;
    case 'X': cut(); return;
    case 'V': paste(); return;
    default: return;
    }
}

void EditControl::typeChar(char c)
{
    if (m_desktop.modifierState() & (mouseKey::Control | mouseKey::Alt))
        return;
    if (c == '\r') {
        if (isMultiLine())
            replaceSelection("\r\n");
        return;
    }
    if (static_cast<unsigned char>(c) < 0x20)
        return;
    replaceSelection(std::string(1, c));
}

int64_t EditControl::handle(const Message& m)
{
    switch (m.id) {
    case msg::Create:
        return 0;
    case msg::SetText:
        if (const auto* s = reinterpret_cast<const std::string*>(intptr_t(m.lParam))) {
            m_text = *s;
            if (!isMultiLine()) {
                const size_t nl = m_text.find_first_of("\r\n");
                if (nl != std::string::npos)
                    m_text.resize(nl);
            }
            m_caret = m_anchor = 0;
            m_scrollX = 0;
            m_firstLine = 0;
            m_modified = false;
            const std::string stored = m_text;
            m_desktop.defaultProcedure(m_window, Message{msg::SetText, 0, int64_t(reinterpret_cast<intptr_t>(&stored))});
            controlSupport::notify(m_desktop, m_window, notification::Changed);
        }
        return 1;
    case msg::EraseBackground: {
        const bool grey = !m_desktop.isEnabled(m_window) || (bits() & editStyle::ReadOnly);
        controlSupport::paintContext(m).painter.fillRect(
            m_desktop.clientRect(m_window), m_desktop.colors().color(grey ? SystemColor::ButtonFace : SystemColor::Window));
        return 1;
    }
    case msg::Paint:
        paint(controlSupport::paintContext(m).painter);
        return 0;
    case msg::SetFocus:
        m_focused = true;
        m_desktop.invalidate(m_window);
        controlSupport::notify(m_desktop, m_window, notification::GotFocus);
        return 0;
    case msg::KillFocus:
        m_focused = false;
        m_desktop.invalidate(m_window);
        controlSupport::notify(m_desktop, m_window, notification::LostFocus);
        return 0;
    case msg::LeftDown: {
        if (m_desktop.focus() != m_window)
            m_desktop.setFocus(m_window);
        const bool extend = (m.wParam & mouseKey::Shift) != 0;
        m_preferredX = -1;
        moveCaret(positionFromPoint(unpackPoint(m.lParam)), extend);
        m_dragging = true;
        m_desktop.setCapture(m_window);
        return 0;
    }
    case msg::LeftDoubleClick:
        selectWordAt(positionFromPoint(unpackPoint(m.lParam)));
        return 0;
    case msg::MouseMove:
        if (m_dragging)
            moveCaret(positionFromPoint(unpackPoint(m.lParam)), true);
        return 0;
    case msg::LeftUp:
        if (m_dragging) {
            m_dragging = false;
            m_desktop.releaseCapture();
        }
        return 0;
    case msg::CaptureLost:
        m_dragging = false;
        return 0;
    case msg::KeyDown:
        keyDown(uint32_t(m.wParam));
        return 0;
    case msg::Char:
        typeChar(char(m.wParam));
        return 0;
    case msg::WantKeys:
        return dialogCode::Arrows | dialogCode::Chars
            | ((isMultiLine() && (bits() & editStyle::WantReturn)) ? dialogCode::Enter : 0);
    default:
        return m_desktop.defaultProcedure(m_window, m);
    }
}

void EditControl::paint(Painter& p)
{
    const SystemColors& colors = m_desktop.colors();
    const Rect area = textArea();
    p.intersectClipRect({area.left, m_desktop.clientRect(m_window).top, area.right, m_desktop.clientRect(m_window).bottom});
    p.setBackgroundMode(BackgroundMode::Transparent);
    const bool enabled = m_desktop.isEnabled(m_window);
    const Color normal = colors.color(enabled ? SystemColor::WindowText : SystemColor::GrayText);
    const auto [selStart, selEnd] = selection();
    const std::vector<Line> all = lines();
    const int32_t h = lineHeight();
    const size_t visibleLines = isMultiLine() ? size_t(std::max(1, area.height() / h + 1)) : 1;
    for (size_t i = m_firstLine; i < all.size() && i < m_firstLine + visibleLines; ++i) {
        const Line& line = all[i];
        const int32_t y = area.top + int32_t(i - m_firstLine) * h;
        int32_t x = area.left - m_scrollX;
        // Three runs: before, inside and after the selection (shown only with the focus).
        const size_t a = m_focused ? std::clamp(selStart, line.start, line.end) : line.end;
        const size_t b = m_focused ? std::clamp(selEnd, line.start, line.end) : line.end;
        p.setTextColor(normal);
        p.textOut({x, y}, shown(line.start, a));
        x += widthOf(line.start, a);
        if (b > a) {
            const int32_t w = widthOf(a, b);
            p.fillRect({x, y, x + w, y + h}, colors.color(SystemColor::Highlight));
            p.setTextColor(colors.color(SystemColor::HighlightText));
            p.textOut({x, y}, shown(a, b));
            x += w;
        }
        p.setTextColor(normal);
        p.textOut({x, y}, shown(b, line.end));
    }
    if (m_focused) {
        const Point c = pointOfPosition(m_caret);
        p.fillRect({c.x, c.y, c.x + 1, c.y + h}, colors.color(SystemColor::WindowText));
    }
}

} // namespace platform
