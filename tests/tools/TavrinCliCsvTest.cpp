// The schedule's CSV form that tavrin-cli's show and import use.
#include "schedule/CsvRecords.h"
#include "schedule/ScheduleCsv.h"
#include "schedule/TimeText.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <gtest/gtest.h>

namespace {

ScheduleEntry entry(const std::string &time, const std::string &melodyVoice, const std::string &selection,
                    const std::string &ac, const std::string &channels)
{
    ScheduleEntry e;
    e.Time = time;
    e.MelodyVoice = melodyVoice;
    e.Selection = selection;
    e.AC = ac;
    e.CH1 = channels.substr(0, 1);
    e.CH2 = channels.substr(1, 1);
    e.CH3 = channels.substr(2, 1);
    e.CH4 = channels.substr(3, 1);
    return e;
}

const char kHeader[] = "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4\r\n";

std::vector<ScheduleCsvError> readErrors(const std::string &text, WeeklySchedule &week)
{
    std::vector<ScheduleCsvError> errors;
    EXPECT_FALSE(readScheduleCsv(text, week, errors));
    return errors;
}

} // namespace

TEST(ScheduleCsv, WritesEveryEntryAsStoredAndReadsItBackEqual)
{
    WeeklySchedule week;
    week.day(kMonday).append(entry(storedTime(7, 5), "Melody", "3", "ON", "1010"));
    week.day(kMonday).append(entry(storedTime(6, 0), "Voice", "15", "", "0001"));
    // As the database gives it back: a date prefix and seconds.
    week.day(kWednesday).append(entry("2000-01-01 23:59:00", " ", "0", "OFF", "0000"));
    week.day(kSunday).append(entry(storedTime(0, 0), "", "", "", "1111"));

    const std::string text = scheduleCsv(week);
    EXPECT_EQ(text,
              std::string(kHeader)
                  + "Monday,1,07:05,Melody,3,ON,1,0,1,0\r\n"
                    "Monday,2,06:00,Voice,15,,0,0,0,1\r\n"
                    "Wednesday,1,23:59,\" \",0,OFF,0,0,0,0\r\n"
                    "Sunday,1,00:00,,,,1,1,1,1\r\n");
    EXPECT_EQ(scheduleCsv(week, kWednesday), std::string(kHeader) + "Wednesday,1,23:59,\" \",0,OFF,0,0,0,0\r\n");

    WeeklySchedule back;
    back.day(kFriday).append(entry(storedTime(1, 1), "Melody", "1", "ON", "1000")); // replaced by nothing
    std::vector<ScheduleCsvError> errors;
    ASSERT_TRUE(readScheduleCsv(text, back, errors));
    EXPECT_TRUE(errors.empty());
    EXPECT_TRUE(back.day(kMonday).sameEntries(week.day(kMonday)));
    EXPECT_TRUE(back.day(kSunday).sameEntries(week.day(kSunday)));
    EXPECT_EQ(back.day(kWednesday).count(), 1);
    EXPECT_EQ(back.day(kWednesday).entry(1).Time, storedTime(23, 59));
    EXPECT_EQ(back.day(kFriday).count(), 0);
    EXPECT_EQ(scheduleCsv(back), text);
}

TEST(ScheduleCsv, TakesRowsAndColumnsInAnyOrderAndWeekdaysInAnyCase)
{
    const std::string text = "\xEF\xBB\xBF"
                             "ID,Day,Time,ch4,ch3,ch2,ch1,ac,selection,melody_voice\n"
                             "2,tue,8:30,0,0,0,1,,5,Melody\n"
                             "\n"
                             "1,TUESDAY, 07:00 ,1,0,0,0,ON,2,Voice\n"
                             "1,Sun,12:00,0,0,0,0,OFF,0,\n";
    WeeklySchedule week;
    std::vector<ScheduleCsvError> errors;
    ASSERT_TRUE(readScheduleCsv(text, week, errors));
    ASSERT_EQ(week.day(kTuesday).count(), 2);
    EXPECT_EQ(week.day(kTuesday).entry(1), entry(storedTime(7, 0), "Voice", "2", "ON", "0001"));
    EXPECT_EQ(week.day(kTuesday).entry(2), entry(storedTime(8, 30), "Melody", "5", "", "1000"));
    EXPECT_EQ(week.day(kSunday).count(), 1);
    EXPECT_EQ(week.day(kMonday).count(), 0);
}

