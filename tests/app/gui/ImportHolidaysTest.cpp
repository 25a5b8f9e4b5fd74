#include "FrameFixture.h"

#include "app/CommandIds.h"
#include "app/gui/ImportHolidaysDlg.h"
#include "support/WeekSetUp.h"

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QPushButton>
#include <QTableWidget>

namespace {

const QDate kToday(2030, 3, 12);

QString writeIcs(const QTemporaryDir &dir, const QByteArray &text)
{
    const QString path = dir.filePath(QStringLiteral("school.ics"));
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(text);
    return path;
}

class ImportHolidays : public FrameFixture {
protected:
    void SetUp() override
    {
        FrameFixture::SetUp();
        frame->setToday([] { return kToday; });
        setUpWeek(*frame->document(), [](WeeklySchedule &w) {
            ProgramCalendar special = w.programCalendar();
            special.programs.push_back({w.nextProgramDay(), QStringLiteral("Half day")});
            w.setProgramCalendar(special);
        });
    }
    const std::vector<CalendarEntry> &calendar() const { return frame->document()->week().programCalendar().calendar; }
};

TEST_F(ImportHolidays, ShowsTheDatesFirstAndTakesTheTickedOnesAsOneStep)
{
    files.openAnswers = {{writeIcs(dir,
                                   "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//t//EN\r\n"
                                   "BEGIN:VEVENT\r\nUID:b\r\nSUMMARY:Spring break\r\nDTSTART;VALUE=DATE:20300401\r\n"
                                   "DTEND;VALUE=DATE:20300406\r\nEND:VEVENT\r\n"
                                   "BEGIN:VEVENT\r\nUID:m\r\nSUMMARY:Staff meeting\r\nDTSTART:20300320T150000\r\n"
                                   "DTEND:20300320T160000\r\nEND:VEVENT\r\nEND:VCALENDAR\r\n")}};
    QStringList summaries;
    QList<bool> ticked;
    DialogCloser closer;
    closer.onDialog = [&](QDialog *d) {
        auto *dialog = qobject_cast<ImportHolidaysDlg *>(d);
        ASSERT_NE(dialog, nullptr);
        for (int row = 0; row < dialog->table()->rowCount(); ++row) {
            summaries << dialog->table()->item(row, 0)->text();
            ticked << (dialog->table()->item(row, 0)->checkState() == Qt::Checked);
        }
        // "Half day" for every row, by the keyboard.
        dialog->programForAll()->setFocus();
        QTest::keyClick(dialog->programForAll(), Qt::Key_Down);
    };
    frame->commandAction(Cmd::ImportHolidays)->trigger();
    // By first date; the timed meeting unticked.
    EXPECT_EQ(summaries, QStringList({QStringLiteral("Staff meeting"), QStringLiteral("Spring break")}));
    EXPECT_EQ(ticked, QList<bool>({false, true}));
    ASSERT_EQ(calendar().size(), 1u);
    EXPECT_EQ(calendar()[0].first, QDate(2030, 4, 1));
    EXPECT_EQ(calendar()[0].last, QDate(2030, 4, 5));
    EXPECT_EQ(frame->document()->week().dayTitle(calendar()[0].program), "Half day");
    EXPECT_EQ(calendar()[0].sourceUid, "b");
    EXPECT_EQ(frame->document()->undoText(), "Import Holidays");
    frame->document()->undo();
    EXPECT_TRUE(calendar().empty());
}

TEST_F(ImportHolidays, AFileThatIsNotICalendarIsRefusedAndNothingChanges)
{
    files.openAnswers = {{writeIcs(dir, "Spring break, 1 April\n")}};
    frame->commandAction(Cmd::ImportHolidays)->trigger();
    ASSERT_FALSE(messages.shown.isEmpty());
    EXPECT_EQ(messages.shown.back(), "\"school.ics\" is not an iCalendar file: nothing was imported.");
    EXPECT_TRUE(calendar().empty());
    EXPECT_FALSE(frame->document()->canUndo());
}

} // namespace
