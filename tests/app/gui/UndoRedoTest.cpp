#include "app/CommandIds.h"
#include "FrameFixture.h"
#include "schedule/WeeklySchedule.h"
#include "support/WeekSetUp.h"

#include <QAction>
#include <QMenuBar>

class UndoRedo : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        ASSERT_EQ(frame->view()->shownDay(), 1);
        setUpWeek(frame->view()->document(), [](WeeklySchedule &week) {
            DaySchedule &monday = week.day(1);
            monday.clear();
            for (const char *t : {"08:00", "09:00", "10:00"})
                monday.append(ScheduleEntry{std::string("           ") + t, "Melody", "1", "", "1", "0", "0", "0"});
        });
        frame->view()->setFocus();
    }

    QStringList editMenu() const
    {
        QStringList texts;
        for (QAction *a : frame->menuBar()->actions().at(1)->menu()->actions().mid(0, 3))
            texts << (a->isSeparator() ? QStringLiteral("-") : a->text() + (a->isEnabled() ? "" : " (off)"));
        return texts;
    }

    void click(int row, Qt::KeyboardModifiers modifiers = {})
    {
        CTavrinView *view = frame->view();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, modifiers,
                          view->visualRect(view->model()->index(row, 2)).center());
    }

    void key(int k, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), modifiers);
    }

    QList<int> selectedRows() const
    {
        QList<int> rows;
        for (const QModelIndex &i : frame->view()->selectionModel()->selectedRows())
            rows << i.row();
        std::sort(rows.begin(), rows.end());
        return rows;
    }
};

TEST_F(UndoRedo, CtrlZAfterDeleteBringsTheRowsBackSelectedAndTheMenuNamesTheSteps)
{
    EXPECT_EQ(editMenu(),
              (QStringList{QStringLiteral("&Undo (off)"), QStringLiteral("&Redo (off)"), QStringLiteral("-")}));
    click(0);
    click(1, Qt::ShiftModifier);
    key(Qt::Key_Delete);
    ASSERT_EQ(frame->view()->shownRowCount(), 1);
    EXPECT_EQ(editMenu(),
              (QStringList{QStringLiteral("&Undo Delete 2 Rows"), QStringLiteral("&Redo (off)"), QStringLiteral("-")}));

    frame->view()->ShowDay(3); // undoing shows the day the step was made on
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(frame->view()->shownDay(), 1);
    EXPECT_TRUE(frame->commandAction(Cmd::Monday)->isChecked());
    EXPECT_EQ(frame->view()->shownRowCount(), 3);
    EXPECT_EQ(selectedRows(), (QList<int>{0, 1}));
    EXPECT_EQ(editMenu(),
              (QStringList{QStringLiteral("&Undo (off)"), QStringLiteral("&Redo Delete 2 Rows"), QStringLiteral("-")}));
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(frame->view()->shownRowCount(), 1);
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(frame->view()->shownRowCount(), 1);
    EXPECT_EQ(frame->view()->schedule().day(1).count(), 1);

    // Ctrl+Z with the Time editor open: the typed time is committed, then that edit undone;
    // Redo brings it back. Backspace in the editor still drops a digit (and selects the rest).
    key(Qt::Key_Home, Qt::ControlModifier);
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    key(Qt::Key_Return);
    ASSERT_NE(frame->view()->cellEditor(), nullptr);
    for (int k : {Qt::Key_1, Qt::Key_1, Qt::Key_Colon, Qt::Key_4, Qt::Key_5, Qt::Key_6, Qt::Key_Backspace})
        key(k, k == Qt::Key_Colon ? Qt::ShiftModifier : Qt::NoModifier);
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(frame->view()->cellEditor(), nullptr);
    EXPECT_EQ(frame->view()->rowTexts(0).at(2), QStringLiteral("10:00"));
    EXPECT_EQ(editMenu().at(1), QStringLiteral("&Redo Edit Time"));
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(frame->view()->rowTexts(0).at(2), QStringLiteral("11:45"));
}

TEST_F(UndoRedo, TheTitleMarksUnsavedChangesAndUndoingToTheSavedWeekAsksNothingAtExit)
{
    EXPECT_FALSE(frame->isWindowModified());
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Untitled[*] -   Tavrin (Program Timer)"));
    key(Qt::Key_Insert);
    EXPECT_TRUE(frame->isWindowModified());
    EXPECT_TRUE(frame->document()->isModified());

    const QString path = dir.filePath(QStringLiteral("week.mdb"));
    files.saveAnswers = {path};
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(frame->isWindowModified());
    frame->view()->setFocus();
    click(0);
    key(Qt::Key_Delete);
    EXPECT_TRUE(frame->isWindowModified());
    key(Qt::Key_Z, Qt::ControlModifier); // back to what was saved
    EXPECT_FALSE(frame->isWindowModified());
    EXPECT_FALSE(frame->document()->isModified());
    key(Qt::Key_Z, Qt::ControlModifier); // before the save: modified again
    EXPECT_TRUE(frame->isWindowModified());
    key(Qt::Key_Y, Qt::ControlModifier);

    // Open forgets the steps of the week it replaces.
    files.openAnswers = {{path}};
    key(Qt::Key_O, Qt::ControlModifier);
    EXPECT_FALSE(frame->commandAction(Cmd::EditUndo)->isEnabled());
    EXPECT_FALSE(frame->commandAction(Cmd::EditRedo)->isEnabled());

    frame->view()->setFocus();
    click(0);
    key(Qt::Key_Delete);
    key(Qt::Key_Z, Qt::ControlModifier);
    frame->dispatch(Cmd::AppExit);
    EXPECT_TRUE(messages.asked.isEmpty()) << messages.asked.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(frame->isVisible());
}