TEST(ScheduleCsv, ReportsEveryBadRowByLineAndChangesNothing)
{
    WeeklySchedule week;
    week.day(kMonday).append(entry(storedTime(9, 0), "Melody", "1", "ON", "1000"));
    const std::string text = std::string(kHeader)
        + "Monday,1,07:00,Melody,1,ON,1,0,0,0\r\n" // 2 fine
          "Funday,2,07:01,Melody,1,ON,1,0,0,0\r\n" // 3
          "Monday,2,24:00,Melody,1,ON,1,0,0,0\r\n" // 4
          "Monday,x,07:03,melody,16,on,2,0,0,0\r\n" // 5
          "Monday,1,07:04,Voice,1,ON,1,0,0,0\r\n" // 6 repeats id 1
          "Tuesday,2,07:05,Voice,1,ON,1,0,0,0\r\n" // 7 no id 1 on Tuesday
          "Monday,3,07:06,Voice,1,ON,1,0,0\r\n" // 8 nine fields
          "Monday,1441,07:07,Voice,1,ON,1,0,0,0\r\n"; // 9 beyond a day
    const auto errors = readErrors(text, week);
    ASSERT_EQ(errors.size(), 7u);
    EXPECT_EQ(errors[0].line, 3);
    EXPECT_NE(errors[0].message.find("unknown weekday \"Funday\""), std::string::npos);
    EXPECT_EQ(errors[1].line, 4);
    EXPECT_NE(errors[1].message.find("time \"24:00\""), std::string::npos);
    EXPECT_EQ(errors[2].line, 5); // every problem of the row in one message
    for (const char *part : {"id \"x\"", "melody_voice \"melody\"", "selection \"16\"", "ac \"on\"", "ch1 \"2\""})
        EXPECT_NE(errors[2].message.find(part), std::string::npos) << part;
    EXPECT_EQ(errors[3].line, 6);
    EXPECT_NE(errors[3].message.find("already given on line 2"), std::string::npos);
    EXPECT_EQ(errors[4].line, 7);
    EXPECT_NE(errors[4].message.find("no row gives id 1"), std::string::npos);
    EXPECT_EQ(errors[5].line, 8);
    EXPECT_EQ(errors[6].line, 9);
    // Nothing was read: the week is as it was.
    EXPECT_EQ(week.day(kMonday).count(), 1);
    EXPECT_EQ(week.day(kMonday).entry(1).Time, storedTime(9, 0));

    // The header itself: one message, whatever is wrong with it and however long it is.
    auto headerErrors = readErrors("day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,colour,size\n", week);
    ASSERT_EQ(headerErrors.size(), 1u);
    EXPECT_EQ(headerErrors[0].line, 1);
    EXPECT_NE(headerErrors[0].message.find("unknown column \"colour\""), std::string::npos);
    headerErrors = readErrors("day,id,time,melody_voice,selection,ac,ch1,ch2\n", week);
    ASSERT_EQ(headerErrors.size(), 1u);
    EXPECT_NE(headerErrors[0].message.find("\"ch3\", \"ch4\" missing"), std::string::npos) << headerErrors[0].message;
    for (const std::string &header : {std::string(kScheduleCsvSizeLimit - 1, ','), kHeader + std::string(1 << 20, ',')})
        EXPECT_EQ(readErrors(header, week).size(), 1u);
    EXPECT_EQ(readErrors("", week).size(), 1u);
}

TEST(ScheduleCsv, HoldsAFullDay)
{
    std::string text = kHeader;
    for (int m = 0; m < DaySchedule::kCapacity; ++m)
        text += "Fri," + std::to_string(m + 1) + "," + std::to_string(m / 60) + ":" + (m % 60 < 10 ? "0" : "")
            + std::to_string(m % 60) + ",Melody,1,ON,1,0,0,0\n";
    WeeklySchedule week;
    std::vector<ScheduleCsvError> errors;
    ASSERT_TRUE(readScheduleCsv(text, week, errors));
    EXPECT_EQ(week.day(kFriday).count(), DaySchedule::kCapacity);
    EXPECT_EQ(week.day(kFriday).entry(DaySchedule::kCapacity).Time, storedTime(23, 59));
}

