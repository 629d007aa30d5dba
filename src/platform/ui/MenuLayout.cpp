#include "platform/ui/MenuLayout.h"

#include "platform/gfx/EdgeFlags.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/FrameControl.h"
#include "platform/gfx/Painter.h"
#include "platform/gfx/TextFormat.h"

#include <algorithm>

namespace platform::menuLayout {

namespace {

// Width of a text as shown, with its '&' marks removed.
int32_t shownWidth(const Font& font, const std::string& text)
{
    std::string shown;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&')
                shown += '&', ++i;
            continue;
        }
        shown += text[i];
    }
    return font.textWidth(shown);
}

} // namespace

std::pair<std::string, std::string> splitShortcut(const std::string& text)
{
    const size_t tab = text.find('\t');
    if (tab == std::string::npos)
        return {text, {}};
    return {text.substr(0, tab), text.substr(tab + 1)};
}

std::vector<Rect> barTitleRects(const Menu& menu, const Font& font, const Rect& bar)
{
    std::vector<Rect> rects;
    int32_t x = bar.left;
    for (const MenuItem& item : menu.items()) {
        const int32_t w = item.isSeparator() ? 0 : shownWidth(font, splitShortcut(item.text).first) + 2 * barTitlePadding;
        rects.push_back({x, bar.top, x + w, bar.bottom});
        x += w;
    }
    return rects;
}

std::vector<Rect> popupItemRects(const Menu& menu, const Font& font, Size* popupSize)
{
    int32_t textWidth = 0;
    int32_t shortcutWidth = 0;
    for (const MenuItem& item : menu.items()) {
        if (item.isSeparator())
            continue;
        auto [label, shortcut] = splitShortcut(item.text);
        textWidth = std::max(textWidth, shownWidth(font, label));
        if (!shortcut.empty())
            shortcutWidth = std::max(shortcutWidth, font.textWidth(shortcut) + 12);
    }
    const int32_t width = popupCheckColumn + textWidth + shortcutWidth + popupArrowColumn;
    std::vector<Rect> rects;
    int32_t y = popupFrame;
    for (const MenuItem& item : menu.items()) {
        const int32_t h = item.isSeparator() ? popupSeparatorHeight : popupItemHeight;
        rects.push_back({popupFrame, y, popupFrame + width, y + h});
        y += h;
    }
    if (popupSize)
        *popupSize = {width + 2 * popupFrame, std::max(y, popupFrame + 4) + popupFrame};
    return rects;
}

void paintBar(Painter& painter, const SystemColors& colors, const std::shared_ptr<const Font>& font, const Menu& menu, const Rect& bar,
              int highlighted)
{
    painter.fillRect(bar, colors.color(SystemColor::Menu));
    painter.fillRect({bar.left, bar.bottom, bar.right, bar.bottom + 1}, colors.color(SystemColor::ButtonFace));
    painter.setFont(font);
    painter.setBackgroundMode(BackgroundMode::Transparent);
    const std::vector<Rect> rects = barTitleRects(menu, *font, bar);
    for (size_t i = 0; i < rects.size(); ++i) {
        const MenuItem& item = menu.item(i);
        if (item.isSeparator())
            continue;
        Rect cell = rects[i];
        if (int(i) == highlighted)
            painter.drawEdge(cell, edge::SunkenOuter, border::Rect);
        const bool grayed = (item.flags & menuFlag::Grayed) != 0;
        painter.setTextColor(colors.color(grayed ? SystemColor::GrayText : SystemColor::MenuText));
        Rect textRect = cell.offsetBy(int(i) == highlighted ? 1 : 0, int(i) == highlighted ? 1 : 0);
        painter.drawText(splitShortcut(item.text).first, textRect,
                         textFormat::Center | textFormat::VCenter | textFormat::SingleLine);
    }
}

void paintPopup(Painter& painter, const SystemColors& colors, const std::shared_ptr<const Font>& font, const Menu& menu, int highlighted)
{
    Size size;
    const std::vector<Rect> rects = popupItemRects(menu, *font, &size);
    const Rect whole{0, 0, size.cx, size.cy};
    painter.fillRect(whole, colors.color(SystemColor::Menu));
    painter.drawEdge(whole, edge::Raised, border::Rect);
    painter.setFont(font);
    painter.setBackgroundMode(BackgroundMode::Transparent);
    for (size_t i = 0; i < rects.size(); ++i) {
        const MenuItem& item = menu.item(i);
        const Rect r = rects[i];
        if (item.isSeparator()) {
            const int32_t y = r.top + r.height() / 2 - 1;
            painter.drawEdge({r.left + 1, y, r.right - 1, y + 2}, edge::Etched, border::Top);
            continue;
        }
        const bool hot = int(i) == highlighted;
        const bool grayed = (item.flags & menuFlag::Grayed) != 0;
        if (hot)
            painter.fillRect(r, colors.color(SystemColor::Highlight));
        const Color textColor = grayed ? colors.color(SystemColor::GrayText)
                              : hot    ? colors.color(SystemColor::HighlightText)
                                       : colors.color(SystemColor::MenuText);
        painter.setTextColor(textColor);
        auto [label, shortcut] = splitShortcut(item.text);
        Rect textRect{r.left + popupCheckColumn, r.top, r.right - popupArrowColumn, r.bottom};
        painter.drawText(label, textRect, textFormat::Left | textFormat::VCenter | textFormat::SingleLine);
        if (!shortcut.empty()) {
            Rect sc = textRect;
            painter.drawText(shortcut, sc, textFormat::Right | textFormat::VCenter | textFormat::SingleLine | textFormat::NoPrefix);
        }
        // Check marks and submenu arrows: black glyph masks, recoloured for the item's state.
        auto glyph = [&](const Rect& box, uint32_t part) {
            Bitmap mask({box.width(), box.height()}, colors::white);
            Painter mp(mask, colors);
            mp.drawFrameControl({0, 0, box.width(), box.height()}, frameControl::Menu, part);
            for (int32_t y = 0; y < box.height(); ++y)
                for (int32_t x = 0; x < box.width(); ++x)
                    if (mask.pixel(x, y).rgbBits() == 0)
                        painter.setPixel({box.left + x, box.top + y}, textColor);
        };
        const int32_t boxTop = r.top + (r.height() - 13) / 2;
        if (item.flags & menuFlag::Checked)
            glyph({r.left + 3, boxTop, r.left + 16, boxTop + 13}, frameControl::MenuCheck);
        if (item.submenu)
            glyph({r.right - 16, boxTop, r.right - 3, boxTop + 13}, frameControl::MenuArrow);
    }
}

} // namespace platform::menuLayout
