// tavrin-cli print: the week's PDF, read back as text with pdftotext.
#include "TavrinCliRun.h"

#include <QDate>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Monday full (1439 events, one a minute from 00:00), Tuesday one event; Melody 3 and Voice 12
// named, one day program and one calendar entry.
QByteArray weekCsv()
{
    QByteArray csv = "day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4,program\r\n";
    for (int i = 0; i < 1439; ++i)
        csv += QStringLiteral("Monday,%1,%2:%3,Melody,3,ON,1,0,0,0,\r\n")
                   .arg(i + 1)
                   .arg(i / 60, 2, 10, QLatin1Char('0'))
                   .arg(i % 60, 2, 10, QLatin1Char('0'))
                   .toUtf8();
    csv += "Tuesday,1,08:00,Voice,12,ON,1,0,0,0,\r\n"
           "program,1,09:00,Melody,3,ON,1,0,0,0,Exam day\r\n"
           "\r\n"
           "first,last,program,note\r\n";
    // the calendar printed is of the months ahead
    const QByteArray soon = QDate::currentDate().addDays(10).toString(Qt::ISODate).toUtf8();
    csv += soon + "," + soon + ",Exam day,Maths\r\n";
    csv += "\r\n"
           "sound,number,name\r\n"
           "Melody,3,Westminster\r\n"
           "Voice,12,Fire drill\r\n";
    return csv;
}

// The PDF's text, pages ending in form feeds; empty when pdftotext is missing.
QString pdfText(const QString &pdf)
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

TEST(TavrinCli, PrintWritesTheWeekAsAPdfWithoutAWindowSystem)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("school.mdb"));
    ASSERT_EQ(runCli({QStringLiteral("import"), writeFile(dir, QStringLiteral("week.csv"), weekCsv()),
                      QStringLiteral("--to"), file})
                  .status,
              0);

    // no display and no platform chosen: print finds its own way
    QProcessEnvironment headless = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        headless.remove(QLatin1String(name));
    const QString monday = dir.filePath(QStringLiteral("monday.pdf"));
    const CliRun printed = runCli({QStringLiteral("print"), file, QStringLiteral("--pdf"), monday,
                                   QStringLiteral("--days"), QStringLiteral("mon")},
                                  {}, 120000, headless);
    ASSERT_EQ(printed.status, 0) << printed.err.toStdString();
    const QString text = pdfText(monday);
    EXPECT_EQ(text.count(QLatin1Char('\f')), 27);
    EXPECT_EQ(text.count(QStringLiteral("Schedule of Monday")), 1);
    EXPECT_EQ(text.count(QStringLiteral("Westminster")), 1439);
    EXPECT_TRUE(text.contains(QStringLiteral("page 27 of 27")));

    const QString week = dir.filePath(QStringLiteral("week.pdf"));
    ASSERT_EQ(runCli({QStringLiteral("print"), file, QStringLiteral("--pdf"), week, QStringLiteral("--programs"),
                      QStringLiteral("--calendar")})
                  .status,
              0);
    const QString all = pdfText(week);
    EXPECT_EQ(all.count(QLatin1Char('\f')), 27 + 6 + 1 + 1);
    for (const char *day : {"Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday", "Exam day"})
        EXPECT_EQ(all.count(QStringLiteral("Schedule of %1").arg(QLatin1String(day))), 1) << day;
    EXPECT_TRUE(all.contains(QStringLiteral("Fire drill")));
    EXPECT_TRUE(all.contains(QStringLiteral("Maths")));
    EXPECT_TRUE(all.contains(QStringLiteral("page 35 of 35")));

    // a PDF that cannot be written is said, and the status tells
    const CliRun refused = runCli(
        {QStringLiteral("print"), file, QStringLiteral("--pdf"), dir.filePath(QStringLiteral("no/such/folder.pdf"))});
    EXPECT_EQ(refused.status, 1);
    EXPECT_TRUE(refused.err.contains(QStringLiteral("cannot be written"))) << refused.err.toStdString();
}
