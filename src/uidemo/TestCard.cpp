#include "TestCard.h"

#include "platform/gfx/Brush.h"
#include "platform/gfx/EdgeFlags.h"
#include "platform/gfx/FrameControl.h"
#include "platform/gfx/LogFont.h"
#include "platform/gfx/Painter.h"
#include "platform/gfx/Pen.h"
#include "platform/gfx/TextFormat.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/MessageData.h"
#include "platform/ui/WindowClass.h"
#include "platform/ui/WindowStyle.h"

#include <string>

using namespace platform;

namespace {

constexpr Color kInk = colors::black;

void label(Painter& p, Point at, const std::string& text)
{
    p.setBackgroundMode(BackgroundMode::Transparent);
    p.setTextColor(kInk);
    p.textOut(at, text);
}

void penStyles(Painter& p, int32_t top)
{
    label(p, {8, top}, "Pens");
    const PenStyle styles[] = {PenStyle::Solid, PenStyle::Dash, PenStyle::Dot, PenStyle::DashDot,
                               PenStyle::DashDotDot, PenStyle::Null, PenStyle::InsideFrame};
    int32_t x = 60;
    for (const PenStyle style : styles) {
        p.setPen(Pen{style, 1, kInk});
        p.drawLine({x, top + 4}, {x + 40, top + 4});
        p.setPen(Pen{style, 3, Color::rgb(0, 0, 255)});
        p.setBrush(Brush::null());
        p.rectangle({x, top + 12, x + 40, top + 30});
        x += 50;
    }
}

void hatches(Painter& p, int32_t top)
{
    label(p, {8, top}, "Hatches");
    p.setPen(Pen::solid(kInk));
    int32_t x = 60;
    for (int h = 0; h <= static_cast<int>(HatchStyle::DiagonalCross); ++h) {
        p.setBackgroundMode(BackgroundMode::Opaque);
        p.setBackgroundColor(colors::white);
        p.setBrush(Brush::hatched(static_cast<HatchStyle>(h), Color::rgb(255, 0, 0)));
        p.rectangle({x, top, x + 40, top + 24});
        x += 50;
    }
    p.setBrush(Brush::solid(Color::rgb(0, 128, 0)));
    p.ellipse({x, top, x + 40, top + 24});
    p.roundRect({x + 50, top, x + 90, top + 24}, {10, 10});
}

void edges(Painter& p, int32_t top)
{
    label(p, {8, top}, "Edges");
    const uint32_t kinds[] = {edge::Raised, edge::Sunken, edge::Etched, edge::Bump, edge::RaisedOuter,
                              edge::SunkenOuter};
    int32_t x = 60;
    for (const uint32_t kind : kinds) {
        p.drawEdge({x, top, x + 40, top + 24}, kind, border::Rect | border::Middle);
        x += 50;
    }
    p.drawEdge({x, top, x + 40, top + 24}, edge::Sunken, border::TopLeft);
}

void frameControls(Painter& p, int32_t top)
{
    namespace fc = frameControl;
    label(p, {8, top}, "Frames");
    struct Part {
        uint32_t kind, state;
    };
    const Part parts[] = {
        {fc::Button, fc::ButtonPush},          {fc::Button, fc::ButtonPush | fc::Pushed},
        {fc::Button, fc::ButtonCheck},         {fc::Button, fc::ButtonCheck | fc::Checked},
        {fc::Button, fc::ButtonRadio},         {fc::Button, fc::ButtonRadio | fc::Checked},
        {fc::Caption, fc::CaptionClose},       {fc::Caption, fc::CaptionMin},
        {fc::Caption, fc::CaptionMax},         {fc::Scroll, fc::ScrollUp},
        {fc::Scroll, fc::ScrollDown | fc::Inactive}, {fc::Scroll, fc::ScrollComboBox},
    };
    int32_t x = 60;
    for (const Part& part : parts) {
        p.drawFrameControl({x, top, x + 16, top + 16}, part.kind, part.state);
        x += 24;
    }
}

void rubberBand(Painter& p, int32_t top)
{
    label(p, {8, top}, "Modes");
    p.fillRect({60, top, 200, top + 24}, Brush::hatched(HatchStyle::Cross, Color::rgb(0, 0, 255)));
    p.setDrawMode(DrawMode::Not);
    p.setBrush(Brush::null());
    p.setPen(Pen::solid(kInk));
    p.rectangle({70, top + 4, 190, top + 20});
    p.setDrawMode(DrawMode::CopyPen);
    p.invertRect({210, top, 260, top + 24});
}

void fonts(Painter& p, Desktop& desktop, int32_t top)
{
    struct Face {
        const char* name;
        int32_t height;
        int32_t weight;
        bool italic, underline, strikeOut;
    };
    const Face faces[] = {{"MS Sans Serif", 13, LogFont::normalWeight, false, false, false},
                          {"MS Sans Serif", 13, LogFont::boldWeight, false, false, false},
                          {"Arial", 16, LogFont::normalWeight, true, false, false},
                          {"Arial", 16, LogFont::normalWeight, false, true, true},
                          {"Courier New", 14, LogFont::normalWeight, false, false, false},
                          {"No Such Face", 14, LogFont::normalWeight, false, false, false}};
    int32_t y = top;
    for (const Face& face : faces) {
        LogFont logFont;
        logFont.height = face.height;
        logFont.weight = face.weight;
        logFont.italic = face.italic;
        logFont.underline = face.underline;
        logFont.strikeOut = face.strikeOut;
        logFont.faceName = face.name;
        auto font = desktop.fonts().font(logFont);
        if (!font)
            continue;
        p.setFont(font.value());
        label(p, {8, y}, std::string(face.name) + " " + std::to_string(face.height) + ": The quick brown fox 0123");
        y += face.height + 6;
    }
    p.setFont(desktop.defaultFont());
    Rect box{300, top, 440, top + 40};
    p.setPen(Pen::solid(kInk));
    p.setBrush(Brush::null());
    p.rectangle(box);
    p.drawText("Centred and ended with an ellipsis when it is far too long", box,
               textFormat::Center | textFormat::VCenter | textFormat::SingleLine | textFormat::EndEllipsis);
}

int64_t procedure(Desktop& desktop, WindowHandle window, const Message& message)
{
    if (message.id != msg::Paint)
        return desktop.defaultProcedure(window, message);
    auto* context = reinterpret_cast<PaintContext*>(message.lParam);
    Painter& p = context->painter;
    p.setFont(desktop.defaultFont());
    penStyles(p, 8);
    hatches(p, 48);
    edges(p, 82);
    frameControls(p, 116);
    rubberBand(p, 142);
    fonts(p, desktop, 176);
    return 0;
}

} // namespace

Status TestCard::registerClass(Desktop& desktop)
{
    return desktop.registerClass(WindowClass{className, procedure, 0, CursorShape::Arrow, colors::white});
}

Result<WindowHandle> TestCard::create(Desktop& desktop, Point topLeft)
{
    CreateParams params;
    params.className = className;
    params.caption = "Painter test card";
    params.style = windowStyle::Caption | windowStyle::SystemMenu | windowStyle::Visible;
    params.rect = {topLeft.x, topLeft.y, topLeft.x + 460, topLeft.y + 340};
    return desktop.createWindow(params);
}
