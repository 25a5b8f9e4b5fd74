#include "FrameFixture.h"
#include "support/MakeEntry.h"
#include "support/WeekSetUp.h"

#include "app/CommandIds.h"
#include "view/gui/CalendarDlg.h"
#include "view/gui/CalendarEntryDlg.h"
#include "view/gui/CalendarMonthView.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace {

constexpr int kExam = 9;
constexpr int kHalf = 10;
const QDate kTuesday(2030, 3, 12);

// Runs step on the entry dialog once it is open (the button that opens it does not return
// until it is closed).
void whenEntryDialogOpens(std::function<void(CalendarEntryDlg *)> step)
{
    auto *timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, step] {
        auto *dialog = qobject_cast<CalendarEntryDlg *>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer->stop();
        timer->deleteLater();
        QApplication::setActiveWindow(dialog);
        step(dialog);
    });
    timer->start(10);
}

void key(QWidget *window, int k, Qt::KeyboardModifiers modifiers = {})
{
    QWidget *focused = window->focusWidget();
    ASSERT_NE(focused, nullptr);
    QTest::keyClick(focused, Qt::Key(k), modifiers);
}

class CalendarWindow : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        ProgramCalendar special = frame->view()->schedule().programCalendar();
        special.programs.push_back({kExam, QStringLiteral("Exam day")});
        special.programs.push_back({kHalf, QStringLiteral("Half day")});
        ASSERT_TRUE(changeProgramsAndCalendar(frame->view()->document(), QStringLiteral("Programs"),
                                              {{kExam, {makeEntry(9, 0, "Voice", 2, "", "0100")}},
                                               {kHalf, {makeEntry(12, 30, "Melody", 4, "ON", "1000")}}},
                                              special));
    }

    CalendarDlg *open()
    {
        QTest::keyClick(frame.get(), Qt::Key_K, Qt::ControlModifier);
        auto *window = frame->findChild<CalendarDlg *>();
        if (window && window->isVisible())
            window->monthView()->setSelectedDate(kTuesday);
        return window;
    }

    QTextCharFormat cellOf(CalendarDlg *window, const QDate &date) const
    {
        return window->monthView()->dateTextFormat(date);
    }

    QStringList events(CalendarDlg *window) const
    {
        QStringList lines;
        for (int i = 0; i < window->eventList()->count(); ++i)
            lines << window->eventList()->item(i)->text();
        return lines;
    }
};

} // namespace

TEST_F(CalendarWindow, TabWalksTheEntryDialogsFieldsAndButtonsOnceEach)
{
    CalendarDlg *window = open();
    ASSERT_NE(window, nullptr);
    QStringList stops;
    whenEntryDialogOpens([&](CalendarEntryDlg *dialog) {
        const auto buttons = dialog->findChildren<QPushButton *>();
        auto name = [&](QWidget *w) {
            const QList<QPair<QWidget *, QString>> fields{{dialog->firstEdit(), QStringLiteral("first")},
                                                          {dialog->lastEdit(), QStringLiteral("last")},
                                                          {dialog->programBox(), QStringLiteral("program")},
                                                          {dialog->noteEdit(), QStringLiteral("note")}};
            for (const auto &f : fields) {
                if (w == f.first || f.first->isAncestorOf(w))
                    return f.second;
            }
            auto *button = qobject_cast<QPushButton *>(w);
            return button ? button->text().remove(QLatin1Char('&')) : QStringLiteral("?");
        };
        for (int i = 0; i < 7; ++i) {
            stops << name(dialog->focusWidget());
            key(dialog, Qt::Key_Tab);
        }
        dialog->reject();
    });
    QTest::mouseClick(window->addButton(), Qt::LeftButton);
    ASSERT_EQ(stops.size(), 7);
    EXPECT_EQ(stops.mid(0, 4),
              (QStringList{QStringLiteral("first"), QStringLiteral("last"), QStringLiteral("program"),
                           QStringLiteral("note")}))
        << stops.join(QLatin1Char(' ')).toStdString();
    QStringList buttons = stops.mid(4, 2);
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("Cancel"), QStringLiteral("OK")}))
        << stops.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(stops.at(6), "first");
}

