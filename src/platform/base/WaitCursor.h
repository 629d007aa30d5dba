#pragma once

namespace platform {

class MessageService;

// Shows the wait cursor for the lifetime of the object.
class WaitCursor {
public:
    explicit WaitCursor(MessageService& service);
    ~WaitCursor();
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    MessageService& m_service;
};

} // namespace platform
