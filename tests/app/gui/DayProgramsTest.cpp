#include "app/CommandIds.h"
#include "document/commands/WeekCommands.h"
#include "document/CTavrinDoc.h"
#include "FrameFixture.h"
#include "schedule/WeeklySchedule.h"
#include "view/ProgramEdits.h"
#include "view/ScheduleList.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

#include <deque>

class DayPrograms : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        // the whole toolbar shows at this width; on a smaller screen the drop-down is folded away
        frame->showNormal();
        frame->resize(1280, 720);
        QApplication::processEvents();
        ASSERT_TRUE(box() && box()->isVisible());
    }

    QComboBox *box() const { return frame->toolBar()->findChild<QComboBox *>(QStringLiteral("dayProgram")); }
    QMenu *programsMenu() const { return frame->findChild<QMenu *>(QStringLiteral("specialDays")); }
    CTavrinView *view() const { return frame->view(); }

    bool change(const QString &text, const std::vector<ChangeProgramCalendar::DayEntries> &days,
                const ProgramCalendar &special, int shownDay)
    {
        return view()->perform(std::make_unique<ChangeProgramCalendar>(view()->document(), text, days, special,
                                                                       shownDay, view()->editing().place()));
    }

    int makeProgram(const QString &name)
    {
        const ProgramChange c = newProgram(view()->schedule(), name);
        EXPECT_TRUE(change(c.text, c.days, c.special, c.shownDay));
        return c.shownDay;
    }

    void key(int k, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), modifiers);
    }

    void pressWeekday(int day)
    {
        auto *button = qobject_cast<QToolButton *>(
            frame->toolBar()->widgetForAction(frame->commandAction(Cmd::Weekdays[day - 1])));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
    }

    // No weekday is checked or pressed, the drop-down shows the program and its menu item is checked.
    void expectProgramShown(int day)
    {
        EXPECT_EQ(view()->shownDay(), day);
        for (int d = 1; d <= 7; ++d) {
            QAction *weekday = frame->commandAction(Cmd::Weekdays[d - 1]);
            EXPECT_FALSE(weekday->isChecked()) << d;
            EXPECT_FALSE(qobject_cast<QToolButton *>(frame->toolBar()->widgetForAction(weekday))->isChecked()) << d;
        }
        EXPECT_EQ(box()->currentData().toInt(), day);
        int checked = 0;
        for (QAction *a : programsMenu()->actions())
            checked += a->isChecked() && a->data().toInt() == day;
        EXPECT_EQ(checked, 1);
    }

    // Answers each name dialog with the next name of the queue.
    std::unique_ptr<DialogCloser> namesAnswered(std::deque<QString> names)
    {
        auto closer = std::make_unique<DialogCloser>();
        closer->onDialog = [names = std::move(names)](QDialog *d) mutable {
            auto *dialog = qobject_cast<QInputDialog *>(d);
            ASSERT_NE(dialog, nullptr);
            ASSERT_FALSE(names.empty());
            dialog->setTextValue(names.front());
            names.pop_front();
        };
        return closer;
    }
};

