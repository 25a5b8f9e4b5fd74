#include "ui/ScheduleReport.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace ScheduleReport;

namespace {

ReportRow entry(int id, std::string melody = "Melody")
{
    return {std::to_string(id), "AM", "09:30", std::move(melody), "1", "", "ON", "", "", ""};
}

std::vector<ReportRow> entries(int count)
{
    std::vector<ReportRow> rows;
    for (int id = 1; id <= count; ++id)
        rows.push_back(entry(id));
    return rows;
}

int entryLines(const std::vector<std::string> &lines)
{
    int count = 0;
    for (size_t r = 8; r < lines.size(); ++r)
        count += !lines[r].empty() && lines[r] != dashedRule();
    return count;
}

int dashedRules(const std::vector<std::string> &lines)
{
    int count = 0;
    for (const std::string &line : lines)
        count += line == dashedRule();
    return count;
}

const ReportTime kMarch7{2005, 3, 7, 14, 5, 9};

} // namespace

TEST(ScheduleReport, FixedTexts)
{
    const std::string &heading = columnHeading();
    ASSERT_EQ(heading.size(), 111u);
    const std::vector<std::pair<size_t, std::string>> words{
        {0, "ID"},  {12, "AM/PM"}, {24, "TIME"}, {34, "MELODY/VOICE"}, {48, "SELECTION"},
        {60, "AC"}, {72, "CH1"},   {84, "CH2"},  {96, "CH3"},          {108, "CH4"}};
    for (const auto &[at, word] : words)
        EXPECT_EQ(heading.substr(at, word.size()), word) << word;
    EXPECT_EQ(headingRule(), std::string(116, '='));
    EXPECT_EQ(dashedRule(), "    " + std::string(107, '-'));

    EXPECT_EQ(dateLine(kMarch7, 1), std::string(77, ' ') + "DATE :  2005/3/7   14:5:9     Page #2");
    EXPECT_EQ(dateLine({2026, 12, 31, 0, 0, 0}, 0), std::string(77, ' ') + "DATE :  2026/12/31   0:0:0     Page #1");

    EXPECT_EQ(dayTitle(1), "  *****   Schedule of Monday   ***** ");
    EXPECT_EQ(dayTitle(3), "  *****   Schedule of Wednesday   ***** ");
    EXPECT_EQ(dayTitle(7), "  *****   Schedule of Sunday   ***** ");
    EXPECT_EQ(dayTitle(0), "");
    EXPECT_EQ(dayTitle(8), "");
}

TEST(ScheduleReport, AProgramsTitleLineNamesIt)
{
    EXPECT_EQ(titleLine("Exam day"), "  *****   Schedule of Exam day   ***** ");
    EXPECT_EQ(page(entries(2), std::string("Exam day"), 0, kMarch7)[2], "  *****   Schedule of Exam day   ***** ");
    EXPECT_EQ(pageHeader(kMarch7, 1, std::string("D\u00eda de examen"))[2],
              "  *****   Schedule of D\u00eda de examen   ***** ");
    // a weekday's page is the page of its name
    EXPECT_EQ(page(entries(2), std::string("Tuesday"), 0, kMarch7), page(entries(2), 2, 0, kMarch7));
    EXPECT_EQ(titleLine(""), "");
}

