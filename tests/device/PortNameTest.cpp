#include "device/PortName.h"

#include <gtest/gtest.h>

TEST(PortNameTest, NumberNamesThePlatformPortAndTheOperatorsNameWins)
{
#ifdef Q_OS_WIN
    EXPECT_EQ(platformPortName(1), "COM1");
    EXPECT_EQ(platformPortName(4), "COM4");
#else
    EXPECT_EQ(platformPortName(1), "/dev/ttyS0");
    EXPECT_EQ(platformPortName(4), "/dev/ttyS3");
#endif
    EXPECT_EQ(platformPortName(0), "");

    EXPECT_EQ(effectivePortName(1, {}, {}), platformPortName(1));
    EXPECT_EQ(effectivePortName(2, " /dev/ttyUSB0 ", {}), "/dev/ttyUSB0");
    EXPECT_EQ(effectivePortName(2, "/dev/ttyUSB0", "/dev/pts/7"), "/dev/pts/7");
    EXPECT_EQ(effectivePortName(3, "   ", "  "), platformPortName(3));
}
