#pragma once

#include "platform/base/MessageBox.h"
#include "platform/base/MessagePresenter.h"
#include "platform/base/Result.h"
#include "platform/gfx/Bitmap.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/WindowHandle.h"

#include <string>

namespace platform {

class Desktop;

// Message boxes as real dialogs: the icon, the text wrapped to a sensible width and a row of
// buttons whose ids are the answers' numbers.
class MessageBoxDialog {
public:
    static constexpr int32_t textId = 0xFFFF;
    static constexpr int32_t iconId = 0xFFFE;

    // The template for a box, laid out for the desktop's dialog font.
    static DialogTemplate layout(Desktop& desktop, const MessageBox& box, const std::string& defaultCaption);
    // Shows the box modally over the owner and answers the chosen button; a box the user
    // leaves without choosing (no more input) answers its default.
    static MessageAnswer run(Desktop& desktop, const MessageBox& box, WindowHandle owner,
                             const std::string& defaultCaption = "Message");
    // The 32 x 32 picture of an icon; empty for MessageIcon::None.
    static Bitmap iconPicture(MessageIcon icon);
};

// The message service's presenter on the window kernel: boxes over the active window, the
// wait cursor as the desktop's busy cursor.
class DialogMessagePresenter : public MessagePresenter {
public:
    explicit DialogMessagePresenter(Desktop& desktop, std::string defaultCaption = "Message")
        : m_desktop(desktop), m_defaultCaption(std::move(defaultCaption))
    {
    }
    MessageAnswer present(const MessageBox& box) override;
    void setBusyCursor(bool busy) override;
    void beep() override { ++m_beeps; }
    int beepCount() const { return m_beeps; }

private:
    Desktop& m_desktop;
    std::string m_defaultCaption;
    int m_beeps = 0;
};

} // namespace platform
