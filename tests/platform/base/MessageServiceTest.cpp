#include "platform/base/MessageService.h"

#include <gtest/gtest.h>

#include <vector>

using namespace platform;

namespace {

TEST(MessageBoxes, DefaultAnswerIsOkElseNoElseCancelElseAbort)
{
    const std::pair<MessageButtons, MessageAnswer> cases[] = {
        {MessageButtons::Ok, MessageAnswer::Ok},
        {MessageButtons::OkCancel, MessageAnswer::Ok},
        {MessageButtons::AbortRetryIgnore, MessageAnswer::Abort},
        {MessageButtons::YesNoCancel, MessageAnswer::No},
        {MessageButtons::YesNo, MessageAnswer::No},
        {MessageButtons::RetryCancel, MessageAnswer::Cancel},
    };
    for (const auto& [buttons, answer] : cases) {
        EXPECT_EQ(defaultAnswer(buttons), answer);
        EXPECT_TRUE(offersAnswer(buttons, answer));
        MessageService service;
        EXPECT_EQ(service.show("headless", buttons), answer);
    }
    EXPECT_FALSE(offersAnswer(MessageButtons::YesNo, MessageAnswer::Cancel));
    EXPECT_FALSE(offersAnswer(MessageButtons::RetryCancel, MessageAnswer::Ok));
    EXPECT_EQ(static_cast<int>(MessageAnswer::Yes), 6);
}

TEST(MessageService, RecordsEveryBoxAndAnswersFromTheQueue)
{
    MessageService service;
    service.queueAnswer(MessageAnswer::Yes);
    service.queueAnswer(MessageAnswer::Retry); // not offered by the next box: dropped
    service.queueAnswer(MessageAnswer::Cancel);

    EXPECT_EQ(service.show("Save changes?", MessageButtons::YesNoCancel, MessageIcon::Question, "Morva"),
              MessageAnswer::Yes);
    EXPECT_EQ(service.show("Replace?", MessageButtons::YesNo), MessageAnswer::No);
    EXPECT_EQ(service.queuedAnswerCount(), 1u);
    EXPECT_EQ(service.show(MessageBox{"Error in generating project", "", MessageButtons::OkCancel, MessageIcon::Error}),
              MessageAnswer::Cancel);
    EXPECT_EQ(service.show("Done"), MessageAnswer::Ok); // queue empty: the default

    EXPECT_EQ(service.shownTexts(),
              (std::vector<std::string>{"Save changes?", "Replace?", "Error in generating project", "Done"}));
    const MessageBox& first = service.shownBoxes().front();
    EXPECT_EQ(first.caption, "Morva");
    EXPECT_EQ(first.buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(first.icon, MessageIcon::Question);
    service.clearShown();
    EXPECT_TRUE(service.shownBoxes().empty());
}

class FakePresenter : public MessagePresenter {
public:
    MessageAnswer present(const MessageBox& box) override
    {
        presented.push_back(box.text);
        return answer;
    }
    void setBusyCursor(bool busy) override { cursor.push_back(busy); }
    void beep() override { ++beeps; }

    MessageAnswer answer = MessageAnswer::Ok;
    std::vector<std::string> presented;
    std::vector<bool> cursor;
    int beeps = 0;
};

TEST(MessageService, APresenterAnswersInsteadOfTheQueue)
{
    MessageService service;
    FakePresenter presenter;
    service.setPresenter(&presenter);
    service.queueAnswer(MessageAnswer::Yes);

    presenter.answer = MessageAnswer::Retry;
    EXPECT_EQ(service.show("Retry?", MessageButtons::RetryCancel), MessageAnswer::Retry);
    presenter.answer = MessageAnswer::Yes; // not offered: the box's default
    EXPECT_EQ(service.show("Failed", MessageButtons::OkCancel), MessageAnswer::Ok);
    EXPECT_EQ(presenter.presented, (std::vector<std::string>{"Retry?", "Failed"}));
    EXPECT_EQ(service.shownBoxes().size(), 2u);
    EXPECT_EQ(service.queuedAnswerCount(), 1u);

    service.beep();
    service.beep();
    EXPECT_EQ(service.beepCount(), 2);
    EXPECT_EQ(presenter.beeps, 2);
}

TEST(MessageService, NestedWaitsShowTheBusyCursorOnce)
{
    MessageService service;
    FakePresenter presenter;
    service.setPresenter(&presenter);
    {
        WaitCursor outer(service);
        EXPECT_TRUE(service.isWaiting());
        {
            WaitCursor inner(service);
        }
        EXPECT_TRUE(service.isWaiting());
    }
    EXPECT_FALSE(service.isWaiting());
    EXPECT_EQ(presenter.cursor, (std::vector<bool>{true, false}));

    service.endWait(); // unmatched: ignored, and the next wait still works
    service.beginWait();
    EXPECT_TRUE(service.isWaiting());

    // A presenter that arrives during a wait takes the busy cursor over.
    FakePresenter next;
    service.setPresenter(&next);
    EXPECT_EQ(presenter.cursor, (std::vector<bool>{true, false, true, false}));
    EXPECT_EQ(next.cursor, (std::vector<bool>{true}));
    service.endWait();
    EXPECT_EQ(next.cursor, (std::vector<bool>{true, false}));

    MessageService headless; // without a presenter the depth is still kept
    headless.beginWait();
    headless.beginWait();
    headless.endWait();
    EXPECT_TRUE(headless.isWaiting());
    headless.endWait();
    EXPECT_FALSE(headless.isWaiting());
}

} // namespace
