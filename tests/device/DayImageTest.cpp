#include "device/DayImage.h"
#include "device/WeekdayStore.h"
#include "schedule/TimeText.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <vector>

namespace {

ScheduleEntry makeEntry(int hour, int minute, const std::string &melodyVoice, const std::string &selection,
                        const std::string &ac, const std::string &channels = "0000")
{
    ScheduleEntry e;
    e.Time = storedTime(hour, minute);
    e.MelodyVoice = melodyVoice;
    e.Selection = selection;
    e.AC = ac;
    e.CH1 = channels.substr(0, 1);
    e.CH2 = channels.substr(1, 1);
    e.CH3 = channels.substr(2, 1);
    e.CH4 = channels.substr(3, 1);
    return e;
}

DaySchedule dayOf(const std::vector<ScheduleEntry> &entries)
{
    DaySchedule day;
    for (const ScheduleEntry &e : entries)
        day.append(e);
    return day;
}

std::vector<uint8_t> slotBytes(const DayImage &image, int minute)
{
    return {image.bytes().begin() + minute * 4, image.bytes().begin() + minute * 4 + 4};
}

bool isBlank(const DayImage &image)
{
    for (size_t i = 0; i < DayImage::kSize; ++i) {
        if (image.bytes()[i] != (i % 2 == 0 ? 0x30 : 0x40))
            return false;
    }
    return true;
}

} // namespace

TEST(DayImage, EmptyDayEncodesToTheBlankPatternAndDecodesToNothing)
{
    DayImage image;
    image.bytes()[100] = 0x4F;
    image.Encode(DaySchedule{});
    EXPECT_TRUE(isBlank(image));
    EXPECT_TRUE(image.CheckLines());
    EXPECT_EQ(image.Decode().count(), 0);
}

TEST(DayImage, EncodesAnEntryIntoTheSlotOfItsMinute)
{
    DayImage image;
    image.Encode(dayOf({makeEntry(8, 30, "Voice", "3", "ON", "1010")}));
    EXPECT_EQ(slotBytes(image, 510), (std::vector<uint8_t>{0x3C, 0x43, 0x30, 0x45}));
    for (int n = 0; n < DayImage::kSlots; ++n) {
        if (n != 510) {
            ASSERT_TRUE(image.slot(n).isEmpty()) << n;
        }
    }

    const DaySchedule back = image.Decode();
    ASSERT_EQ(back.count(), 1);
    const ScheduleEntry &e = back.entry(1);
    EXPECT_EQ(e.Time, "           08:30");
    EXPECT_EQ(e.MelodyVoice, "Voice");
    EXPECT_EQ(e.Selection, "3");
    EXPECT_EQ(e.AC, "ON");
    EXPECT_EQ(e.CH1 + e.CH2 + e.CH3 + e.CH4, "1010");

    image.Encode(dayOf({makeEntry(0, 0, "Melody", "15", "OFF", "0001"), makeEntry(23, 59, "", "", "ON")}));
    EXPECT_EQ(slotBytes(image, 0), (std::vector<uint8_t>{0x33, 0x40, 0x3F, 0x48}));
    EXPECT_EQ(slotBytes(image, 1439), (std::vector<uint8_t>{0x38, 0x40, 0x30, 0x40}));
    const DaySchedule ends = image.Decode();
    ASSERT_EQ(ends.count(), 2);
    EXPECT_EQ(ends.entry(1).Time, "           00:00");
    EXPECT_EQ(ends.entry(2).Time, "           23:59");
    EXPECT_EQ(ends.entry(2).MelodyVoice, " ");
    EXPECT_EQ(ends.entry(2).Selection, "0");
}

TEST(DayImage, EntriesOfOneMinuteMergeAndAMelodyWins)
{
    DayImage image;
    image.Encode(dayOf({makeEntry(8, 15, "Voice", "3", "", "1000"), makeEntry(8, 15, "Melody", "5", "", "0100")}));
    const MinuteSlot s = image.slot(8 * 60 + 15);
    EXPECT_EQ(s.flags, 0x36);
    EXPECT_EQ(s.voice, 0x43);
    EXPECT_EQ(s.melody, 0x35);
    EXPECT_EQ(s.channels, 0x43);

    const DaySchedule back = image.Decode();
    ASSERT_EQ(back.count(), 1);
    EXPECT_EQ(back.entry(1).MelodyVoice, "Melody");
    EXPECT_EQ(back.entry(1).Selection, "5");
    EXPECT_EQ(back.entry(1).CH1 + back.entry(1).CH2, "11");
}

