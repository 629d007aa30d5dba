#pragma once

#include "platform/base/MessagePresenter.h"

#include <ostream>

namespace morva::cli {

// Message boxes appear on standard error with their exact text, answered with their default,
// or with Yes when the command line said so for its questions.
class StreamMessagePresenter : public platform::MessagePresenter {
public:
    explicit StreamMessagePresenter(std::ostream& err) : m_err(err) {}
    void answerQuestionsWithYes(bool yes) { m_bYes = yes; }
    platform::MessageAnswer present(const platform::MessageBox& box) override
    {
        m_err << box.text << "\n";
        const bool question =
            box.buttons == platform::MessageButtons::YesNo || box.buttons == platform::MessageButtons::YesNoCancel;
        return m_bYes && question ? platform::MessageAnswer::Yes : platform::defaultAnswer(box.buttons);
    }
    void setBusyCursor(bool) override {}
    void beep() override {}

private:
    std::ostream& m_err;
    bool m_bYes = false;
};

} // namespace morva::cli
