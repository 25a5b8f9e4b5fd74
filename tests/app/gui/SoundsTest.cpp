#include "app/CommandIds.h"
#include "document/ListColumns.h"
#include "FrameFixture.h"
#include "schedule/WeeklySchedule.h"
#include "support/WeekSetUp.h"
#include "view/gui/SoundsDlg.h"

#include <QAction>
#include <QHeaderView>
#include <QMenu>
#include <QTableWidget>

class Sounds : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        setUpWeek(*frame->document(), [](WeeklySchedule &week) {
            SoundNames names;
            names.setName(SoundKind::Melody, 3, QStringLiteral("Westminster"));
            names.setName(SoundKind::Melody, 7, QStringLiteral("Chime"));
            names.setName(SoundKind::Voice, 2, QStringLiteral("Lunch"));
            week.setSoundNames(names);
            week.day(1).clear();
            for (const char *t : {"08:00", "09:00"})
                week.day(1).append(ScheduleEntry{std::string(11, ' ') + t, "Melody", "7", "", "1", "0", "0", "0"});
        });
        frame->view()->setFocus();
    }

    QString shownSelection(int row) const
    {
        return frame->view()->model()->index(row, kColumnSelection).data().toString();
    }
    std::string storedSelection(int row) const { return frame->document()->shownEntries().entry(row + 1).Selection; }
    void key(int k, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key(k), modifiers);
    }
};

TEST_F(Sounds, F7OffersTheRowsNamedSoundsAndChoosingOneIsAStepThatUndoes)
{
    CTavrinView *view = frame->view();
    // The list shows the name; the print, the clipboard and the cell editor read the number.
    EXPECT_EQ(shownSelection(0), "7  Chime");
    EXPECT_EQ(view->rowTexts(0).at(kColumnSelection), "7");

    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(1, kColumnSelection)).center());
    key(Qt::Key_F7);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    ASSERT_TRUE(menu);
    QStringList offered;
    for (QAction *a : menu->actions())
        offered << a->text();
    EXPECT_EQ(offered, (QStringList{"3  Westminster", "7  Chime"})); // melodies only
    EXPECT_EQ(menu->activeAction(), menu->actions().at(1)); // the row's own sound
    QTest::keyClick(menu, Qt::Key_Up);
    QTest::keyClick(menu, Qt::Key_Return);

    EXPECT_EQ(storedSelection(1), "3");
    EXPECT_EQ(shownSelection(1), "3  Westminster");
    EXPECT_EQ(frame->document()->undoText(), "Choose Sound");
    // The cell editor opens on the number alone.
    key(Qt::Key_Return);
    ASSERT_TRUE(view->cellEditor());
    EXPECT_EQ(view->cellEditor()->property("text").toString(), "3");
    key(Qt::Key_Escape);

    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(storedSelection(1), "7");
    EXPECT_FALSE(frame->document()->isModified());

    // Copy, Paste and the re-sort carry the numbers, never the names.
    key(Qt::Key_Y, Qt::ControlModifier);
    key(Qt::Key_C, Qt::ControlModifier);
    key(Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(view->horizontalHeader()->viewport(), Qt::LeftButton, {},
                      QPoint(view->columnViewportPosition(kColumnTime) + 5, 5));
    const DaySchedule &monday = frame->document()->shownEntries();
    ASSERT_EQ(monday.count(), 2); // the pasted 09:00 merges with its own minute
    EXPECT_EQ(storedSelection(0), "7");
    EXPECT_EQ(storedSelection(1), "3");
}

TEST_F(Sounds, TheSoundsWindowNamesOneSoundAStepAndSaysWhyANameIsRefused)
{
    frame->commandAction(Cmd::Sounds)->trigger();
    auto *window = frame->findChild<SoundsDlg *>();
    ASSERT_TRUE(window);
    QApplication::setActiveWindow(window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QTableWidget *table = window->table();
    EXPECT_EQ(table->rowCount(), 30);
    EXPECT_EQ(table->item(2, SoundsDlg::kNameColumn)->text(), "Westminster");
    EXPECT_EQ(table->item(16, SoundsDlg::kNameColumn)->text(), "Lunch");

    auto type = [&](int row, const QString &text) {
        table->setFocus();
        table->setCurrentCell(row, SoundsDlg::kNameColumn);
        QTest::keyClick(table, Qt::Key_F2);
        QWidget *editor = QApplication::focusWidget();
        ASSERT_NE(editor, table);
        QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(editor, text);
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents(); // the table commits a Return's edit once it is back
    };
    type(6, QStringLiteral(" Bells "));
    EXPECT_EQ(frame->document()->week().soundNames().name(SoundKind::Melody, 7), "Bells");
    EXPECT_EQ(shownSelection(0), "7  Bells");
    EXPECT_EQ(frame->document()->undoText(), "Name Melody 7");

    type(6, QString(41, QLatin1Char('b')));
    EXPECT_EQ(messages.shown.value(0), "A sound's name holds at most 40 characters.");
    EXPECT_EQ(table->item(6, SoundsDlg::kNameColumn)->text(), "Bells");
    EXPECT_EQ(frame->document()->undoText(), "Name Melody 7");

    // Undo in the window: the list and the window follow.
    QTest::keyClick(table, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(table->item(6, SoundsDlg::kNameColumn)->text(), "Chime");
    EXPECT_EQ(shownSelection(0), "7  Chime");
}
