#pragma once

#include <string>

namespace platform {

enum class MessageButtons { Ok, OkCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MessageIcon { None, Error, Question, Warning, Information };
// The numbers are the ones callers of a message box traditionally compare with.
enum class MessageAnswer { Ok = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

// One message box as the system asks for it.
struct MessageBox {
    std::string text;
    std::string caption;
    MessageButtons buttons = MessageButtons::Ok;
    MessageIcon icon = MessageIcon::None;
};

// True when `answer` is one of the buttons of the set.
bool offersAnswer(MessageButtons buttons, MessageAnswer answer);
// What a box answers when nobody chooses: OK where offered, else No, else Cancel, else Abort.
MessageAnswer defaultAnswer(MessageButtons buttons);

} // namespace platform
