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

TEST(PortNameTest, NetworkNamesReadAndMalformedOnesAreRefused)
{
    PortAddress address;
    ASSERT_TRUE(parsePortName(QStringLiteral("/dev/ttyUSB0"), address));
    EXPECT_FALSE(address.isNetwork());
    ASSERT_TRUE(parsePortName(QStringLiteral("socket://10.0.0.5:4001"), address));
    EXPECT_EQ(address.kind, PortAddress::Kind::Socket);
    EXPECT_EQ(address.hostAndPort(), "10.0.0.5:4001");
    ASSERT_TRUE(parsePortName(QStringLiteral("rfc2217://serial-hub.local:65535"), address));
    EXPECT_EQ(address.kind, PortAddress::Kind::Rfc2217);
    EXPECT_EQ(address.host, "serial-hub.local");
    ASSERT_TRUE(parsePortName(QStringLiteral("rfc2217://[fe80::1]:1"), address));
    EXPECT_EQ(address.host, "fe80::1");
    EXPECT_EQ(address.hostAndPort(), "[fe80::1]:1");
    // A network name is not a file: it stays as given.
    EXPECT_EQ(openablePortName(QStringLiteral("socket://hub:4001")), "socket://hub:4001");

    for (const char *bad : {"socket://host", "socket://host:", "socket://host:0", "socket://host:65536",
                            "socket://host:40 01", "socket://my host:4001", "socket://:4001", "rfc2217://::1:4001",
                            "rfc2217://[not-v6]:4001", "telnet://host:23", "socket://host:4001/x"}) {
        EXPECT_FALSE(parsePortName(QString::fromLatin1(bad), address)) << bad;
    }
    const QString refusal = malformedPortNameText(QStringLiteral("telnet://host:23"));
    EXPECT_TRUE(refusal.contains("\"telnet://host:23\"") && refusal.contains("socket://HOST:PORT")
                && refusal.contains("rfc2217://HOST:PORT") && refusal.contains("/dev/ttyUSB0"))
        << refusal.toStdString();
}

#ifndef Q_OS_WIN
#include "device/SystemPorts.h"

TEST(PortNameTest, AnAdapterIsFoundUnderItsStableName)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile(dir.filePath("ttyUSB1")).open(QIODevice::WriteOnly);
    QFile(dir.filePath("ttyUSB0")).open(QIODevice::WriteOnly);
    QDir().mkdir(dir.filePath("by-id"));
    QFile::link(dir.filePath("ttyUSB0"), dir.filePath("by-id/usb-FTDI_A-if00-port0"));
    QFile::link(dir.filePath("ttyUSB1"), dir.filePath("by-id/usb-Prolific_B-if00-port0"));
    EXPECT_EQ(stablePortName(dir.filePath("ttyUSB1"), dir.filePath("by-id")),
              dir.filePath("by-id/usb-Prolific_B-if00-port0"));
    EXPECT_EQ(stablePortName(dir.filePath("ttyS0"), dir.filePath("by-id")), QString());
}
#endif
