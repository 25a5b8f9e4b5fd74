#include "FrameFixture.h"
#include "app/CommandIds.h"

#include <QAction>

class UnsavedChanges : public FrameFixture {
protected:
    void edit()
    {
        QTest::keyClick(frame.get(), Qt::Key_Insert);
        ASSERT_EQ(frame->view()->shownRowCount(), 1);
    }
};

TEST_F(UnsavedChanges, ExitWithoutChangesAsksNothing)
{
    frame->view()->ShowDay(4); // looking is no change
    frame->dispatch(Cmd::AppExit);
    EXPECT_TRUE(messages.asked.isEmpty());
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(UnsavedChanges, ExitAfterAnEditAsksAndCancelKeepsTheWindow)
{
    edit();
    EXPECT_TRUE(frame->document()->isModified());
    messages.answers = {Messages::Answer::Cancel};
    frame->dispatch(Cmd::AppExit);
    EXPECT_EQ(messages.asked, QStringList{QStringLiteral("Save changes to Untitled?")});
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->view()->shownRowCount(), 1);

    // closing the window asks the same; Discard lets it go
    messages.answers = {Messages::Answer::Discard};
    EXPECT_TRUE(frame->close());
    EXPECT_EQ(messages.asked.size(), 2);
    EXPECT_FALSE(frame->isVisible());
}

TEST_F(UnsavedChanges, SaveAnswerRunsSaveAndACancelledSaveKeepsTheWindow)
{
    edit();
    messages.answers = {Messages::Answer::Save};
    frame->dispatch(Cmd::AppExit); // the save dialog is cancelled: nothing saved, nothing closed
    EXPECT_EQ(files.saveAsked, 1);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->document()->isModified());
}

TEST_F(UnsavedChanges, WeekdayGroupFollowsTheShownDayWhoeverChangesIt)
{
    frame->view()->ShowDay(3);
    EXPECT_TRUE(frame->commandAction(Cmd::Wednesday)->isChecked());
    EXPECT_FALSE(frame->commandAction(Cmd::Monday)->isChecked());
    frame->commandAction(Cmd::Saturday)->trigger();
    EXPECT_EQ(frame->view()->shownDay(), 6);
    EXPECT_TRUE(frame->commandAction(Cmd::Saturday)->isChecked());
    EXPECT_FALSE(frame->document()->isModified());
}