TEST(CsvRecords, FollowsTheQuotingRulesAndCountsLines)
{
    std::vector<CsvRecord> records;
    CsvSyntaxError error;
    ASSERT_TRUE(parseCsv("a,\"b,c\",\"say \"\"hi\"\"\"\r\n"
                         "\"two\nlines\",,\r\n"
                         "\r\n"
                         "last",
                         records, error));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records[0].line, 1);
    EXPECT_EQ(records[0].fields, (std::vector<std::string>{"a", "b,c", "say \"hi\""}));
    EXPECT_EQ(records[1].line, 2);
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"two\nlines", "", ""}));
    EXPECT_EQ(records[2].line, 5);
    EXPECT_EQ(records[2].fields, std::vector<std::string>{"last"});

    for (const std::string field : {"plain", "a,b", "say \"hi\"", " edge", "two\r\nlines", ""}) {
        records.clear();
        ASSERT_TRUE(parseCsv(csvLine({field, "x"}), records, error)) << field;
        ASSERT_EQ(records.size(), 1u);
        EXPECT_EQ(records[0].fields, (std::vector<std::string>{field, "x"}));
    }

    records.clear();
    EXPECT_FALSE(parseCsv("a,b\nc,\"open\nstill open", records, error));
    EXPECT_EQ(error.line, 2);
    EXPECT_FALSE(parseCsv("\"closed\"junk,b\n", records, error));
    EXPECT_EQ(error.line, 1);
}

TEST(ScheduleCsv, ForeignAndFormulaTextsGoOutAsTextAndComeBackAsStored)
{
    struct Case {
        const char *stored; // in MelodyVoice, or in Time where marked
        bool inTime;
        const char *written;
        const char *readBack;
    };
    const Case cases[] = {
        {"=cmd|' /C calc'!A0", false, "'=cmd|' /C calc'!A0", "=cmd|' /C calc'!A0"},
        {"+1", false, "'+1", "+1"},
        {"-1", false, "'-1", "-1"},
        {"@SUM(A1)", false, "'@SUM(A1)", "@SUM(A1)"},
        {"'quoted", false, "''quoted", "'quoted"},
        {"melody", false, "'melody", "melody"}, // a text import would refuse as typed
        {"Voice", false, "Voice", "Voice"},
        {"", true, "", ""}, // a position a file left empty
        {"           7:05", true, "07:05", "           07:05"},
        {"           07:5", true, "07:05", "           07:05"},
        {"07:05", true, "07:05", "           07:05"},
        {"=cmd|' /C calc'!A0", true, "'=cmd|' /C calc'!A0", "=cmd|' /C calc'!A0"},
        {"noon", true, "'noon", "noon"},
    };
    for (const Case &c : cases) {
        WeeklySchedule week;
        ScheduleEntry e = entry(storedTime(8, 0), "Melody", "1", "ON", "1000");
        (c.inTime ? e.Time : e.MelodyVoice) = c.stored;
        week.day(kMonday).append(e);
        const std::string text = scheduleCsv(week);
        const std::string row = c.inTime ? std::string("Monday,1,") + c.written + ",Melody,1,ON,1,0,0,0\r\n"
                                         : std::string("Monday,1,08:00,") + c.written + ",1,ON,1,0,0,0\r\n";
        EXPECT_EQ(text, kHeader + row) << c.stored;

        WeeklySchedule back;
        std::vector<ScheduleCsvError> errors;
        ASSERT_TRUE(readScheduleCsv(text, back, errors))
            << c.stored << ": " << (errors.empty() ? "" : errors[0].message);
        const ScheduleEntry &read = back.day(kMonday).entry(1);
        EXPECT_EQ(c.inTime ? read.Time : read.MelodyVoice, c.readBack) << c.stored;
        EXPECT_EQ(scheduleCsv(back), text) << c.stored;
    }
}

