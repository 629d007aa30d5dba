#include "UiTestSupport.h"

#include "platform/gfx/Font.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Key.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Notification.h"
#include "platform/ui/ProgressBar.h"
#include "platform/ui/StandardClasses.h"

using namespace platform;
using uitest::centre;
using uitest::DesktopFixture;

namespace {

class ControlTest : public DesktopFixture {
protected:
    void SetUp() override
    {
        DesktopFixture::SetUp();
        ASSERT_TRUE(registerStandardClasses(*desktop));
        frame = make({0, 0, 600, 400}, {}, 0, 0xFFC0C0C0);
        desktop->setActiveWindow(frame);
    }

    WindowHandle control(const char* className, uint32_t bits, const Rect& rect, int32_t id, const std::string& text = {})
    {
        CreateParams p;
        p.className = className;
        p.caption = text;
        p.style = windowStyle::Child | windowStyle::Visible | windowStyle::TabStop | bits;
        p.rect = rect;
        p.parent = frame;
        p.id = id;
        auto w = desktop->createWindow(p);
        EXPECT_TRUE(w) << w.message();
        return w.valueOr({});
    }

    // Notification codes the frame heard from one control id, in order.
    std::vector<uint32_t> notifications(int32_t id) const
    {
        std::vector<uint32_t> out;
        for (const Message& m : received(frame, msg::Command))
            if (commandId(m.wParam) == id)
                out.push_back(commandNotification(m.wParam));
        return out;
    }