TEST(DayImage, EntriesWithoutAnEventDoNotComeBack)
{
    DayImage image;
    // channels alone set no flag; texts are compared exactly
    image.Encode(dayOf(
        {makeEntry(9, 0, "", "", "", "1111"), makeEntry(9, 1, "melody", "2", "on"), makeEntry(9, 2, "", "", "OFF")}));
    EXPECT_EQ(image.slot(540).flags, 0x30);
    EXPECT_EQ(image.slot(540).channels, 0x4F);
    EXPECT_TRUE(image.slot(541).isEmpty());

    const DaySchedule back = image.Decode();
    ASSERT_EQ(back.count(), 1);
    EXPECT_EQ(back.entry(1).Time, "           09:02");
    EXPECT_EQ(back.entry(1).MelodyVoice, " ");
    EXPECT_EQ(back.entry(1).Selection, "0");
    EXPECT_EQ(back.entry(1).AC, "OFF");
}

TEST(DayImage, OutOfRangeEntriesTouchNoOtherSlotOrField)
{
    ScheduleEntry noTime = makeEntry(8, 0, "Melody", "1", "ON"); // a bare "08:00" is a time now
    noTime.Time = "           ab:cd";
    DayImage image;
    image.Encode(dayOf({makeEntry(24, 0, "Melody", "1", "ON"), makeEntry(12, 60, "Voice", "1", "ON"),
                        makeEntry(99, 99, "Voice", "1", "ON"), noTime, makeEntry(10, 0, "Melody", "16", "ON"),
                        makeEntry(10, 1, "Voice", "255", "OFF"), makeEntry(10, 2, "Melody", "15", "ON")}));
    for (int n = 0; n < DayImage::kSlots; ++n) {
        if (n != 602) {
            ASSERT_TRUE(image.slot(n).isEmpty()) << n;
        }
    }
    EXPECT_EQ(image.slot(602).melody, 0x3F);
    for (uint8_t b : image.bytes())
        ASSERT_TRUE(b >= 0x30 && b <= 0x4F);
}

TEST(DayImage, ConsistencyTestFailsOnlyWhenBothPairsDiffer)
{
    std::vector<uint8_t> bytes(DayImage::kSize);
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = i % 2 == 0 ? 0x30 : 0x40;
    EXPECT_TRUE(DayImage::CheckLines(bytes.data(), bytes.size()));

    const uint8_t passes[4] = {0x30, 0x40, 0x40, 0x40}; // bytes 1 and 3 agree
    std::copy(passes, passes + 4, bytes.begin() + 4 * 700);
    EXPECT_TRUE(DayImage::CheckLines(bytes.data(), bytes.size()));

    const uint8_t fails[4] = {0x30, 0x40, 0x40, 0x30};
    std::copy(fails, fails + 4, bytes.begin() + 4 * 1439);
    EXPECT_FALSE(DayImage::CheckLines(bytes.data(), bytes.size()));

    // a short image fails and is never read past its end; decoding takes its whole slots only
    std::vector<uint8_t> shortImage(bytes.begin(), bytes.begin() + 4 * 10 + 3);
    shortImage[0] = 0x32;
    EXPECT_FALSE(DayImage::CheckLines(shortImage.data(), shortImage.size()));
    EXPECT_EQ(DayImage::Decode(shortImage.data(), shortImage.size()).count(), 1);
    EXPECT_FALSE(DayImage::CheckLines(nullptr, 0));
    EXPECT_EQ(DayImage::Decode(nullptr, 0).count(), 0);
}

