#include "device/SummerTimeNotice.h"

#include <gtest/gtest.h>

namespace {
const QTimeZone kBerlin("Europe/Berlin");

std::optional<std::string> noticeAt(const QTimeZone &zone, QDate date, QTime time)
{
    const auto change = upcomingOffsetChange(zone, QDateTime(date, time, zone));
    return change ? std::optional(summerTimeNotice(*change)) : std::nullopt;
}
} // namespace

TEST(SummerTimeNotice, NamesTheChangeWithinTwoWeeksInLocalWallClockTime)
{
    ASSERT_TRUE(kBerlin.isValid());
    EXPECT_EQ(noticeAt(kBerlin, QDate(2026, 10, 20), QTime(12, 0)),
              "Summer time ends on Sunday 25 October at 03:00: set the device's clock after that");
    EXPECT_EQ(noticeAt(kBerlin, QDate(2026, 3, 16), QTime(8, 0)),
              "Summer time starts on Sunday 29 March at 02:00: set the device's clock after that");

    // Just over two weeks ahead, and just after the change: nothing to say.
    EXPECT_EQ(noticeAt(kBerlin, QDate(2026, 10, 11), QTime(0, 0)), std::nullopt);
    EXPECT_EQ(noticeAt(kBerlin, QDate(2026, 10, 25), QTime(3, 30)), std::nullopt);
    EXPECT_EQ(noticeAt(QTimeZone::utc(), QDate(2026, 10, 20), QTime(12, 0)), std::nullopt);
}
