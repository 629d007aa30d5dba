#pragma once

#include "platform/base/MessageBox.h"

namespace platform {

// Shows boxes for real: the window kernel's dialogs, or a terminal front end.
class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // The button the user chose; an answer the box does not offer counts as its default.
    virtual MessageAnswer present(const MessageBox& box) = 0;
    virtual void setBusyCursor(bool busy) = 0;
    virtual void beep() = 0;
};

} // namespace platform