TEST(DayImage, DecodingAnEncodedDayGivesItsEntriesByMinuteMerged)
{
    std::mt19937 random(20261208);
    const char *const kinds[] = {"Melody", "Voice", "", " "};
    const char *const acs[] = {"ON", "OFF", ""};
    for (int round = 0; round < 200; ++round) {
        DaySchedule day;
        const int count = std::uniform_int_distribution<int>(0, round == 0 ? 1440 : 120)(random);
        // what each minute should hold after merging: flags, voice, melody, channels
        std::map<int, std::array<int, 4>> expected;
        for (int i = 0; i < count; ++i) {
            const int minute = round == 0 ? i : std::uniform_int_distribution<int>(0, 1439)(random);
            const std::string kind = kinds[random() % 4];
            const int number = int(random() % 16);
            const std::string ac = acs[random() % 3];
            std::string channels;
            for (int c = 0; c < 4; ++c)
                channels += (random() % 2) ? "1" : "0";
            day.append(makeEntry(minute / 60, minute % 60, kind, std::to_string(number), ac, channels));

            auto &slot = expected.try_emplace(minute, std::array<int, 4>{0, 0, 0, 0}).first->second;
            if (kind == "Voice") {
                slot[0] |= 0x04;
                slot[1] |= number;
            } else if (kind == "Melody") {
                slot[0] |= 0x02;
                slot[2] |= number;
            }
            slot[0] |= ac == "ON" ? 0x08 : ac == "OFF" ? 0x01 : 0;
            for (int c = 0; c < 4; ++c)
                slot[3] |= channels[c] == '1' ? (1 << c) : 0;
        }

        DayImage image;
        image.Encode(day);
        ASSERT_TRUE(image.CheckLines());
        const DaySchedule back = image.Decode();

        int k = 0;
        for (const auto &[minute, slot] : expected) {
            if (slot[0] == 0)
                continue; // no event at that minute: it does not come back
            ++k;
            ASSERT_LE(k, back.count());
            const ScheduleEntry &e = back.entry(k);
            ASSERT_EQ(e.Time, storedTime(minute / 60, minute % 60)) << "round " << round;
            if (slot[0] & 0x02) {
                EXPECT_EQ(e.MelodyVoice, "Melody");
                EXPECT_EQ(e.Selection, std::to_string(slot[2]));
            } else if (slot[0] & 0x04) {
                EXPECT_EQ(e.MelodyVoice, "Voice");
                EXPECT_EQ(e.Selection, std::to_string(slot[1]));
            } else {
                EXPECT_EQ(e.MelodyVoice, " ");
                EXPECT_EQ(e.Selection, "0");
            }
            EXPECT_EQ(e.AC, (slot[0] & 0x08) ? "ON" : (slot[0] & 0x01) ? "OFF" : "");
            const std::string channels = e.CH1 + e.CH2 + e.CH3 + e.CH4;
            for (int c = 0; c < 4; ++c)
                EXPECT_EQ(channels[c], (slot[3] & (1 << c)) ? '1' : '0');
        }
        EXPECT_EQ(back.count(), k) << "round " << round;
    }
}

TEST(WeekdayStore, ReplacesTheWeekdayAndShowsIt)
{
    WeeklySchedule week;
    week.day(kTuesday).append(makeEntry(7, 0, "Melody", "1", "ON"));
    week.day(kTuesday).append(makeEntry(6, 0, "Melody", "1", "ON"));
    week.day(kTuesday).append(makeEntry(5, 0, "Melody", "1", "ON"));

    DayImage image;
    image.Encode(dayOf({makeEntry(12, 0, "Voice", "2", ""), makeEntry(11, 0, "Melody", "4", "OFF")}));
    ASSERT_EQ(storeWeekdayImage(week, kTuesday, image.bytes().data(), image.bytes().size()),
              WeekdayStoreResult::Stored);
    EXPECT_EQ(week.shownDay(), kTuesday);
    ASSERT_EQ(week.day(kTuesday).count(), 2);
    EXPECT_EQ(week.day(kTuesday).entry(1).Time, "           11:00");
    EXPECT_EQ(week.day(kTuesday).entry(2).Time, "           12:00");

    image.Clear();
    ASSERT_EQ(storeWeekdayImage(week, kSunday, image.bytes().data(), image.bytes().size()), WeekdayStoreResult::Stored);
    EXPECT_EQ(week.shownDay(), kSunday);
    EXPECT_EQ(week.day(kSunday).count(), 0);

    // a failed consistency test or a short image leaves the weekday and the shown day alone
    image.bytes()[2] = 0x40;
    image.bytes()[3] = 0x30;
    EXPECT_EQ(storeWeekdayImage(week, kTuesday, image.bytes().data(), image.bytes().size()),
              WeekdayStoreResult::LineError);
    EXPECT_EQ(storeWeekdayImage(week, kTuesday, image.bytes().data(), 5759), WeekdayStoreResult::LineError);
    EXPECT_EQ(week.day(kTuesday).count(), 2);
    EXPECT_EQ(week.shownDay(), kSunday);
}

TEST(DayImage, ShortTimesEncodeAtTheMinuteTheyRead)
{
    std::vector<ScheduleEntry> entries;
    for (const char *time : {"           7:05", "           07:5", "07:05"}) {
        ScheduleEntry e = makeEntry(0, 0, "Melody", "2", "", "1000");
        e.Time = time;
        entries.push_back(e);
    }
    DayImage image;
    image.Encode(dayOf(entries));
    EXPECT_EQ(slotBytes(image, 7 * 60 + 5), (std::vector<uint8_t>{0x32, 0x40, 0x32, 0x41}));
    const DaySchedule back = DayImage::Decode(image.bytes().data(), DayImage::kSize);
    ASSERT_EQ(back.count(), 1);
    EXPECT_EQ(back.entry(1).Time, "           07:05");
}