    WindowHandle frame;
};

TEST_F(ControlTest, TypingIntoASingleLineEdit)
{
    const WindowHandle w = control(EditControl::className, editStyle::AutoHScroll, {10, 10, 110, 30}, 5);
    EditControl* edit = EditControl::of(*desktop, w);
    ASSERT_TRUE(edit);
    desktop->injectClick(centre(desktop->windowRect(w)));
    desktop->typeText("Hello world");
    desktop->injectKey(key::Backspace);                      // "Hello worl"
    desktop->injectKey(key::Home);
    desktop->injectKeyDown(key::Shift);
    for (int i = 0; i < 5; ++i)
        desktop->injectKey(key::Right);                      // selects "Hello"
    desktop->injectKeyUp(key::Shift);
    desktop->injectKeyWith(key::Control, 'X');
    desktop->injectKey(key::End);
    desktop->injectKeyWith(key::Control, 'V');
    desktop->pumpAll();
    EXPECT_EQ(desktop->focus(), w);
    EXPECT_EQ(edit->text(), " worlHello");
    EXPECT_EQ(desktop->text(w), " worlHello");
    EXPECT_EQ(desktop->clipboardText(), "Hello");
    EXPECT_EQ(edit->caret(), 10u);
    EXPECT_FALSE(notifications(5).empty());
    EXPECT_EQ(notifications(5).back(), notification::Changed);
    // The text ran past the field, so it scrolled to keep the caret in view.
    desktop->typeText(std::string(40, 'x'));
    desktop->pumpAll();
    EXPECT_GT(edit->horizontalScroll(), 0);
}

TEST_F(ControlTest, EditLimitsReadOnlyAndFieldsThatDoNotScroll)
{
    const WindowHandle limited = control(EditControl::className, editStyle::AutoHScroll, {10, 10, 110, 30}, 5);
    EditControl::of(*desktop, limited)->setLimit(3);
    const WindowHandle fixed = control(EditControl::className, 0, {10, 40, 40, 60}, 6);
    const WindowHandle locked = control(EditControl::className, editStyle::ReadOnly, {10, 70, 110, 90}, 7, "keep");
    const WindowHandle digits = control(EditControl::className, editStyle::Number | editStyle::AutoHScroll, {10, 100, 110, 120}, 8);
    for (WindowHandle w : {limited, fixed, locked, digits}) {
        desktop->setFocus(w);
        desktop->typeText("12ab345678");
        desktop->injectKey(key::Backspace);
        desktop->pumpAll();
    }
    EXPECT_EQ(desktop->text(limited), "12");
    const std::string fitted = desktop->text(fixed);
    EXPECT_FALSE(fitted.empty());
    EXPECT_LT(fitted.size(), 9u); // a field without scrolling takes only what fits
    EXPECT_LE(desktop->font(fixed)->textWidth(fitted), 30);
    EXPECT_EQ(desktop->text(locked), "keep");
    EXPECT_EQ(desktop->text(digits), "1234567");
}

TEST_F(ControlTest, MultiLineEditMovesBetweenLines)
{
    const WindowHandle w = control(EditControl::className, editStyle::MultiLine | editStyle::AutoVScroll, {10, 10, 200, 60}, 5);
    EditControl* edit = EditControl::of(*desktop, w);
    desktop->setFocus(w);
    desktop->typeText("first\nsecond line\nthird\nfourth\nfifth");
    desktop->pumpAll();
    EXPECT_EQ(edit->text(), "first\r\nsecond line\r\nthird\r\nfourth\r\nfifth");
    EXPECT_EQ(edit->lineCount(), 5u);
    EXPECT_GT(edit->firstVisibleLine(), 0u); // scrolled down to the caret
    desktop->injectKeyWith(key::Control, key::Home);
    desktop->injectKey(key::Down);
    desktop->injectKey(key::End);
    desktop->injectKey(key::Backspace);
    desktop->injectKey(key::Down); // column 10 of "third" is past its end
    desktop->pumpAll();
    EXPECT_EQ(edit->lineText(1), "second lin");
    EXPECT_EQ(edit->lineOfPosition(edit->caret()), 2u);
    EXPECT_EQ(edit->caret(), edit->text().find("third") + 5);
    EXPECT_EQ(edit->firstVisibleLine(), 0u);
    // A line break is one step for the caret.
    desktop->injectKey(key::Home);
    desktop->injectKey(key::Backspace);
    desktop->pumpAll();
    EXPECT_EQ(edit->lineText(1), "second linthird");
}

TEST_F(ControlTest, DropDownListPickedByMouse)
{
    const WindowHandle w = control(ComboBox::className, comboBoxStyle::DropDownList | comboBoxStyle::Sort, {10, 10, 160, 200}, 9);
    ComboBox* combo = ComboBox::of(*desktop, w);
    ASSERT_TRUE(combo);
    for (const char* s : {"pear", "Apple", "fig", "banana"})
        combo->addString(s);
    EXPECT_EQ(combo->itemText(0), "Apple"); // sorted without regard to case
    EXPECT_EQ(desktop->rectInParent(w).height(), combo->fieldHeight());
    desktop->injectClick(centre(desktop->windowRect(w)));
    desktop->pumpAll();
    ASSERT_TRUE(combo->isDroppedDown());
    const Rect list = combo->dropDownRect();
    EXPECT_EQ(list.top, desktop->windowRect(w).bottom);
    ListBox* items = ListBox::of(*desktop, combo->listWindow());
    const Rect third = desktop->clientToScreen(combo->listWindow(), items->itemRect(2));
    desktop->injectMouseMove(centre(third));
    desktop->injectClick(centre(third));
    desktop->pumpAll();
    EXPECT_FALSE(combo->isDroppedDown());
    EXPECT_EQ(combo->selection(), 2);
    EXPECT_EQ(combo->fieldText(), "fig");
    EXPECT_EQ(notifications(9), (std::vector<uint32_t>{notification::DroppedDown, notification::ClosedUp,
                                                       notification::SelectionChanged, notification::SelectionAccepted}));
    // A press outside closes the list without a choice.
    log.clear();
    desktop->injectClick(centre(desktop->windowRect(w)));
    desktop->injectClick({500, 350});
    desktop->pumpAll();
    EXPECT_FALSE(combo->isDroppedDown());
    EXPECT_EQ(combo->selection(), 2);
    EXPECT_EQ(notifications(9).back(), notification::SelectionCancelled);
}

TEST_F(ControlTest, DropDownListPickedByKeys)
{
    const WindowHandle w = control(ComboBox::className, comboBoxStyle::DropDownList, {10, 10, 160, 200}, 9);
    ComboBox* combo = ComboBox::of(*desktop, w);
    for (const char* s : {"red", "green", "blue", "black"})
        combo->addString(s);
    desktop->setFocus(w);
    desktop->injectKey(key::Down); // closed: the selection moves at once
    desktop->injectKey(key::Down);
    desktop->pumpAll();
    EXPECT_EQ(combo->selection(), 1);
    desktop->typeText("b"); // the next item starting with b
    desktop->pumpAll();
    EXPECT_EQ(combo->fieldText(), "blue");
    desktop->injectKeyDown(key::Alt);
    desktop->injectKey(key::Down); // Alt+Down opens
    desktop->injectKeyUp(key::Alt);
    desktop->injectKey(key::Down);
    desktop->pumpAll();
    EXPECT_TRUE(combo->isDroppedDown());
    EXPECT_EQ(combo->selection(), 2); // not taken yet
    desktop->injectKey(key::Enter);
    desktop->pumpAll();
    EXPECT_FALSE(combo->isDroppedDown());
    EXPECT_EQ(combo->fieldText(), "black");
    desktop->injectKey(key::F1 + 3); // F4 opens, Escape closes without taking the move
    desktop->injectKey(key::Up);
    desktop->injectKey(key::Escape);
    desktop->pumpAll();
    EXPECT_EQ(combo->fieldText(), "black");
}

TEST_F(ControlTest, EditableDropDownTypesAndPicks)
{
    const WindowHandle w = control(ComboBox::className, comboBoxStyle::DropDown, {10, 10, 160, 200}, 9);
    ComboBox* combo = ComboBox::of(*desktop, w);
    for (const char* s : {"Arial", "Courier"})
        combo->addString(s);
    ASSERT_TRUE(combo->editWindow());
    desktop->injectClick(centre(desktop->windowRect(combo->editWindow())));
    desktop->typeText("Tahoma");
    desktop->pumpAll();
    EXPECT_EQ(combo->fieldText(), "Tahoma");
    EXPECT_FALSE(combo->isDroppedDown()); // a press on the field only edits
    EXPECT_EQ(notifications(9).back(), notification::Changed);
    // The arrow key in the edit picks from the list; the button drops it down.
    desktop->injectKey(key::Down);
    desktop->pumpAll();
    EXPECT_EQ(combo->fieldText(), "Arial");
    const Rect field = desktop->windowRect(w);
    desktop->injectClick({field.right - 6, field.top + field.height() / 2});
    desktop->pumpAll();
    ASSERT_TRUE(combo->isDroppedDown());
    const Rect second = desktop->clientToScreen(combo->listWindow(), ListBox::of(*desktop, combo->listWindow())->itemRect(1));
    desktop->injectClick(centre(second));
    desktop->pumpAll();
    EXPECT_EQ(combo->fieldText(), "Courier");
    EXPECT_EQ(desktop->focus(), combo->editWindow());
}

TEST_F(ControlTest, OwnerDrawnListAsksItsParentToMeasureAndDraw)
{
    const WindowHandle w = control(ListBox::className, listBoxStyle::OwnerDrawVariable | listBoxStyle::Notify, {10, 10, 160, 100}, 11);
    std::vector<int> drawn;
    const WindowProc previous = desktop->subclass(frame, [&](Desktop& d, WindowHandle h, const Message& m) -> int64_t {
        if (m.id == msg::MeasureItem) {
            auto* data = reinterpret_cast<MeasureItemData*>(intptr_t(m.lParam));
            data->itemHeight = 10 + 5 * data->itemIndex;
            return 1;
        }
        if (m.id == msg::DrawItem) {
            auto* data = reinterpret_cast<DrawItemData*>(intptr_t(m.lParam));
            drawn.push_back(data->itemIndex);
            data->painter->fillRect(data->itemRect, data->selected ? colors::navy : colors::white);
            return 1;
        }
        log.push_back({h, m});
        return d.defaultProcedure(h, m);
    });
    ListBox* list = ListBox::of(*desktop, w);
    for (int i = 0; i < 4; ++i)
        list->addString("item", 100 + i);
    EXPECT_EQ(list->itemRect(2), (Rect{0, 25, 150, 45}));
    desktop->injectClick(desktop->clientToScreen(w, Point{5, 30}));
    desktop->pumpAll();
    EXPECT_EQ(list->selection(), 2);
    EXPECT_EQ(list->itemData(2), 102);
    EXPECT_EQ(notifications(11), (std::vector<uint32_t>{notification::SelectionChanged}));
    EXPECT_EQ(drawn.size() % 4, 0u);
    EXPECT_EQ(desktop->screen().pixel(desktop->clientToScreen(w, Point{5, 30}).x, desktop->clientToScreen(w, Point{5, 30}).y).rgbBits(),
              colors::navy.rgbBits());
    desktop->subclass(frame, previous); // the drawing procedure uses this test's locals
}

TEST_F(ControlTest, CheckBoxesAndRadioGroups)
{
    const WindowHandle box = control(Button::className, buttonStyle::AutoCheckBox, {10, 10, 100, 30}, 20, "Tick");
    const WindowHandle a = control(Button::className, buttonStyle::AutoRadio | windowStyle::Group, {10, 40, 100, 60}, 21, "A");
    const WindowHandle b = control(Button::className, buttonStyle::AutoRadio, {10, 70, 100, 90}, 22, "B");
    const WindowHandle c = control(Button::className, buttonStyle::AutoRadio | windowStyle::Group, {10, 100, 100, 120}, 23, "C");
    desktop->injectClick(centre(desktop->windowRect(box)));
    desktop->injectClick(centre(desktop->windowRect(a)));
    desktop->injectClick(centre(desktop->windowRect(c)));
    desktop->injectClick(centre(desktop->windowRect(b)));
    // A press that leaves the button before the release does not click.
    desktop->injectMouseDown(centre(desktop->windowRect(box)));
    desktop->injectMouseMove({300, 300});
    desktop->injectMouseUp({300, 300});
    desktop->pumpAll();
    EXPECT_EQ(Button::of(*desktop, box)->checkState(), 1);
    EXPECT_EQ(Button::of(*desktop, a)->checkState(), 0); // cleared by B in its group
    EXPECT_EQ(Button::of(*desktop, b)->checkState(), 1);
    EXPECT_EQ(Button::of(*desktop, c)->checkState(), 1); // another group
    EXPECT_EQ(notifications(20).size(), 1u);
}

TEST_F(ControlTest, ProgressBarKeepsItsPositionInRangeAndFillsInProportion)
{
    const WindowHandle w = control(ProgressBar::className, progressBarStyle::Smooth, {10, 10, 112, 30}, 30);
    ProgressBar* bar = ProgressBar::of(*desktop, w);
    bar->setRange(0, 50);
    EXPECT_EQ(bar->setPosition(25), 0);
    EXPECT_EQ(bar->filledWidth(100), 50);
    bar->setPosition(80);
    EXPECT_EQ(bar->position(), 50);
    bar->setRange(10, 5); // an empty range becomes one step long
    EXPECT_EQ(bar->high(), 11);
    bar->setRange(0, 100);
    bar->setPosition(95);
    bar->stepIt(); // wraps past the end
    EXPECT_EQ(bar->position(), 5);
    bar->setPosition(50);
    desktop->pumpAll();
    const Point inside = desktop->clientToScreen(w, Point{10, 10});
    const Point outside = desktop->clientToScreen(w, Point{90, 10});
    EXPECT_EQ(desktop->screen().pixel(inside.x, inside.y), desktop->colors().color(SystemColor::Highlight));
    EXPECT_EQ(desktop->screen().pixel(outside.x, outside.y), desktop->colors().color(SystemColor::ButtonFace));
}

} // namespace
