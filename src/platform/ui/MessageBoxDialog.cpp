#include "platform/ui/MessageBoxDialog.h"

#include "platform/gfx/Font.h"
#include "platform/gfx/Painter.h"
#include "platform/gfx/TextFormat.h"
#include "platform/ui/Button.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Notification.h"
#include "platform/ui/StaticText.h"

#include <algorithm>
#include <vector>

namespace platform {

namespace {

struct ButtonSpec {
    MessageAnswer answer;
    const char* label;
};

std::vector<ButtonSpec> buttonsOf(MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::Ok: return {{MessageAnswer::Ok, "OK"}};
    case MessageButtons::OkCancel: return {{MessageAnswer::Ok, "OK"}, {MessageAnswer::Cancel, "Cancel"}};
    case MessageButtons::AbortRetryIgnore:
        return {{MessageAnswer::Abort, "&Abort"}, {MessageAnswer::Retry, "&Retry"}, {MessageAnswer::Ignore, "&Ignore"}};
    case MessageButtons::YesNoCancel:
        return {{MessageAnswer::Yes, "&Yes"}, {MessageAnswer::No, "&No"}, {MessageAnswer::Cancel, "Cancel"}};
    case MessageButtons::YesNo: return {{MessageAnswer::Yes, "&Yes"}, {MessageAnswer::No, "&No"}};
    case MessageButtons::RetryCancel: return {{MessageAnswer::Retry, "&Retry"}, {MessageAnswer::Cancel, "Cancel"}};
    }
    return {{MessageAnswer::Ok, "OK"}};
}

// Pixels to dialog units, rounded up so that nothing gets smaller.
int32_t toUnits(int32_t pixels, int32_t base, int32_t per)
{
    return (pixels * per + base - 1) / base;
}

} // namespace

Bitmap MessageBoxDialog::iconPicture(MessageIcon icon)
{
    if (icon == MessageIcon::None)
        return {};
    Bitmap picture({32, 32}, colors::lightGrey);
    Painter p(picture);
    auto glyph = [&](const std::vector<Rect>& bars, Color c) {
        for (const Rect& r : bars)
            p.fillRect(r, c);
    };
    switch (icon) {
    case MessageIcon::Warning: {
        // A yellow triangle with a black exclamation mark.
        const Point triangle[3] = {{16, 1}, {31, 30}, {0, 30}};
        p.setPen(Pen::solid(colors::black));
        p.setBrush(Brush::solid(Color::rgb(255, 255, 0)));
        p.polygon(triangle);
        glyph({{14, 9, 18, 22}, {14, 24, 18, 28}}, colors::black);
        break;
    }
    case MessageIcon::Error: {
        p.setPen(Pen::solid(Color::rgb(128, 0, 0)));
        p.setBrush(Brush::solid(Color::rgb(255, 0, 0)));
        p.ellipse({1, 1, 31, 31});
        // A white cross of two thick diagonals.
        p.setPen(Pen::solid(colors::white, 4));
        p.drawLine({10, 10}, {21, 21});
        p.drawLine({21, 10}, {10, 21});
        break;
    }
    case MessageIcon::Information:
    case MessageIcon::Question: {
        p.setPen(Pen::solid(colors::black));
        p.setBrush(Brush::solid(colors::white));
        p.ellipse({1, 1, 31, 31});
        const Color blue = Color::rgb(0, 0, 255);
        if (icon == MessageIcon::Information)
            glyph({{14, 7, 18, 11}, {14, 13, 18, 25}, {12, 24, 20, 26}}, blue);
        else
            glyph({{11, 7, 21, 10}, {18, 10, 21, 15}, {14, 14, 19, 17}, {14, 17, 17, 20}, {14, 22, 17, 25}}, blue);
        break;
    }
    case MessageIcon::None: break;
    }
    return picture;
}