TEST_F(DayPrograms, AProgramIsChosenLikeAWeekdayAndKeepsItsOwnRows)
{
    ASSERT_NE(box(), nullptr);
    EXPECT_EQ(box()->placeholderText(), QStringLiteral("Day program"));
    EXPECT_EQ(box()->currentIndex(), -1);

    // New asks again after a taken name, and shows the program it made
    {
        auto closer = namesAnswered({QStringLiteral("no bells"), QStringLiteral("Exam day")});
        frame->dispatch(Cmd::NewProgram);
        EXPECT_EQ(closer->titles, (QStringList{QStringLiteral("New Program"), QStringLiteral("New Program")}));
    }
    EXPECT_EQ(messages.shown, QStringList{QStringLiteral("There is already a day program named \"no bells\".")});
    const int exam = view()->shownDay();
    EXPECT_EQ(view()->schedule().dayTitle(exam), QStringLiteral("Exam day"));
    EXPECT_EQ(frame->commandAction(Cmd::EditUndo)->text(), QStringLiteral("&Undo New Program (Exam day)"));
    expectProgramShown(exam);
    QApplication::setActiveWindow(frame.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));

    // a weekday puts the drop-down back on its placeholder
    pressWeekday(1);
    EXPECT_EQ(box()->currentIndex(), -1);
    EXPECT_TRUE(frame->commandAction(Cmd::Monday)->isChecked());

    // the mouse: open the drop-down, click "Exam day"
    QTest::mouseClick(box(), Qt::LeftButton);
    QAbstractItemView *popup = box()->view();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(popup->window()));
    const QModelIndex item = popup->model()->index(box()->findData(exam), 0);
    // the drop-down takes no release within a double-click's time of opening, as for a person
    QTest::qWait(QApplication::doubleClickInterval() + 50);
    QTest::mouseMove(popup->viewport(), popup->visualRect(item).center());
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, popup->visualRect(item).center());
    expectProgramShown(exam);

    // the operator's Insert lands on the program
    view()->setFocus();
    key(Qt::Key_Insert);
    ASSERT_EQ(view()->shownRowCount(), 1);
    pressWeekday(2);
    EXPECT_EQ(view()->shownRowCount(), 0);
    EXPECT_EQ(view()->schedule().day(2).count(), 0);

    // the keyboard: Down on the drop-down walks "No bells", then "Exam day" with its row
    box()->setFocus();
    key(Qt::Key_Down);
    EXPECT_EQ(view()->shownDay(), kNoBellsDay);
    key(Qt::Key_Down);
    expectProgramShown(exam);
    EXPECT_EQ(view()->shownRowCount(), 1);

    // undo from a weekday shows the program the Insert was made on
    pressWeekday(1);
    view()->setFocus();
    key(Qt::Key_Z, Qt::ControlModifier);
    expectProgramShown(exam);
    EXPECT_EQ(view()->shownRowCount(), 0);
}

