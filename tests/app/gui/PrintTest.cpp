#include "FrameFixture.h"
#include "app/CommandIds.h"

#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>

class Printing : public FrameFixture {};

TEST_F(Printing, PrintCommandPrintsTheShownDayOnThePrinterPrintSetupSetUp)
{
    frame->view()->ShowDay(3);
    QTest::keyClick(frame.get(), Qt::Key_Insert);
    QTest::keyClick(frame.get(), Qt::Key_Insert);
    const QString pdf = dir.filePath(QStringLiteral("day.pdf"));
    frame->printer()->setOutputFormat(QPrinter::PdfFormat);
    frame->printer()->setOutputFileName(pdf);
    frame->printer()->setPageOrientation(QPageLayout::Landscape);

    DialogCloser closer;
    QTest::keyClick(frame.get(), Qt::Key_P, Qt::ControlModifier);
    ASSERT_EQ(closer.titles.size(), 1);
    ASSERT_TRUE(QFile::exists(pdf));

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(10000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("Schedule of Wednesday"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("Page #1")));
    EXPECT_EQ(frame->printer()->pageLayout().orientation(), QPageLayout::Landscape);
}