TEST(ScheduleReport, EntryLineColumns)
{
    // 20:05, Melody 3, CH1 on: every cell on the 12-character grid, 120 characters in all
    const std::string line = entryLine({"1", "PM", "08:05", "Melody", "3", "", "ON", "", "", ""});
    EXPECT_EQ(line,
              "1           PM          08:05       Melody      3                       ON" + std::string(46, ' '));
    EXPECT_EQ(line.size(), 120u);

    // a 14-character cell pushes the next one 2 right; the one after is back on the grid
    const std::string pushed = entryLine({"7", "AM", "10:00", "Voice message1", "12", "ON", "ON", "", "", "ON"});
    EXPECT_EQ(pushed.substr(36, 14), "Voice message1");
    EXPECT_EQ(pushed.substr(50, 3), "12 ");
    EXPECT_EQ(pushed.substr(60, 2), "ON");
    EXPECT_EQ(pushed.substr(72, 2), "ON");
    EXPECT_EQ(pushed.substr(108, 2), "ON");

    // nothing is cut: cells run on until there is room again
    const std::string longCell(30, 'x');
    const std::string spill = entryLine({"9", "AM", "10:00", longCell, "1", "ON", "", "", "", ""});
    EXPECT_EQ(spill.substr(36, 30), longCell);
    EXPECT_EQ(spill.substr(66, 1), "1");
    EXPECT_EQ(spill.substr(67, 2), "ON"); // directly after the pushed cell
    EXPECT_EQ(spill.size(), 120u);

    EXPECT_EQ(entryLine({"", "PM", "08:05", "Melody", "3", "", "ON", "", "", ""}), "");
}

TEST(ScheduleReport, PageLayout)
{
    // an empty day: one page of header, title, heading and rule
    EXPECT_EQ(pageCount(0), 1);
    const std::vector<std::string> empty = page({}, 2, 0, kMarch7);
    const std::vector<std::string> expected{dateLine(kMarch7, 0), "", dayTitle(2), "", "", columnHeading(),
                                            headingRule(),        ""};
    EXPECT_EQ(empty, expected);

    // the title follows the shown day
    EXPECT_EQ(page(entries(3), 5, 0, kMarch7)[2], "  *****   Schedule of Friday   ***** ");

    // five entries, no rule; six, one rule between the 5th and the 6th
    const auto five = page(entries(5), 1, 0, kMarch7);
    EXPECT_EQ(dashedRules(five), 0);
    EXPECT_EQ(five.size(), 13u);
    const auto six = page(entries(6), 1, 0, kMarch7);
    ASSERT_EQ(six.size(), 15u);
    EXPECT_EQ(six[8], entryLine(entry(1)));
    EXPECT_EQ(six[12], entryLine(entry(5)));
    EXPECT_EQ(six[13], dashedRule());
    EXPECT_EQ(six[14], entryLine(entry(6)));

    // an empty ID cell: an empty line in the entry's place, and no rule before it
    std::vector<ReportRow> gap = entries(7);
    gap[5][0].clear();
    const auto gapped = page(gap, 1, 0, kMarch7);
    ASSERT_EQ(gapped.size(), 15u);
    EXPECT_EQ(gapped[13], "");
    EXPECT_EQ(gapped[14], entryLine(entry(7)));
}

TEST(ScheduleReport, PageBreaks)
{
    EXPECT_EQ(pageCount(54), 1);
    const auto full = page(entries(54), 1, 0, kMarch7);
    EXPECT_EQ(entryLines(full), 54);
    EXPECT_EQ(dashedRules(full), 10);

    // 55 entries: a full first page of 73 lines, and a second page without entries
    const std::vector<ReportRow> rows55 = entries(55);
    EXPECT_EQ(pageCount(55), 2);
    const auto first = page(rows55, 1, 0, kMarch7);
    EXPECT_EQ(int(first.size()), kMaxLinesPerPage);
    EXPECT_EQ(first.size(), 73u);
    EXPECT_EQ(first.back(), entryLine(entry(55)));
    const auto second = page(rows55, 1, 1, kMarch7);
    EXPECT_EQ(second.size(), 8u);
    EXPECT_EQ(second[0], dateLine(kMarch7, 1));
    EXPECT_EQ(second[2], dayTitle(1));

    // 56: the second page holds entry 56, with no rule before it
    const std::vector<ReportRow> rows56 = entries(56);
    EXPECT_EQ(pageCount(56), 2);
    const auto last = page(rows56, 1, 1, kMarch7);
    ASSERT_EQ(last.size(), 9u);
    EXPECT_EQ(last[8], entryLine(entry(56)));
    EXPECT_EQ(dashedRules(last), 0);

    EXPECT_EQ(pageCount(110), 3);
    EXPECT_EQ(pageCount(1439), 27);
}