TEST_F(DayPrograms, NoBellsIsShownEmptyAndRefusesEdits)
{
    view()->setFocus();
    key(Qt::Key_Insert); // Monday's row, for Paste
    key(Qt::Key_C, Qt::ControlModifier);
    QAction *noBells = nullptr;
    for (QAction *a : programsMenu()->actions())
        noBells = a->data().toInt() == kNoBellsDay ? a : noBells;
    ASSERT_NE(noBells, nullptr);
    EXPECT_EQ(noBells->text(), QStringLiteral("No bells"));
    noBells->trigger();
    expectProgramShown(kNoBellsDay);
    const QString undoText = frame->commandAction(Cmd::EditUndo)->text();

    for (int id : {Cmd::EditInsert, Cmd::EditDelete, Cmd::EditCut, Cmd::EditPaste, Cmd::EditModify, Cmd::RenameProgram,
                   Cmd::DeleteProgram})
        EXPECT_FALSE(frame->commandAction(id)->isEnabled()) << id;
    view()->setFocus();
    key(Qt::Key_Insert);
    key(Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(view()->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(view()->horizontalHeader()->sectionViewportPosition(2) + 5, 5));
    EXPECT_EQ(view()->shownRowCount(), 0);
    EXPECT_EQ(view()->schedule().day(kNoBellsDay).count(), 0);
    EXPECT_EQ(frame->commandAction(Cmd::EditUndo)->text(), undoText);

    pressWeekday(3);
    EXPECT_TRUE(frame->commandAction(Cmd::EditInsert)->isEnabled());
    EXPECT_FALSE(frame->commandAction(Cmd::DeleteProgram)->isEnabled());
}

TEST_F(DayPrograms, AutoSetWritesIntoAProgramAndNamesIt)
{
    const int exam = makeProgram(QStringLiteral("Exam day"));
    pressWeekday(1);
    bool answered = false;
    QTimer::singleShot(0, [&] {
        QWidget *dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        auto *day = dialog->findChild<QComboBox *>(QStringLiteral("day"));
        ASSERT_EQ(day->count(), 8); // the weekdays and "Exam day"; "No bells" takes nothing
        EXPECT_EQ(day->itemText(7), QStringLiteral(" Exam day"));
        day->setCurrentIndex(7);
        dialog->findChild<QLineEdit *>(QStringLiteral("startTime"))->setText(QStringLiteral("08:00"));
        dialog->findChild<QLineEdit *>(QStringLiteral("endTime"))->setText(QStringLiteral("09:00"));
        dialog->findChild<QLineEdit *>(QStringLiteral("interval"))->setText(QStringLiteral("20"));
        dialog->findChild<QComboBox *>(QStringLiteral("melodyVoice"))->setCurrentIndex(1);
        QTest::mouseClick(dialog->findChild<QPushButton *>(QStringLiteral("ok")), Qt::LeftButton);
        answered = true;
    });
    view()->setFocus();
    key(Qt::Key_F3);
    ASSERT_TRUE(answered);
    expectProgramShown(exam);
    EXPECT_EQ(view()->shownRowCount(), 3);
    EXPECT_EQ(view()->schedule().day(1).count(), 0);
    EXPECT_EQ(frame->commandAction(Cmd::EditUndo)->text(), QStringLiteral("&Undo Auto Set (Exam day)"));
}

TEST_F(DayPrograms, DeletingAProgramTheCalendarUsesNamesItsDatesAndUndoBringsAllBack)
{
    const int exam = makeProgram(QStringLiteral("Exam"));
    view()->setFocus();
    key(Qt::Key_Insert);
    // Rename shows the new name in the drop-down and the menu at once
    {
        auto closer = namesAnswered({QStringLiteral("Exam day")});
        frame->dispatch(Cmd::RenameProgram);
    }
    QApplication::setActiveWindow(frame.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    EXPECT_EQ(box()->currentText(), QStringLiteral("Exam day"));
    EXPECT_EQ(programsMenu()->actions().at(1)->text(), QStringLiteral("Exam day"));
    expectProgramShown(exam);
    ProgramCalendar special = view()->schedule().programCalendar();
    special.calendar.push_back({QDate(2027, 2, 1), QDate(2027, 2, 5), exam, QString()});
    special.calendar.push_back({QDate(2027, 1, 4), QDate(2027, 1, 4), exam, QString()});
    ASSERT_TRUE(change(QStringLiteral("Add Dates"), {}, special, exam));

    // Cancel keeps it
    frame->dispatch(Cmd::DeleteProgram);
    ASSERT_EQ(messages.asked.size(), 1);
    EXPECT_EQ(messages.asked[0],
              QStringLiteral("Used on 2027-01-04, 2027-02-01 \u2013 2027-02-05. Delete the program "
                             "and these calendar entries?"));
    EXPECT_TRUE(view()->schedule().hasDay(exam));

    messages.answers = {Messages::Answer::Ok};
    programsMenu()->actions().last()->trigger(); // Delete Program...
    EXPECT_FALSE(view()->schedule().hasDay(exam));
    EXPECT_TRUE(view()->schedule().programCalendar().calendar.empty());
    EXPECT_EQ(view()->shownDay(), 1);
    EXPECT_TRUE(frame->commandAction(Cmd::Monday)->isChecked());
    EXPECT_EQ(box()->findData(exam), -1);
    EXPECT_EQ(box()->currentIndex(), -1);

    view()->setFocus();
    key(Qt::Key_Z, Qt::ControlModifier);
    expectProgramShown(exam);
    EXPECT_EQ(view()->shownRowCount(), 1);
    EXPECT_EQ(view()->schedule().programCalendar().calendar.size(), 2u);
}
