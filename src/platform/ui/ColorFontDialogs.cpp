#include "platform/ui/CommonDialogs.h"

#include "platform/gfx/EdgeFlags.h"
#include "platform/gfx/Font.h"
#include "platform/gfx/Painter.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ControlSupport.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Notification.h"

#include <algorithm>
#include <cstdlib>

namespace platform {

namespace {

constexpr const char* wellClass = "ColorWell";
constexpr int32_t firstWellId = 200;
constexpr int32_t previewId = 250;
constexpr int32_t redId = 300;
constexpr int32_t greenId = 301;
constexpr int32_t blueId = 302;

// A square of one colour (the window's user data, a colour reference); a click reports it.
void ensureWellClass(Desktop& desktop)
{
    if (desktop.findClass(wellClass))
        return;
    (void)desktop.registerClass(WindowClass{
        wellClass,
        [](Desktop& d, WindowHandle w, const Message& m) -> int64_t {
            switch (m.id) {
            case msg::Paint: {
                Painter& p = controlSupport::paintContext(m).painter;
                const Rect r = d.clientRect(w);
                const Rect inside = p.drawEdge(r, edge::Sunken, border::Rect);
                p.fillRect(inside, Color::fromColorRef(uint32_t(d.userData(w))));
                if (d.focus() == w)
                    p.frameRect(r, Brush::solid(colors::black));
                return 0;
            }
            case msg::LeftDown:
                d.setFocus(w);
                controlSupport::notify(d, w, notification::Clicked);
                return 0;
            case msg::SetFocus:
            case msg::KillFocus:
                d.invalidate(w);
                return 0;
            default: return d.defaultProcedure(w, m);
            }
        },
        0, CursorShape::Arrow, std::nullopt});
}

uint32_t colorRef(int r, int g, int b)
{
    return uint32_t(r) | (uint32_t(g) << 8) | (uint32_t(b) << 16);
}

} // namespace

const std::vector<uint32_t>& basicColors()
{
    // Eight hues in five strengths, and a row of greys from black to white.
    static const std::vector<uint32_t> palette = [] {
        const int hues[8][3] = {{255, 0, 0}, {255, 128, 0}, {255, 255, 0}, {0, 255, 0},
                                {0, 255, 255}, {0, 0, 255}, {128, 0, 255}, {255, 0, 255}};
        const int strengths[5][2] = {{255, 128}, {255, 0}, {192, 0}, {128, 0}, {64, 0}}; // scale, lift
        std::vector<uint32_t> out;
        for (const auto& s : strengths)
            for (const auto& h : hues)
                out.push_back(colorRef(std::min(255, h[0] * s[0] / 255 + s[1] * (255 - h[0]) / 255),
                                       std::min(255, h[1] * s[0] / 255 + s[1] * (255 - h[1]) / 255),
                                       std::min(255, h[2] * s[0] / 255 + s[1] * (255 - h[2]) / 255)));
        for (int i = 0; i < 8; ++i) {
            const int v = i * 255 / 7;
            out.push_back(colorRef(v, v, v));
        }
        return out;
    }();
    return palette;
}

std::optional<uint32_t> runColorDialog(Desktop& desktop, WindowHandle owner, uint32_t initialColor)
{
    ensureWellClass(desktop);
    DialogTemplate t;
    t.caption = "Color";
    t.style = windowStyle::Caption | windowStyle::SystemMenu | windowStyle::DialogFrame;
    t.rect = {0, 0, 176, 128};
    const uint32_t child = windowStyle::Child | windowStyle::Visible;
    t.items.push_back({"Static", -1, "&Basic colors:", {6, 4, 120, 12}, child, 0});
    for (int i = 0; i < 48; ++i) {
        const int col = i % 8, row = i / 8;
        const int32_t x = 6 + col * 14, y = 14 + row * 12;
        t.items.push_back({wellClass, firstWellId + i, {}, {x, y, x + 12, y + 10},
                           child | (i == 0 ? windowStyle::TabStop | windowStyle::Group : 0), 0});
    }
    t.items.push_back({wellClass, previewId, {}, {124, 14, 170, 40}, child, 0});
    const char* labels[3] = {"&Red:", "&Green:", "Bl&ue:"};
    for (int i = 0; i < 3; ++i) {
        const int32_t y = 48 + i * 14;
        t.items.push_back({"Static", -1, labels[i], {124, y + 2, 146, y + 10}, child, 0});
        t.items.push_back({"Edit", redId + i, {}, {146, y, 170, y + 12},
                           child | windowStyle::Border | windowStyle::TabStop | (i == 0 ? windowStyle::Group : 0)
                               | editStyle::Number | editStyle::AutoHScroll,
                           0});
    }
    t.items.push_back({"Button", commandIds::Ok, "OK", {6, 108, 56, 122},
                       child | windowStyle::TabStop | windowStyle::Group | buttonStyle::DefaultPush, 0});
    t.items.push_back({"Button", commandIds::Cancel, "Cancel", {62, 108, 112, 122}, child | windowStyle::TabStop, 0});

    uint32_t current = initialColor & 0xFFFFFF;
    bool updating = false;
    auto show = [&](Dialog& d, bool fields) {
        desktop.setUserData(d.item(previewId), current);
        desktop.invalidate(d.item(previewId));
        if (!fields)
            return;
        updating = true;
        d.setItemText(redId, std::to_string(current & 0xFF));
        d.setItemText(greenId, std::to_string((current >> 8) & 0xFF));
        d.setItemText(blueId, std::to_string((current >> 16) & 0xFF));
        updating = false;
    };
    Result<int64_t> result = Dialog::runModal(desktop, t, owner, [&](Dialog& d, const Message& m) -> std::optional<int64_t> {
        if (m.id == msg::InitDialog) {
            for (int i = 0; i < 48; ++i)
                desktop.setUserData(d.item(firstWellId + i), basicColors()[size_t(i)]);
            for (int i = 0; i < 3; ++i)
                if (EditControl* e = EditControl::of(desktop, d.item(redId + i)))
                    e->setLimit(3);
            show(d, true);
            return std::nullopt;
        }
        if (m.id != msg::Command)
            return std::nullopt;
        const int32_t id = commandId(m.wParam);
        if (id >= firstWellId && id < firstWellId + 48) {
            current = basicColors()[size_t(id - firstWellId)];
            show(d, true);
            return 0;
        }
        if (id >= redId && id <= blueId && commandNotification(m.wParam) == notification::Changed && !updating) {
            const int value = std::clamp(std::atoi(d.itemText(id).c_str()), 0, 255);
            const int shift = (id - redId) * 8;
            current = (current & ~(0xFFu << shift)) | (uint32_t(value) << shift);
            show(d, false);
            return 0;
        }
        return std::nullopt;
    });
    if (!result || result.value() != commandIds::Ok)
        return std::nullopt;
    return current;
}

std::optional<LogFont> runFontDialog(Desktop& desktop, WindowHandle owner, const FontDialogOptions& options)
{
    constexpr int32_t faceId = 400, styleId = 401, sizeId = 402, strikeId = 410, underlineId = 411, sampleId = 420;
    auto t = readDialogTemplate(R"(DIALOG 0 0 240 140
CAPTION "Font"
STYLE sysmenu modalframe
CONTROL Static -1 "&Font:" 6 4 90 9
CONTROL ComboBox 400 "" 6 14 90 80 dropdownlist sort tabstop group
CONTROL Static -1 "Font st&yle:" 102 4 60 9
CONTROL ListBox 401 "" 102 14 60 44 border notify tabstop group
CONTROL Static -1 "&Size:" 168 4 30 9
CONTROL ComboBox 402 "" 168 14 30 80 dropdown tabstop group
CONTROL Button -1 "Effects" 6 62 90 38 groupbox
CONTROL Button 410 "Stri&keout" 12 74 70 10 autocheckbox tabstop group
CONTROL Button 411 "&Underline" 12 86 70 10 autocheckbox tabstop
CONTROL Button -1 "Sample" 102 62 132 38 groupbox
CONTROL Static 420 "AaBbYyZz" 108 72 120 24 center singleline
CONTROL Button 1 "OK" 128 118 50 14 defpushbutton tabstop group
CONTROL Button 2 "Cancel" 184 118 50 14 tabstop
)");
    if (!t)
        return std::nullopt;
    LogFont chosen = options.initial;
    if (chosen.faceName.empty())
        chosen.faceName = "MS Sans Serif";
    auto pointsOf = [](int32_t height) { return height == 0 ? 8 : (std::abs(height) * 72 + 48) / 96; };
    const char* styles[4] = {"Regular", "Italic", "Bold", "Bold Italic"};
    auto apply = [&](Dialog& d) {
        if (ComboBox* face = ComboBox::of(desktop, d.item(faceId)); face && face->selection() >= 0)
            chosen.faceName = face->itemText(face->selection());
        if (ListBox* style = ListBox::of(desktop, d.item(styleId)); style && style->selection() >= 0) {
            chosen.italic = style->selection() % 2 == 1;
            chosen.weight = style->selection() >= 2 ? LogFont::boldWeight : LogFont::normalWeight;
        }
        if (ComboBox* size = ComboBox::of(desktop, d.item(sizeId))) {
            const int points = std::atoi(size->fieldText().c_str());
            if (points >= 1 && points <= 400)
                chosen.height = -((points * 96 + 36) / 72);
        }
        chosen.strikeOut = Button::of(desktop, d.item(strikeId)) && Button::of(desktop, d.item(strikeId))->checkState() == 1;
        chosen.underline = Button::of(desktop, d.item(underlineId)) && Button::of(desktop, d.item(underlineId))->checkState() == 1;
        if (auto font = desktop.fonts().font(chosen))
            desktop.setFont(d.item(sampleId), font.value());
    };
    Result<int64_t> result = Dialog::runModal(desktop, t.value(), owner, [&](Dialog& d, const Message& m) -> std::optional<int64_t> {
        if (m.id == msg::InitDialog) {
            if (ComboBox* face = ComboBox::of(desktop, d.item(faceId))) {
                for (const std::string& name : options.faceNames)
                    face->addString(name);
                if (face->findStringExact(chosen.faceName) < 0)
                    face->addString(chosen.faceName);
                face->setSelection(face->findStringExact(chosen.faceName));
            }
            if (ListBox* style = ListBox::of(desktop, d.item(styleId))) {
                for (const char* s : styles)
                    style->addString(s);
                style->setSelection((chosen.isBold() ? 2 : 0) + (chosen.italic ? 1 : 0));
            }
            if (ComboBox* size = ComboBox::of(desktop, d.item(sizeId))) {
                for (int points : {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72})
                    size->addString(std::to_string(points));
                size->setFieldText(std::to_string(pointsOf(chosen.height)));
            }
            if (Button* b = Button::of(desktop, d.item(strikeId)))
                b->setCheckState(chosen.strikeOut ? 1 : 0);
            if (Button* b = Button::of(desktop, d.item(underlineId)))
                b->setCheckState(chosen.underline ? 1 : 0);
            apply(d);
            return std::nullopt;
        }
        if (m.id == msg::Command) {
            const int32_t id = commandId(m.wParam);
            if (id == faceId || id == styleId || id == sizeId || id == strikeId || id == underlineId)
                apply(d);
            if (id == commandIds::Ok && commandNotification(m.wParam) == notification::Clicked)
                apply(d);
        }
        return std::nullopt;
    });
    if (!result || result.value() != commandIds::Ok)
        return std::nullopt;
    if (chosen.height == 0)
        chosen.height = -11;
    return chosen;
}

} // namespace platform
