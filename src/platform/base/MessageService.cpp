#include "platform/base/MessageService.h"

#include <utility>

namespace platform {

MessageAnswer MessageService::show(MessageBox box)
{
    m_shown.push_back(std::move(box));
    const MessageBox& shown = m_shown.back();
    const MessageAnswer fallback = defaultAnswer(shown.buttons);

    if (m_presenter) {
        const MessageAnswer answer = m_presenter->present(shown);
        return offersAnswer(shown.buttons, answer) ? answer : fallback;
    }
    if (m_answers.empty())
        return fallback;
    const MessageAnswer queued = m_answers.front();
    m_answers.pop_front();
    return offersAnswer(shown.buttons, queued) ? queued : fallback;
}

MessageAnswer MessageService::show(std::string text, MessageButtons buttons, MessageIcon icon, std::string caption)
{
    return show(MessageBox{std::move(text), std::move(caption), buttons, icon});
}

void MessageService::setPresenter(MessagePresenter* presenter)
{
    if (presenter == m_presenter)
        return;
    if (m_presenter && isWaiting())
        m_presenter->setBusyCursor(false);
    m_presenter = presenter;
    if (m_presenter && isWaiting())
        m_presenter->setBusyCursor(true);
}

std::vector<std::string> MessageService::shownTexts() const
{
    std::vector<std::string> texts;
    texts.reserve(m_shown.size());
    for (const MessageBox& box : m_shown)
        texts.push_back(box.text);
    return texts;
}

void MessageService::beginWait()
{
    if (m_waitDepth++ == 0 && m_presenter)
        m_presenter->setBusyCursor(true);
}

void MessageService::endWait()
{
    if (m_waitDepth == 0)
        return;
    if (--m_waitDepth == 0 && m_presenter)
        m_presenter->setBusyCursor(false);
}

void MessageService::beep()
{
    ++m_beeps;
    if (m_presenter)
        m_presenter->beep();
}

} // namespace platform