TEST(ScheduleCsv, NulBytesAndBrokenUtf8AreReportedNotCopied)
{
    WeeklySchedule week;
    week.day(kMonday).append(entry(storedTime(8, 0), std::string("Mel\0ody", 7), "1", "ON", "1000"));
    week.day(kMonday).append(entry(storedTime(9, 0), "Voice", "1", "O\xC3N", "1000"));
    week.day(kMonday).append(entry(storedTime(9, 5), "Voice", "1", "\xE2\x82\xAC", "1000")); // valid UTF-8
    std::vector<ScheduleCsvError> problems;
    const std::string text = scheduleCsv(week, 0, problems);
    ASSERT_EQ(problems.size(), 2u);
    EXPECT_EQ(problems[0].line, 2);
    EXPECT_NE(problems[0].message.find("melody_voice holds a NUL byte"), std::string::npos) << problems[0].message;
    EXPECT_EQ(problems[1].line, 3);
    EXPECT_NE(problems[1].message.find("ac is not UTF-8"), std::string::npos) << problems[1].message;
    EXPECT_EQ(text.find('\0'), std::string::npos);
    EXPECT_NE(text.find("Monday,2,09:00,Voice,1,ON,"), std::string::npos) << text; // the bad byte left out

    // Control characters too: a tab, a CR (as a spreadsheet would get them), an ESC, a C1 CSI.
    for (const std::string &field :
         {std::string("Mel\0ody", 7), std::string("'Mel\0ody", 8), std::string("\xFF"), std::string("'\tx"),
          std::string("\"'\rx\""), std::string("\x1b[2J"), std::string("\xC2\x9B")}) {
        WeeklySchedule back;
        const auto errors = readErrors(kHeader + ("Monday,1,08:00," + field + ",1,ON,1,0,0,0\r\n"), back);
        ASSERT_EQ(errors.size(), 1u);
        EXPECT_EQ(errors[0].line, 2);
        EXPECT_NE(errors[0].message.find("melody_voice "), std::string::npos) << errors[0].message;
    }
}

TEST(ScheduleCsv, RefusesHugeTextsAndStopsAfterFiftyErrors)
{
    WeeklySchedule week;
    const std::string huge = kHeader + std::string(kScheduleCsvSizeLimit, '\n');
    auto errors = readErrors(huge, week);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].message.find("larger than 4 MB"), std::string::npos) << errors[0].message;

    std::string bad = kHeader;
    for (int i = 0; i < 1000; ++i)
        bad += "Funday,1,07:00,Melody,1,ON,1,0,0,0\r\n";
    errors = readErrors(bad, week);
    ASSERT_EQ(errors.size(), kScheduleCsvErrorLimit + 1);
    EXPECT_EQ(errors[kScheduleCsvErrorLimit - 1].line, 51);
    EXPECT_NE(errors.back().message.find("stopped after 50 errors"), std::string::npos);
}

