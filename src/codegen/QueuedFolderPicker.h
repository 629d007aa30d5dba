#pragma once

#include "codegen/IFolderPicker.h"

#include <deque>
#include <string>
#include <utility>

namespace morva {

// A headless folder picker: answers from a queue a test or script fills, cancelling when the
// queue is empty (or its front is an empty answer).
class QueuedFolderPicker : public IFolderPicker {
public:
    void QueueAnswer(std::optional<std::string> folder) { m_answers.push_back(std::move(folder)); }

    std::optional<std::string> PickFolder(std::string_view title, std::string_view startFolder) override
    {
        ++m_picks;
        m_lastTitle = title;
        m_lastStart = startFolder;
        if (m_answers.empty())
            return std::nullopt;
        std::optional<std::string> answer = std::move(m_answers.front());
        m_answers.pop_front();
        return answer;
    }

    int PickCount() const { return m_picks; }
    const std::string& LastTitle() const { return m_lastTitle; }
    const std::string& LastStartFolder() const { return m_lastStart; }

private:
    std::deque<std::optional<std::string>> m_answers;
    std::string m_lastTitle;
    std::string m_lastStart;
    int m_picks = 0;
};

} // namespace morva
