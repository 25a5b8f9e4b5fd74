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
    EXPECT_EQ(effectivePortName(2, QStringLiteral(" /dev/ttyUSB0 "), {}), "/dev/ttyUSB0");
    EXPECT_EQ(effectivePortName(2, QStringLiteral("/dev/ttyUSB0"), QStringLiteral("/dev/pts/7")), "/dev/pts/7");
    EXPECT_EQ(effectivePortName(3, QStringLiteral("   "), QStringLiteral("  ")), platformPortName(3));
}

#ifndef Q_OS_WIN
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

TEST(PortNameTest, ARelativePathIsTakenFromTheCurrentDirectory)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    QFile(QStringLiteral("simtty")).open(QIODevice::WriteOnly);
    const QString cwd = QDir::currentPath();
    EXPECT_EQ(openablePortName(QStringLiteral("sim/tty")), cwd + "/sim/tty");
    EXPECT_EQ(openablePortName(QStringLiteral("./x")), cwd + "/x");
    EXPECT_EQ(openablePortName(QStringLiteral("simtty")), cwd + "/simtty");
    EXPECT_EQ(openablePortName(QStringLiteral("ttyS0")), "ttyS0"); // a device name, looked up under /dev
    EXPECT_EQ(openablePortName(QStringLiteral("/dev/pts/3")), "/dev/pts/3");
    QDir::setCurrent(before);
}
#endif
