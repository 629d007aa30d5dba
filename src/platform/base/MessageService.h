#pragma once

#include "platform/base/MessageBox.h"
#include "platform/base/MessagePresenter.h"
#include "platform/base/WaitCursor.h"

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

namespace platform {

// Every message box, wait cursor and beep of the system goes through here. Each box is
// recorded. With a presenter the presenter answers; headless, the answer is taken from a queue
// that a test or a script fills, and the box's default answer when the queue is empty (or its
// front is not one of the box's buttons, in which case that queued answer is dropped).
class MessageService {
public:
    MessageAnswer show(MessageBox box);
    MessageAnswer show(std::string text, MessageButtons buttons = MessageButtons::Ok,
                       MessageIcon icon = MessageIcon::None, std::string caption = {});

    // The presenter is not owned. A presenter set while a wait is open gets the busy cursor at
    // once, and the one it replaces gets it back to normal.
    void setPresenter(MessagePresenter* presenter);
    void queueAnswer(MessageAnswer answer) { m_answers.push_back(answer); }
    size_t queuedAnswerCount() const { return m_answers.size(); }

    const std::vector<MessageBox>& shownBoxes() const { return m_shown; }
    // Texts of the boxes shown so far, in order.
    std::vector<std::string> shownTexts() const;
    void clearShown() { m_shown.clear(); }

    // Nested: the cursor is busy while any wait is open. An unmatched endWait is ignored.
    void beginWait();
    void endWait();
    bool isWaiting() const { return m_waitDepth > 0; }

    void beep();
    int beepCount() const { return m_beeps; }

private:
    MessagePresenter* m_presenter = nullptr;
    std::deque<MessageAnswer> m_answers;
    std::vector<MessageBox> m_shown;
    int m_waitDepth = 0;
    int m_beeps = 0;
};

} // namespace platform
