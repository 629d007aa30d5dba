#include "UiTestSupport.h"

#include "platform/gfx/Font.h"
#include "platform/ui/Button.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/EditControl.h"
#include "platform/ui/Key.h"
#include "platform/ui/StandardClasses.h"

using namespace platform;
using uitest::centre;
using uitest::DesktopFixture;
using uitest::InputScript;

namespace {

constexpr const char* sampleTemplate = R"(// a small dialog
DIALOG 10 10 180 90
CAPTION "Name \"it\""
FONT 8 "MS Sans Serif"
STYLE sysmenu modalframe
CONTROL Static -1 "&Name:" 7 9 30 8
CONTROL Edit 1001 "" 40 7 100 12 border tabstop autohscroll
CONTROL Button 1002 "Bold" 40 24 60 10 autocheckbox tabstop
CONTROL Button 1010 "One" 40 38 40 10 autoradiobutton group tabstop
CONTROL Button 1011 "Two" 90 38 40 10 autoradiobutton
CONTROL Button 1 "OK" 40 66 50 14 defpushbutton tabstop group
CONTROL Button 2 "Cancel" 100 66 50 14 pushbutton tabstop
)";

TEST(DialogTemplateReader, ReadsEveryPartOfATemplate)
{
    auto t = readDialogTemplate(sampleTemplate);
    ASSERT_TRUE(t) << t.message();
    EXPECT_EQ(t->caption, "Name \"it\"");
    EXPECT_EQ(t->rect, (Rect{10, 10, 190, 100}));
    EXPECT_TRUE(t->style & windowStyle::Caption);
    EXPECT_TRUE(t->style & windowStyle::DialogFrame);
    ASSERT_EQ(t->items.size(), 7u);
    EXPECT_EQ(t->items[0].id, -1);
    EXPECT_EQ(t->items[1].className, "Edit");
    EXPECT_EQ(t->items[1].style & editStyle::AutoHScroll, editStyle::AutoHScroll);
    EXPECT_TRUE(t->items[1].style & windowStyle::Border);
    EXPECT_EQ(t->items[3].style & buttonStyle::KindMask, buttonStyle::AutoRadio);
    EXPECT_TRUE(t->items[3].style & windowStyle::Group);
    EXPECT_EQ(t->items[5].style & buttonStyle::KindMask, buttonStyle::DefaultPush);
    EXPECT_EQ(t->items[6].rect, (Rect{100, 66, 150, 80}));
}

TEST(DialogTemplateReader, BadInputIsReportedWithItsLine)
{
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"", "there is no DIALOG line"},
        {"CAPTION \"x\"", "line 1: the template must start with DIALOG"},
        {"DIALOG 0 0 10", "line 1: four numbers are needed"},
        {"DIALOG 0 0 10 -5", "line 1: a width or height is negative"},
        {"DIALOG 0 0 10 99999", "line 1: the number 99999 is out of range"},
        {"DIALOG 0 0 10 10\nCAPTION \"open", "line 2: a text has no closing quote"},
        {"DIALOG 0 0 10 10\nCONTROL Button 1 \"OK\" 0 0 5 5 sparkly", "line 2: unknown option 'sparkly'"},
        {"DIALOG 0 0 10 10\nCONTROL Button x \"OK\" 0 0 5 5", "line 2: the control id must be a number"},
        {"DIALOG 0 0 10 10\nFONT 0 \"A\"", "line 2: the font size must lie between 1 and 72 points"},
        {"DIALOG 0 0 10 10\nDIALOG 0 0 1 1", "line 2: DIALOG appears twice"},
        {"DIALOG 0 0 10 10\nWIDGET", "line 2: unknown keyword 'WIDGET'"},
        {"DIALOG 0 0 0x1FFFFFFFF 10", "line 1: '0x1FFFFFFFF' is not a usable number"},
    };
    for (const auto& c : cases) {
        auto t = readDialogTemplate(c.text);
        ASSERT_FALSE(t) << c.text;
        EXPECT_NE(t.message().find(c.message), std::string::npos) << t.message();
    }
}

class DialogTest : public DesktopFixture {
protected:
    void SetUp() override
    {
        DesktopFixture::SetUp();
        ASSERT_TRUE(registerStandardClasses(*desktop));
        auto t = readDialogTemplate(sampleTemplate);
        ASSERT_TRUE(t) << t.message();
        dialogTemplate = t.value();
        owner = make({0, 0, 600, 400}, {}, windowStyle::Caption, 0xFFFFFFFF, 0, "Owner");
        desktop->setActiveWindow(owner);
    }

    // The screen centre of a dialog control, found while the dialog runs.
    static Point controlCentre(Desktop& d, int32_t id)
    {
        const WindowHandle dialog = d.findWindow(Dialog::className);
        return centre(d.windowRect(d.childById(dialog, id)));
    }

    DialogTemplate dialogTemplate;
    WindowHandle owner;
};

