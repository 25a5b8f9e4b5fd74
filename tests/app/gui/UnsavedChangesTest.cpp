#include "app/CommandIds.h"
#include "FrameFixture.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

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

TEST_F(UnsavedChanges, AutoSetOnAnotherDayKeepsTheShownDaysEditsAndLeavesTheDocumentModified)
{
    edit(); // Monday: one row not yet stored
    frame->document()->setClean();
    DialogCloser closer;
    closer.onDialog = [](QDialog *d) {
        d->findChild<QComboBox *>(QStringLiteral("day"))->setCurrentIndex(2); // Tuesday (Sunday first)
        d->findChild<QLineEdit *>(QStringLiteral("startTime"))->setText(QStringLiteral("08:00"));
        d->findChild<QLineEdit *>(QStringLiteral("endTime"))->setText(QStringLiteral("09:00"));
        d->findChild<QLineEdit *>(QStringLiteral("interval"))->setText(QStringLiteral("30"));
        d->findChild<QComboBox *>(QStringLiteral("melodyVoice"))->setCurrentIndex(1);
        d->findChild<QPushButton *>(QStringLiteral("ok"))->click();
    };
    QTest::keyClick(frame.get(), Qt::Key_F3);
    ASSERT_EQ(closer.titles.size(), 1);
    EXPECT_EQ(frame->view()->shownDay(), 2);
    EXPECT_TRUE(frame->commandAction(Cmd::Tuesday)->isChecked());
    EXPECT_GE(frame->view()->shownRowCount(), 2);
    EXPECT_TRUE(frame->document()->isModified());
    frame->view()->ShowDay(1);
    EXPECT_EQ(frame->view()->shownRowCount(), 1);
}
