// What a screen reader hears of the list, and the list's colours under any palette.
#include "document/CellMeaning.h"
#include "document/ShownText.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "support/MakeEntry.h"
#include "view/ListColours.h"

#include <gtest/gtest.h>

namespace {
QStringList meanings(const ScheduleEntry &entry)
{
    const ListRow row = shownRow(entry, 4);
    QStringList words;
    for (int c = 0; c < kColumnCount; ++c)
        words << cellMeaning(c, row[size_t(c)]);
    return words;
}
} // namespace

TEST(CellMeaning, ReadsEveryCellAsWhatItMeans)
{
    EXPECT_EQ(meanings(makeEntry(20, 15, "Voice", 3, "ON", "1010")).join(QStringLiteral(", ")),
              "ID 4, PM, 08:15, Voice, Selection 3, AC on, ch1 on, ch2 off, ch3 on, ch4 off");
    // the empty cells that read as nothing on screen
    ScheduleEntry bare = makeEntry(7, 0, "", 0, "OFF");
    bare.Selection.clear();
    const QStringList words = meanings(bare);
    EXPECT_EQ(words[kColumnMelodyVoice], "no Melody or Voice");
    EXPECT_EQ(words[kColumnSelection], "no Selection");
    EXPECT_EQ(words[kColumnAc], "AC off");
    EXPECT_EQ(cellMeaning(kColumnAc, ""), "no AC");
    // a text the file holds that the list does not know is read with its column's name
    EXPECT_EQ(cellMeaning(kColumnAc, "AUTO"), "AC: AUTO");
}

TEST(CellMeaning, TheListIsNamedAfterTheDayItShows)
{
    WeeklySchedule week;
    EXPECT_EQ(listNameFor(week, kMonday), "Schedule of Monday");
    EXPECT_EQ(listNameFor(week, kSunday), "Schedule of Sunday");
}

TEST(ListColours, LightBlueUnderALightPaletteThePalettesOwnUnderADarkOneBothReadable)
{
    EXPECT_DOUBLE_EQ(contrastRatio(Qt::black, Qt::white), 21.0);
    EXPECT_DOUBLE_EQ(contrastRatio(Qt::gray, Qt::gray), 1.0);

    const ListColours light = listColours(Qt::black, Qt::white);
    EXPECT_EQ(light.background, QColor(170, 230, 255));
    EXPECT_EQ(light.text, QColor(Qt::black));
    EXPECT_GE(contrastRatio(light.text, light.background), 4.5);

    // a dark theme's light text never lands on the light blue
    const QColor darkText(240, 240, 240), darkBase(42, 42, 42);
    const ListColours dark = listColours(darkText, darkBase);
    EXPECT_EQ(dark.text, darkText);
    EXPECT_EQ(dark.background, darkBase);
    EXPECT_GE(contrastRatio(dark.text, dark.background), 4.5);
    // high contrast, white on black
    EXPECT_EQ(listColours(Qt::white, Qt::black).background, QColor(Qt::black));
}