TEST(ScheduleCsv, ProgramsAndTheCalendarComeOutAndBackInTheirOrder)
{
    WeeklySchedule week;
    week.day(kMonday).append(entry(storedTime(7, 5), "Melody", "3", "ON", "1010"));
    ProgramCalendar special;
    special.programs.push_back({9, QStringLiteral("Exam day")});
    special.programs.push_back({12, QStringLiteral("Half day")}); // no entries
    special.programs.push_back({10, QStringLiteral("=Trips")});
    special.calendar.push_back(
        {QDate(2026, 12, 19), QDate(2027, 1, 6), kNoBellsDay, QStringLiteral("Winter holidays")});
    special.calendar.push_back({QDate(2027, 1, 4), QDate(2027, 1, 4), 9, QString()});
    special.calendar.push_back({QDate(2027, 1, 5), QDate(2027, 1, 5), 42, QStringLiteral("its program is gone")});
    special.calendar.push_back({QDate(2027, 2, 1), QDate(2027, 2, 5), 12, QStringLiteral("Week, with comma")});
    week.setProgramCalendar(special);
    week.day(9).append(entry(storedTime(8, 0), "Melody", "1", "ON", "1000"));
    week.day(9).append(entry(storedTime(12, 30), "Voice", "2", "OFF", "0100"));
    week.day(10).append(entry(storedTime(9, 0), "Melody", "1", "ON", "1000"));

    const std::string text = scheduleCsv(week);
    EXPECT_EQ(text,
              "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4,program\r\n"
              "Monday,1,07:05,Melody,3,ON,1,0,1,0,\r\n"
              "program,1,08:00,Melody,1,ON,1,0,0,0,Exam day\r\n"
              "program,2,12:30,Voice,2,OFF,0,1,0,0,Exam day\r\n"
              "program,,,,,,,,,,Half day\r\n"
              "program,1,09:00,Melody,1,ON,1,0,0,0,'=Trips\r\n"
              "\r\n"
              "first,last,program,note\r\n"
              "2026-12-19,2027-01-06,No bells,Winter holidays\r\n"
              "2027-01-04,2027-01-04,Exam day,\r\n"
              "2027-02-01,2027-02-05,Half day,\"Week, with comma\"\r\n");
    // One weekday is the ten columns alone.
    EXPECT_EQ(scheduleCsv(week, kMonday), std::string(kHeader) + "Monday,1,07:05,Melody,3,ON,1,0,1,0\r\n");

    WeeklySchedule back;
    std::vector<ScheduleCsvError> errors;
    ASSERT_TRUE(readScheduleCsv(text, back, errors)) << (errors.empty() ? "" : errors[0].message);
    const ProgramCalendar &read = back.programCalendar();
    ASSERT_EQ(read.programs.size(), 4u);
    EXPECT_EQ(read.programs[1].name, "Exam day");
    EXPECT_EQ(read.programs[2].name, "Half day");
    EXPECT_EQ(read.programs[3].name, "=Trips");
    EXPECT_TRUE(back.day(read.programs[1].day).sameEntries(week.day(9)));
    EXPECT_EQ(back.day(read.programs[2].day).count(), 0);
    EXPECT_TRUE(back.day(read.programs[3].day).sameEntries(week.day(10)));
    ASSERT_EQ(read.calendar.size(), 3u);
    EXPECT_EQ(read.calendar[1].program, read.programs[1].day);
    EXPECT_EQ(read.calendar[2].note, "Week, with comma");
    EXPECT_EQ(scheduleCsv(back), text);

    // The calendar without programs keeps the ten columns; a last date left empty is the first.
    const std::string holidays = std::string(kHeader) + "\r\nfirst,last,program,note\r\n2026-12-24,,no bells,Eve\r\n";
    ASSERT_TRUE(readScheduleCsv(holidays, back, errors));
    EXPECT_EQ(back.programCalendar().programs.size(), 1u);
    ASSERT_EQ(back.programCalendar().calendar.size(), 1u);
    EXPECT_EQ(back.programCalendar().calendar[0].last, QDate(2026, 12, 24));
    EXPECT_EQ(scheduleCsv(back),
              std::string(kHeader) + "\r\nfirst,last,program,note\r\n2026-12-24,2026-12-24,No bells,Eve\r\n");
}

TEST(ScheduleCsv, BadProgramAndCalendarRowsAreReportedByLine)
{
    WeeklySchedule week;
    const std::string text = "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4,program\r\n"
                             "Monday,1,07:00,Melody,1,ON,1,0,0,0,\r\n" // 2 fine
                             "program,1,08:00,Melody,1,ON,1,0,0,0,No bells\r\n" // 3
                             "program,1,08:00,Melody,1,ON,1,0,0,0,\r\n" // 4
                             "Tuesday,1,08:00,Melody,1,ON,1,0,0,0,Exam\r\n" // 5
                             "program,2,08:00,Melody,1,ON,1,0,0,0,Exam\r\n" // 6 no id 1
                             "\r\n"
                             "first,last,program,note\r\n"
                             "2027-01-04,,exam,\r\n" // 9 fine
                             "2027-02-30,2027-03-01,Exam,\r\n" // 10
                             "2027-03-05,2027-03-01,Exam,\r\n" // 11
                             "2027-03-05,2027-03-06,Holidays,\r\n" // 12
                             "2027-03-05,2027-03-06,Exam\r\n"; // 13
    const auto errors = readErrors(text, week);
    const std::vector<std::pair<int, std::string>> expected = {
        {3, "\"No bells\" has no entries"},
        {4, "a program row without a program name"},
        {5, "a weekday row names the program \"Exam\""},
        {6, "program \"Exam\" id 2 but no row gives id 1"},
        {10, "first \"2027-02-30\" is not a date"},
        {11, "last 2027-03-01 is before first 2027-03-05"},
        {12, "unknown program \"Holidays\""},
        {13, "3 fields, the calendar header has 4"},
    };
    ASSERT_EQ(errors.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(errors[i].line, expected[i].first) << errors[i].message;
        EXPECT_NE(errors[i].message.find(expected[i].second), std::string::npos) << errors[i].message;
    }
    EXPECT_TRUE(week.programCalendar().calendar.empty());

    // A program row needs the program column.
    const auto noColumn = readErrors(std::string(kHeader) + "program,1,08:00,Melody,1,ON,1,0,0,0\r\n", week);
    ASSERT_EQ(noColumn.size(), 1u);
    EXPECT_EQ(noColumn[0].line, 2);
    EXPECT_NE(noColumn[0].message.find("no program column"), std::string::npos) << noColumn[0].message;
}