DialogTemplate MessageBoxDialog::layout(Desktop& desktop, const MessageBox& box, const std::string& defaultCaption)
{
    const std::shared_ptr<const Font> font = desktop.defaultFont();
    const Size base = font ? Dialog::baseUnitsOf(*font) : Size{6, 13};
    // The text's size when wrapped at 360 pixels.
    Bitmap scratch({1, 1});
    Painter measure(scratch);
    measure.setFont(font);
    Rect textRect{0, 0, 360, 0};
    measure.drawText(box.text, textRect, textFormat::WordBreak | textFormat::CalcRect | textFormat::NoPrefix | textFormat::ExpandTabs);
    const int32_t textWidth = std::max<int32_t>(textRect.width(), 1);
    const int32_t textHeight = std::max<int32_t>(textRect.height(), font ? font->height() : 13);

    const bool hasIcon = box.icon != MessageIcon::None;
    const int32_t margin = 11;
    const int32_t textLeft = hasIcon ? margin + 32 + 12 : margin;
    const int32_t buttonWidth = 75, buttonHeight = 23, gap = 6;
    const std::vector<ButtonSpec> buttons = buttonsOf(box.buttons);
    const int32_t rowWidth = int32_t(buttons.size()) * buttonWidth + int32_t(buttons.size() - 1) * gap;
    const int32_t bodyHeight = std::max(textHeight, hasIcon ? 32 : 0);
    const int32_t clientWidth = std::max({textLeft + textWidth + margin, rowWidth + 2 * margin, 120});
    const int32_t buttonTop = margin + bodyHeight + 12;
    const int32_t clientHeight = buttonTop + buttonHeight + margin;

    auto ux = [&](int32_t px) { return toUnits(px, base.cx, 4); };
    auto uy = [&](int32_t px) { return toUnits(px, base.cy, 8); };
    DialogTemplate t;
    t.caption = box.caption.empty() ? defaultCaption : box.caption;
    t.style = windowStyle::Caption | windowStyle::SystemMenu | windowStyle::DialogFrame;
    t.exStyle = extendedStyle::TopMost;
    t.rect = {0, 0, ux(clientWidth), uy(clientHeight)};
    if (hasIcon)
        t.items.push_back({StaticText::className, iconId, {}, {ux(margin), uy(margin), ux(margin + 32), uy(margin + 32)},
                           windowStyle::Child | windowStyle::Visible, 0});
    const int32_t textTop = margin + (bodyHeight - textHeight) / 2;
    t.items.push_back({StaticText::className, textId, box.text,
                       {ux(textLeft), uy(textTop), ux(textLeft + textWidth + 2), uy(textTop + textHeight + 2)},
                       windowStyle::Child | windowStyle::Visible | staticStyle::NoPrefix, 0});
    int32_t x = (clientWidth - rowWidth) / 2;
    bool first = true;
    for (const ButtonSpec& spec : buttons) {
        t.items.push_back({Button::className, int32_t(spec.answer), spec.label,
                           {ux(x), uy(buttonTop), ux(x) + ux(buttonWidth), uy(buttonTop) + uy(buttonHeight)},
                           windowStyle::Child | windowStyle::Visible | windowStyle::TabStop
                               | (first ? windowStyle::Group | buttonStyle::DefaultPush : buttonStyle::Push),
                           0});
        first = false;
        x += buttonWidth + gap;
    }
    return t;
}

MessageAnswer MessageBoxDialog::run(Desktop& desktop, const MessageBox& box, WindowHandle owner,
                                    const std::string& defaultCaption)
{
    const DialogTemplate t = layout(desktop, box, defaultCaption);
    const MessageButtons buttons = box.buttons;
    const Bitmap picture = iconPicture(box.icon);
    bool chosen = false;
    Result<int64_t> result = Dialog::runModal(desktop, t, owner, [&](Dialog& d, const Message& m) -> std::optional<int64_t> {
        if (m.id == msg::InitDialog) {
            if (StaticText* icon = StaticText::of(d.desktop(), d.item(iconId)))
                icon->setPicture(picture);
            return std::nullopt;
        }
        if (m.id == msg::Command && commandNotification(m.wParam) == notification::Clicked) {
            const auto answer = MessageAnswer(commandId(m.wParam));
            // Escape or the close box on a box without Cancel changes nothing.
            if (offersAnswer(buttons, answer)) {
                chosen = true;
                d.end(int64_t(answer));
            }
            return 0;
        }
        return std::nullopt;
    });
    // Nobody chose (the loop ran out of input): the box's default answer.
    if (!result || !chosen)
        return defaultAnswer(buttons);
    const auto answer = MessageAnswer(result.value());
    return offersAnswer(buttons, answer) ? answer : defaultAnswer(buttons);
}

MessageAnswer DialogMessagePresenter::present(const MessageBox& box)
{
    const WindowHandle active = m_desktop.activeWindow();
    const WindowHandle owner = active ? m_desktop.lastActivePopup(m_desktop.topLevelOf(active)) : WindowHandle{};
    return MessageBoxDialog::run(m_desktop, box, owner, m_defaultCaption);
}

void DialogMessagePresenter::setBusyCursor(bool busy)
{
    m_desktop.setBusy(busy);
}

} // namespace platform
