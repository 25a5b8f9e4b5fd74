#include "app/CommandLine.h"
#include "app/LockKeys.h"
#include "app/PortLabel.h"
#include "app/Settings.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QTemporaryDir>

TEST(CommandLine, PortAndFileAndMistakes)
{
    CommandLine none = CommandLine::parse({QStringLiteral("tavrin")});
    EXPECT_TRUE(none.ok());
    EXPECT_TRUE(none.port.isEmpty());
    EXPECT_TRUE(none.file.isEmpty());

    CommandLine both = CommandLine::parse(
        {QStringLiteral("tavrin"), QStringLiteral("--port"), QStringLiteral("/dev/pts/4"), QStringLiteral("week.mdb")});
    EXPECT_TRUE(both.ok());
    EXPECT_EQ(both.port, QStringLiteral("/dev/pts/4"));
    EXPECT_EQ(both.file, QStringLiteral("week.mdb"));

    EXPECT_EQ(CommandLine::parse({QStringLiteral("tavrin"), QStringLiteral("--port=COM2")}).port,
              QStringLiteral("COM2"));
    EXPECT_EQ(CommandLine::parse({QStringLiteral("tavrin"), QStringLiteral("my schedule.mdb")}).file,
              QStringLiteral("my schedule.mdb"));

    EXPECT_FALSE(CommandLine::parse({QStringLiteral("tavrin"), QStringLiteral("--port")}).ok());
    EXPECT_FALSE(CommandLine::parse({QStringLiteral("tavrin"), QStringLiteral("--port"), QStringLiteral(" ")}).ok());
    EXPECT_FALSE(
        CommandLine::parse({QStringLiteral("tavrin"), QStringLiteral("--colour"), QStringLiteral("red")}).ok());
    EXPECT_FALSE(CommandLine::parse({QStringLiteral("tavrin"), QStringLiteral("a.mdb"), QStringLiteral("b.mdb")}).ok());
    EXPECT_TRUE(CommandLine::parse({QStringLiteral("tavrin"), QStringLiteral("--bogus")})
                    .error.contains(QStringLiteral("Usage")));
}

TEST(Settings, KeysDefaultsAndRecentFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("s.ini"));
    {
        Settings s(path);
        EXPECT_EQ(s.serialPort(), QString());
        EXPECT_TRUE(s.recentFiles().isEmpty());
        s.setSerialPort(QStringLiteral("/dev/ttyS1"));
        for (const char *f : {"/a.mdb", "/b.mdb", "/c.mdb", "/d.mdb", "/e.mdb", "/c.mdb"})
            s.addRecentFile(QString::fromLatin1(f));
        s.sync();
    }
    Settings again(path);
    EXPECT_EQ(again.serialPort(), QStringLiteral("/dev/ttyS1"));
    EXPECT_EQ(again.recentFiles(),
              (QStringList{QStringLiteral("/c.mdb"), QStringLiteral("/e.mdb"), QStringLiteral("/d.mdb"),
                           QStringLiteral("/b.mdb")}));
    QFile ini(path);
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("SerialPort=/dev/ttyS1"));
}

TEST(LockKeys, ReadsKeyboardLedsAndStaysUnknownWithout)
{
    QTemporaryDir dir;
    LockKeys none(dir.filePath(QStringLiteral("missing")));
    EXPECT_FALSE(none.known(LockKeys::Caps));
    EXPECT_FALSE(none.state(LockKeys::Num).has_value());

    auto led = [&](const QString &name, const char *value) {
        QDir(dir.path()).mkpath(name);
        QFile f(dir.filePath(name + QStringLiteral("/brightness")));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(value);
    };
    led(QStringLiteral("input3::capslock"), "1\n");
    led(QStringLiteral("input3::numlock"), "0\n");
    led(QStringLiteral("input9::numlock"), "0\n");
    LockKeys keys(dir.path());
    EXPECT_EQ(keys.state(LockKeys::Caps), std::optional<bool>(true));
    EXPECT_EQ(keys.state(LockKeys::Num), std::optional<bool>(false));
    EXPECT_FALSE(keys.known(LockKeys::Scroll));
}

TEST(PortLabel, NamesDescriptionUsbIdAndThePortInUse)
{
    EXPECT_EQ(portLabel({QStringLiteral("/dev/ttyUSB0"), QStringLiteral("FT232R USB UART"), 0x403, 0x6001, {}}, true),
              QStringLiteral("/dev/ttyUSB0  (FT232R USB UART, USB 0403:6001)  \u2014 in use"));
    EXPECT_EQ(portLabel({QStringLiteral("/dev/ttyS0"), QString(), -1, -1, {}}, false), QStringLiteral("/dev/ttyS0"));
    // An adapter by the name that survives a replug, today's name beside it.
    EXPECT_EQ(
        portLabel({QStringLiteral("/dev/ttyUSB1"), QString(), -1, -1, QStringLiteral("/dev/serial/by-id/usb-A-if00")},
                  false),
        QStringLiteral("/dev/serial/by-id/usb-A-if00  (/dev/ttyUSB1)"));
}