TEST(ScheduleCsv, SoundNamesComeOutInASectionOfTheirOwnAndBackIn)
{
    WeeklySchedule week;
    week.day(kMonday).append(entry(storedTime(7, 5), "Melody", "3", "ON", "1010"));
    ProgramCalendar special;
    special.calendar.push_back({QDate(2026, 12, 24), QDate(2026, 12, 24), kNoBellsDay, QStringLiteral("Eve")});
    week.setProgramCalendar(special);
    SoundNames names;
    names.setName(SoundKind::Voice, 12, QStringLiteral("Fire drill"));
    names.setName(SoundKind::Melody, 3, QStringLiteral("Westminster"));
    names.setName(SoundKind::Melody, 15, QStringLiteral("=HYPERLINK(\"x\")"));
    names.setName(SoundKind::Voice, 1, QString::fromUtf8("Cl\xC3\xA1sico, \xE6\x95\x99\xE5\xAE\xA4"));
    week.setSoundNames(names);

    const std::string text = scheduleCsv(week);
    EXPECT_EQ(text,
              std::string(kHeader)
                  + "Monday,1,07:05,Melody,3,ON,1,0,1,0\r\n"
                    "\r\n"
                    "first,last,program,note\r\n"
                    "2026-12-24,2026-12-24,No bells,Eve\r\n"
                    "\r\n"
                    "sound,number,name\r\n"
                    "Melody,3,Westminster\r\n"
                    "Melody,15,\"'=HYPERLINK(\"\"x\"\")\"\r\n"
                    "Voice,1,\"Cl\xC3\xA1sico, \xE6\x95\x99\xE5\xAE\xA4\"\r\n"
                    "Voice,12,Fire drill\r\n");
    WeeklySchedule back;
    std::vector<ScheduleCsvError> errors;
    ASSERT_TRUE(readScheduleCsv(text, back, errors)) << (errors.empty() ? "" : errors[0].message);
    EXPECT_EQ(back.soundNames(), names);
    EXPECT_EQ(back.programCalendar(), special);
    EXPECT_EQ(scheduleCsv(back), text);

    // The section alone, without a calendar; a file without it has no names.
    const std::string onlySounds = std::string(kHeader) + "\r\nName,Sound,Number\r\nBell,voice,2\r\n";
    ASSERT_TRUE(readScheduleCsv(onlySounds, back, errors));
    EXPECT_EQ(back.soundNames().name(SoundKind::Voice, 2), "Bell");
    EXPECT_TRUE(back.programCalendar().calendar.empty());
    ASSERT_TRUE(readScheduleCsv(std::string(kHeader), back, errors));
    EXPECT_TRUE(back.soundNames().isEmpty());

    const std::string bad = std::string(kHeader)
        + "\r\n"
          "sound,number,name\r\n"
          "Melody,3,Westminster\r\n" // 4 fine
          "Chime,3,Bell\r\n" // 5
          "Voice,16,Bell\r\n" // 6
          "melody,3,Again\r\n" // 7
          "Voice,2,"
        + std::string(41, 'x') + "\r\n" // 8
        + "Voice,2\r\n"; // 9
    const auto badErrors = readErrors(bad, back);
    const std::vector<std::pair<int, std::string>> expected = {
        {5, "sound \"Chime\" is not Melody or Voice"}, {6, "number \"16\" is not a number from 1 to 15"},
        {7, "Melody 3 already named on line 4"},       {8, "name longer than 40 characters"},
        {9, "2 fields, the sound header has 3"},
    };
    ASSERT_EQ(badErrors.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(badErrors[i].line, expected[i].first) << badErrors[i].message;
        EXPECT_NE(badErrors[i].message.find(expected[i].second), std::string::npos) << badErrors[i].message;
    }
    EXPECT_EQ(back.soundNames().name(SoundKind::Voice, 2), "");
}