TEST_F(CalendarWindow, AnEntryAddedThroughTheDialogColoursItsDateAndUndoInTheMainWindowTakesItBack)
{
    CalendarDlg *window = open();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(window->isVisible());
    EXPECT_EQ(cellOf(window, kTuesday).background().style(), Qt::NoBrush);
    EXPECT_TRUE(window->dateTitle()->text().contains(QStringLiteral("regular Tuesday")))
        << window->dateTitle()->text().toStdString();
    const QStringList tuesday = events(window);

    whenEntryDialogOpens([](CalendarEntryDlg *dialog) {
        EXPECT_EQ(dialog->firstEdit()->date(), kTuesday);
        EXPECT_EQ(dialog->programBox()->currentText(), "Exam day");
        QTest::mouseClick(dialog->noteEdit(), Qt::LeftButton);
        QTest::keyClicks(dialog->noteEdit(), QStringLiteral("Sports day"));
        key(dialog, Qt::Key_Tab, Qt::ShiftModifier); // back to the program
        key(dialog, Qt::Key_Down);
        key(dialog, Qt::Key_Return);
    });
    QTest::mouseClick(window->addButton(), Qt::LeftButton);

    ASSERT_EQ(window->entryTable()->rowCount(), 1);
    EXPECT_EQ(window->entryTable()->item(0, 2)->text(), "Half day");
    EXPECT_EQ(window->entryTable()->item(0, 3)->text(), "Sports day");
    EXPECT_EQ(cellOf(window, kTuesday).background().color(),
              CalendarMonthView::colourOf(CalendarPage::Kind::Program, kHalf));
    EXPECT_EQ(cellOf(window, kTuesday).toolTip(), "Half day\nSports day");
    EXPECT_EQ(events(window), QStringList{QStringLiteral("PM 12:30  Melody 4  AC ON  ch1")});
    EXPECT_EQ(frame->view()->document().undoText(), "Add Calendar Entry");

    // Undo from the main window: the window follows while it stays open.
    QApplication::setActiveWindow(frame.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(frame->view(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->entryTable()->rowCount(), 0);
    EXPECT_EQ(cellOf(window, kTuesday).background().style(), Qt::NoBrush);
    EXPECT_EQ(events(window), tuesday);
    QTest::keyClick(frame->view(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(window->entryTable()->rowCount(), 1);

    // Ctrl+K again brings the same window forward.
    EXPECT_EQ(open(), window);
    EXPECT_EQ(frame->findChildren<CalendarDlg *>().size(), 1);
}

TEST_F(CalendarWindow, AnEditedEntryKeepsItsPlaceInTheOrder)
{
    ProgramCalendar special = frame->view()->schedule().programCalendar();
    special.calendar = {{kTuesday.addDays(-1), kTuesday.addDays(1), kExam, QStringLiteral("Exams")},
                        {kTuesday, kTuesday, kHalf, QStringLiteral("Trip")}};
    ASSERT_TRUE(changeProgramsAndCalendar(frame->view()->document(), QStringLiteral("Dates"), {}, special));
    CalendarDlg *window = open();
    ASSERT_NE(window, nullptr);
    QTableWidget *table = window->entryTable();
    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(cellOf(window, kTuesday).toolTip(), "Half day\nTrip");

    QTest::mouseClick(table->viewport(), Qt::LeftButton, {}, table->visualItemRect(table->item(0, 3)).center());
    whenEntryDialogOpens([](CalendarEntryDlg *dialog) {
        EXPECT_EQ(dialog->noteEdit()->text(), "Exams");
        QTest::mouseClick(dialog->noteEdit(), Qt::LeftButton);
        key(dialog, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(dialog->noteEdit(), QStringLiteral("Mock exams"));
        key(dialog, Qt::Key_Return);
    });
    QTest::mouseClick(window->editButton(), Qt::LeftButton);

    ASSERT_EQ(table->rowCount(), 2);
    EXPECT_EQ(table->item(0, 3)->text(), "Mock exams");
    EXPECT_EQ(table->item(1, 3)->text(), "Trip");
    // The later entry still wins where the two overlap.
    EXPECT_EQ(cellOf(window, kTuesday).toolTip(), "Half day\nTrip");
    EXPECT_EQ(cellOf(window, kTuesday.addDays(1)).toolTip(), "Exam day\nMock exams");
    EXPECT_EQ(frame->view()->document().undoText(), "Edit Calendar Entry");

    QTest::mouseClick(window->deleteButton(), Qt::LeftButton);
    ASSERT_EQ(table->rowCount(), 1);
    EXPECT_EQ(table->item(0, 3)->text(), "Trip");
}

TEST_F(CalendarWindow, AnEntryEndingBeforeItBeginsIsRefusedWithAMessage)
{
    CalendarDlg *window = open();
    ASSERT_NE(window, nullptr);
    bool refused = false;
    whenEntryDialogOpens([&refused](CalendarEntryDlg *dialog) {
        QTest::mouseClick(dialog->lastEdit(), Qt::LeftButton);
        key(dialog, Qt::Key_Down);
        key(dialog, Qt::Key_Return);
        refused = dialog->isVisible() && dialog->faultLabel()->isVisible()
            && dialog->faultLabel()->text().contains(QStringLiteral("before the first date"));
        dialog->reject();
    });
    QTest::mouseClick(window->addButton(), Qt::LeftButton);
    EXPECT_TRUE(refused);
    EXPECT_EQ(window->entryTable()->rowCount(), 0);
    EXPECT_EQ(frame->view()->document().undoText(), "Programs");
}

TEST_F(CalendarWindow, CarriesTheBellsOffAndImportHolidaysCommands)
{
    CalendarDlg *window = open();
    ASSERT_NE(window, nullptr);
    QStringList texts;
    QPushButton *backOn = nullptr;
    for (QPushButton *b : window->findChildren<QPushButton *>()) {
        texts << b->text();
        if (b->text() == QLatin1String("Bells Back On"))
            backOn = b;
    }
    for (const char *text : {"Bells Off Today", "Bells Off Until...", "Import Holidays..."})
        EXPECT_TRUE(texts.contains(QLatin1String(text))) << text;
    ASSERT_NE(backOn, nullptr);
    QTest::mouseClick(backOn, Qt::LeftButton);
    ASSERT_FALSE(messages.shown.isEmpty());
    EXPECT_EQ(messages.shown.back(), "Bells are not off today.");
}