TEST_F(DialogTest, ControlsArePlacedInDialogUnitsOfTheDialogFont)
{
    auto w = Dialog::create(*desktop, dialogTemplate, owner);
    ASSERT_TRUE(w) << w.message();
    Dialog* d = Dialog::of(*desktop, w.value());
    ASSERT_TRUE(d);
    const Size base = d->baseUnits();
    const std::shared_ptr<const Font> font = desktop->font(d->item(1001));
    ASSERT_TRUE(font);
    EXPECT_EQ(base.cy, font->height());
    // The edit at (40, 7) size 100 x 12 in dialog units.
    const Rect edit = desktop->rectInParent(d->item(1001));
    EXPECT_EQ(edit.left, (40 * base.cx + 2) / 4);
    EXPECT_EQ(edit.top, (7 * base.cy + 4) / 8);
    EXPECT_EQ(edit.width(), (140 * base.cx + 2) / 4 - (40 * base.cx + 2) / 4);
    EXPECT_EQ(desktop->clientRect(w.value()).width(), (180 * base.cx + 2) / 4);
    EXPECT_EQ(desktop->text(w.value()), "Name \"it\"");
    // The first control that takes the focus has it.
    EXPECT_EQ(desktop->focus(), d->item(1001));
}

TEST_F(DialogTest, ModalDialogEndsWithItsOkButtonAndGivesTheOwnerBack)
{
    std::string typedName;
    InputScript script(*desktop);
    script.then([](Desktop& d) { d.typeText("Ada"); })
        .then([](Desktop& d) { d.injectClick(controlCentre(d, 1)); });
    bool ownerDisabledMeanwhile = false;
    auto result = Dialog::runModal(*desktop, dialogTemplate, owner, [&](Dialog& dialog, const Message& m) -> std::optional<int64_t> {
        if (m.id == msg::Command && commandId(m.wParam) == commandIds::Ok) {
            typedName = dialog.itemText(1001);
            ownerDisabledMeanwhile = !dialog.desktop().isEnabled(owner);
        }
        return std::nullopt;
    });
    ASSERT_TRUE(result) << result.message();
    EXPECT_EQ(result.value(), commandIds::Ok);
    EXPECT_EQ(typedName, "Ada");
    EXPECT_TRUE(ownerDisabledMeanwhile);
    EXPECT_TRUE(desktop->isEnabled(owner));
    EXPECT_EQ(desktop->activeWindow(), owner);
    EXPECT_FALSE(desktop->findWindow(Dialog::className));
}

TEST_F(DialogTest, KeyboardMovesTheFocusAndEnterAndEscapeEndTheDialog)
{
    struct Case {
        std::vector<uint32_t> keys;
        int64_t result;
        bool bold;
        bool secondRadio;
    };
    const Case cases[] = {
        {{key::Enter}, commandIds::Ok, false, false},
        {{key::Escape}, commandIds::Cancel, false, false},
        // Tab to the check box, Space ticks it, Tab to the radios, Right picks the second one.
        {{key::Tab, key::Space, key::Tab, key::Right, key::Enter}, commandIds::Ok, true, true},
        // Shift+Tab from the edit wraps to Cancel; Enter presses the focused button.
        {{key::Shift | 0x10000, key::Tab, key::Enter}, commandIds::Cancel, false, false},
        // Alt+N goes to the field after the "&Name:" label; there the letters type.
        {{key::Tab, key::Alt | 0x20000, key::Enter}, commandIds::Ok, false, false},
    };
    for (const Case& c : cases) {
        InputScript script(*desktop);
        script.then([&](Desktop& d) {
            for (uint32_t k : c.keys) {
                if (k == (key::Shift | 0x10000))
                    d.injectKeyDown(key::Shift);
                else if (k == (key::Alt | 0x20000))
                    d.injectKeyWith(key::Alt, 'N');
                else
                    d.injectKey(k);
            }
            d.injectKeyUp(key::Shift);
        });
        bool bold = false;
        bool second = false;
        WindowHandle focusAtEnd;
        auto result = Dialog::runModal(*desktop, dialogTemplate, owner, [&](Dialog& dialog, const Message& m) -> std::optional<int64_t> {
            if (m.id == msg::Command && (commandId(m.wParam) == commandIds::Ok || commandId(m.wParam) == commandIds::Cancel)) {
                bold = Button::of(dialog.desktop(), dialog.item(1002))->checkState() == 1;
                second = Button::of(dialog.desktop(), dialog.item(1011))->checkState() == 1;
                focusAtEnd = dialog.desktop().focus();
                if (c.keys.size() == 3 && c.keys[1] == (key::Alt | 0x20000)) {
                    EXPECT_EQ(focusAtEnd, dialog.item(1001));
                }
            }
            return std::nullopt;
        });
        ASSERT_TRUE(result);
        EXPECT_EQ(result.value(), c.result) << c.keys.size();
        EXPECT_EQ(bold, c.bold) << c.keys.size();
        EXPECT_EQ(second, c.secondRadio) << c.keys.size();
    }
}

TEST_F(DialogTest, DialogWithoutInputEndsAsCancelledInsteadOfHanging)
{
    desktop->setIdleHandler({});
    auto result = Dialog::runModal(*desktop, dialogTemplate, owner);
    ASSERT_TRUE(result);
    EXPECT_EQ(result.value(), commandIds::Cancel);
    EXPECT_TRUE(desktop->isEnabled(owner));
}

TEST_F(DialogTest, ModelessDialogGoesWhenEnded)
{
    auto w = Dialog::create(*desktop, dialogTemplate, owner);
    ASSERT_TRUE(w);
    desktop->injectClick(centre(desktop->windowRect(desktop->childById(w.value(), 2))));
    desktop->pumpAll();
    EXPECT_FALSE(desktop->isWindow(w.value()));
}

} // namespace
