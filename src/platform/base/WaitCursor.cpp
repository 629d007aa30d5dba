#include "platform/base/WaitCursor.h"

#include "platform/base/MessageService.h"

namespace platform {

WaitCursor::WaitCursor(MessageService& service) : m_service(service)
{
    m_service.beginWait();
}

WaitCursor::~WaitCursor()
{
    m_service.endWait();
}

} // namespace platform
