// Repainting through the window kernel: a window full of standard controls, and the whole
// screen of a typical session.
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Desktop.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Menu.h"
#include "platform/ui/StandardClasses.h"
#include "platform/ui/StaticText.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

using namespace platform;

std::unique_ptr<Desktop> makeDesktop(Size size)
{
    auto made = Desktop::create(size);
    if (!made)
        return nullptr;
    std::unique_ptr<Desktop> desktop = std::move(made).value();
    (void)registerStandardClasses(*desktop);
    (void)desktop->registerClass(WindowClass{"Frame", {}, 0, CursorShape::Arrow, desktop->colors().color(SystemColor::ButtonFace)});
    return desktop;
}

WindowHandle add(Desktop& d, const char* className, uint32_t style, const Rect& rect, WindowHandle parent,
                 const std::string& text, int32_t id = 0)
{
    CreateParams p;
    p.className = className;
    p.caption = text;
    p.style = style | windowStyle::Visible | (parent ? windowStyle::Child : 0);
    p.rect = rect;
    p.parent = parent;
    p.id = id;
    return d.createWindow(p).valueOr({});
}

// 500 controls in a grid of 25 columns by 20 rows: labels, push buttons, check boxes and edits.
WindowHandle fillWithControls(Desktop& d, WindowHandle parent)
{
    for (int i = 0; i < 500; ++i) {
        const Rect r = Rect::fromPointAndSize({4 + (i % 25) * 40, 4 + (i / 25) * 24}, {38, 21});
        const std::string label = "C" + std::to_string(i);
        switch (i % 4) {
        case 0: add(d, StaticText::className, 0, r, parent, label, i); break;
        case 1: add(d, Button::className, buttonStyle::Push, r, parent, label, i); break;
        case 2: add(d, Button::className, buttonStyle::AutoCheckBox, r, parent, label, i); break;
        default: add(d, EditControl::className, editStyle::AutoHScroll | windowStyle::Border, r, parent, label, i); break;
        }
    }
    return parent;
}

void BM_PaintWindowWith500Controls(benchmark::State& state)
{
    auto desktop = makeDesktop({1024, 768});
    if (!desktop) {
        state.SkipWithError("no desktop");
        return;
    }
    const WindowHandle frame = add(*desktop, "Frame", windowStyle::Caption | windowStyle::ThickFrame, {0, 0, 1020, 520}, {}, "Controls");
    fillWithControls(*desktop, frame);
    desktop->update();
    for (auto _ : state) {
        desktop->invalidate(frame);
        desktop->update();
        benchmark::DoNotOptimize(desktop->screen().pixel(100, 100));
    }
}
BENCHMARK(BM_PaintWindowWith500Controls)->Unit(benchmark::kMillisecond);

void BM_FullScreenRepaint1280x1024(benchmark::State& state)
{
    auto desktop = makeDesktop({1280, 1024});
    if (!desktop) {
        state.SkipWithError("no desktop");
        return;
    }
    // A main frame with a menu bar, a tool window with a list, and a dialog with a few controls.
    const WindowHandle frame = add(*desktop, "Frame", windowStyle::Caption | windowStyle::ThickFrame | windowStyle::SystemMenu,
                                   {0, 0, 1280, 1000}, {}, "Main");
    auto bar = std::make_shared<Menu>();
    for (const char* title : {"&File", "&Edit", "&View", "&Insert", "&Project", "&Build", "&Tools", "&Window", "&Help"})
        bar->appendSubmenu(title, std::make_shared<Menu>());
    desktop->setMenuBar(frame, bar);
    const WindowHandle list = add(*desktop, ListBox::className, windowStyle::VScroll | windowStyle::Border, {10, 10, 210, 900}, frame, "");
    for (int i = 0; i < 200; ++i)
        ListBox::of(*desktop, list)->addString("Item number " + std::to_string(i));
    const WindowHandle panel = add(*desktop, "Frame", windowStyle::Border, {220, 10, 1260, 900}, frame, "");
    fillWithControls(*desktop, panel);
    const WindowHandle dialog = add(*desktop, "Frame", windowStyle::Caption | windowStyle::DialogFrame | windowStyle::SystemMenu,
                                    {400, 300, 800, 560}, frame, "Dialog");
    add(*desktop, Button::className, buttonStyle::DefaultPush, {300, 200, 375, 223}, dialog, "OK", 1);
    const WindowHandle combo = add(*desktop, ComboBox::className, comboBoxStyle::DropDownList, {10, 10, 200, 200}, dialog, "", 2);
    ComboBox::of(*desktop, combo)->addString("Choice");
    ComboBox::of(*desktop, combo)->setSelection(0);
    desktop->update();
    for (auto _ : state) {
        desktop->invalidateScreen(desktop->screen().rect());
        desktop->update();
        benchmark::DoNotOptimize(desktop->screen().pixel(640, 512));
    }
}
BENCHMARK(BM_FullScreenRepaint1280x1024)->Unit(benchmark::kMillisecond);

} // namespace
