#include "platform/base/MessageBox.h"

namespace platform {

bool offersAnswer(MessageButtons buttons, MessageAnswer answer)
{
    using A = MessageAnswer;
    switch (buttons) {
    case MessageButtons::Ok: return answer == A::Ok;
    case MessageButtons::OkCancel: return answer == A::Ok || answer == A::Cancel;
    case MessageButtons::AbortRetryIgnore: return answer == A::Abort || answer == A::Retry || answer == A::Ignore;
    case MessageButtons::YesNoCancel: return answer == A::Yes || answer == A::No || answer == A::Cancel;
    case MessageButtons::YesNo: return answer == A::Yes || answer == A::No;
    case MessageButtons::RetryCancel: return answer == A::Retry || answer == A::Cancel;
    }
    return false;
}

MessageAnswer defaultAnswer(MessageButtons buttons)
{
    for (MessageAnswer answer : {MessageAnswer::Ok, MessageAnswer::No, MessageAnswer::Cancel}) {
        if (offersAnswer(buttons, answer))
            return answer;
    }
    return MessageAnswer::Abort;
}

} // namespace platform
