#include "UiTestSupport.h"

#include "platform/base/MessageService.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/Key.h"
#include "platform/ui/MessageBoxDialog.h"
#include "platform/ui/StaticText.h"

using namespace platform;
using uitest::centre;
using uitest::DesktopFixture;
using uitest::InputScript;

namespace {

class MessageBoxTest : public DesktopFixture {
protected:
    void SetUp() override
    {
        DesktopFixture::SetUp();
        owner = make({0, 0, 600, 400}, {}, windowStyle::Caption, 0xFFFFFFFF, 0, "Owner");
        desktop->setActiveWindow(owner);
        presenter = std::make_unique<DialogMessagePresenter>(*desktop, "Morva");
        service.setPresenter(presenter.get());
    }

    static WindowHandle box(Desktop& d) { return d.findWindow(Dialog::className); }
    static Point buttonCentre(Desktop& d, MessageAnswer a)
    {
        return centre(d.windowRect(d.childById(box(d), int32_t(a))));
    }

    WindowHandle owner;
    std::unique_ptr<DialogMessagePresenter> presenter;
    MessageService service;
};

TEST_F(MessageBoxTest, PresenterShowsARealDialogAndReturnsTheClickedButton)
{
    std::string caption;
    std::string text;
    bool ownerDisabled = false;
    InputScript script(*desktop);
    script.then([&](Desktop& d) {
        caption = d.text(box(d));
        text = d.text(d.childById(box(d), MessageBoxDialog::textId));
        ownerDisabled = !d.isEnabled(owner);
        d.injectClick(buttonCentre(d, MessageAnswer::No));
    });
    const MessageAnswer answer = service.show("Save changes?", MessageButtons::YesNo, MessageIcon::Question);
    EXPECT_EQ(answer, MessageAnswer::No);
    EXPECT_EQ(caption, "Morva");
    EXPECT_EQ(text, "Save changes?");
    EXPECT_TRUE(ownerDisabled);
    EXPECT_TRUE(desktop->isEnabled(owner));
    EXPECT_FALSE(box(*desktop));
    ASSERT_EQ(service.shownTexts(), std::vector<std::string>{"Save changes?"});
}

TEST_F(MessageBoxTest, KeysAndUnansweredBoxes)
{
    const struct {
        MessageButtons buttons;
        uint32_t keyCode; // 0: no input at all
        MessageAnswer answer;
    } cases[] = {
        {MessageButtons::Ok, key::Enter, MessageAnswer::Ok},
        {MessageButtons::OkCancel, key::Escape, MessageAnswer::Cancel},
        {MessageButtons::YesNoCancel, key::Tab, MessageAnswer::No}, // Tab only moves; then no input: the default
        {MessageButtons::YesNo, key::Escape, MessageAnswer::No},     // Escape does nothing here; then default
        {MessageButtons::OkCancel, 0, MessageAnswer::Ok},
    };
    for (const auto& c : cases) {
        InputScript script(*desktop);
        if (c.keyCode)
            script.then([&](Desktop& d) { d.injectKey(c.keyCode); });
        EXPECT_EQ(MessageBoxDialog::run(*desktop, MessageBox{"Text", "Title", c.buttons, MessageIcon::None}, owner), c.answer)
            << int(c.buttons) << " " << c.keyCode;
        EXPECT_FALSE(box(*desktop));
    }
}

TEST_F(MessageBoxTest, LayoutFitsTheTextAndTheIcon)
{
    const std::string longText(300, 'w');
    const DialogTemplate plain = MessageBoxDialog::layout(*desktop, MessageBox{"Hi", "", MessageButtons::Ok, MessageIcon::None}, "Morva");
    const DialogTemplate wide = MessageBoxDialog::layout(*desktop, MessageBox{longText + " end", "", MessageButtons::YesNoCancel, MessageIcon::Warning}, "Morva");
    EXPECT_EQ(plain.caption, "Morva");
    EXPECT_EQ(plain.items.size(), 2u);    // text and OK
    EXPECT_EQ(wide.items.size(), 5u);     // icon, text and three buttons
    EXPECT_GT(wide.rect.width(), plain.rect.width());
    EXPECT_GT(wide.rect.height(), plain.rect.height()); // the long text wrapped
    for (const DialogItemTemplate& item : wide.items)
        EXPECT_LE(item.rect.right, wide.rect.width()) << item.text;
    const Bitmap icon = MessageBoxDialog::iconPicture(MessageIcon::Error);
    EXPECT_EQ(icon.size(), (Size{32, 32}));
    EXPECT_EQ(icon.pixel(5, 16).rgbBits(), 0xFF0000u);
    EXPECT_TRUE(MessageBoxDialog::iconPicture(MessageIcon::None).isEmpty());
}

TEST_F(MessageBoxTest, WaitCursorAndBeepReachTheDesktop)
{
    service.beginWait();
    EXPECT_EQ(desktop->cursor(), CursorShape::Wait);
    service.endWait();
    EXPECT_EQ(desktop->cursor(), CursorShape::Arrow);
    service.beep();
    EXPECT_EQ(presenter->beepCount(), 1);
}

} // namespace
