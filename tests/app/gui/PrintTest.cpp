#include "app/CommandIds.h"
#include "FrameFixture.h"
#include "support/WeekSetUp.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewWidget>
#include <QProcess>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>

class Printing : public FrameFixture { };

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

namespace {

int pdfPages(const QString &pdf)
{
    QProcess info;
    info.start(QStringLiteral("pdfinfo"), {pdf});
    info.waitForFinished(10000);
    const QString out = QString::fromUtf8(info.readAllStandardOutput());
    const int at = out.indexOf(QStringLiteral("Pages:"));
    return at < 0 ? -1 : out.mid(at + 6).section(QLatin1Char('\n'), 0, 0).trimmed().toInt();
}

} // namespace

// 120 entries are three pages: the preview shows them all, and the print dialog's page
// range prints only the pages chosen, with their own page numbers.
TEST_F(Printing, PreviewShowsThePrintedPagesAndThePageRangeIsHonoured)
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        GTEST_SKIP() << "pdfinfo is not installed";
    for (int i = 0; i < 120; ++i)
        QTest::keyClick(frame.get(), Qt::Key_Insert);
    const QString all = dir.filePath(QStringLiteral("all.pdf"));
    frame->printer()->setOutputFormat(QPrinter::PdfFormat);
    frame->printer()->setOutputFileName(all);

    int previewPages = -1;
    {
        DialogCloser closer(true);
        closer.onDialog = [&](QDialog *d) {
            if (auto *widget = d->findChild<QPrintPreviewWidget *>())
                previewPages = widget->pageCount();
        };
        frame->dispatch(Cmd::FilePrintPreview);
        EXPECT_EQ(closer.titles, QStringList{QStringLiteral("Print Preview")});
    }
    QApplication::setActiveWindow(frame.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    {
        DialogCloser closer;
        QTest::keyClick(frame.get(), Qt::Key_P, Qt::ControlModifier);
    }
    QApplication::setActiveWindow(frame.get());
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    EXPECT_EQ(pdfPages(all), 3);
    EXPECT_EQ(previewPages, 3);

    const QString range = dir.filePath(QStringLiteral("range.pdf"));
    frame->printer()->setOutputFileName(range);
    {
        DialogCloser closer;
        closer.onDialog = [](QDialog *d) {
            EXPECT_EQ(static_cast<QPrintDialog *>(d)->printer()->docName(), QStringLiteral("Tavrin Schedule"));
            auto *pages = d->findChild<QRadioButton *>(QStringLiteral("printRange"));
            auto *from = d->findChild<QSpinBox *>(QStringLiteral("from"));
            auto *to = d->findChild<QSpinBox *>(QStringLiteral("to"));
            ASSERT_TRUE(pages && from && to);
            ASSERT_TRUE(pages->isEnabled());
            pages->click();
            to->setValue(3);
            from->setValue(2);
        };
        QTest::keyClick(frame.get(), Qt::Key_P, Qt::ControlModifier);
    }
    EXPECT_EQ(pdfPages(range), 2);
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {range, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(10000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_FALSE(out.contains(QStringLiteral("Page #1")));
    EXPECT_TRUE(out.contains(QStringLiteral("Page #2")) && out.contains(QStringLiteral("Page #3")))
        << out.toStdString();
}

// File > Export PDF: the options dialog, the schedule's name proposed with .pdf, the week
// written with the sounds by name.
TEST_F(Printing, ExportPdfWritesTheWholeWeekWithTheSoundsByName)
{
    ScheduleEntry bell;
    bell.Time = "           07:05";
    bell.MelodyVoice = "Melody";
    bell.Selection = "1";
    setUpWeek(frame->view()->document(), [&bell](WeeklySchedule &week) {
        week.day(3).append(bell); // not the shown day
        SoundNames names;
        names.setName(SoundKind::Melody, 1, QStringLiteral("Westminster"));
        week.setSoundNames(names);
    });
    const QString pdf = dir.filePath(QStringLiteral("week.pdf"));
    files.saveAnswers.push_back(pdf);

    QAction *exportPdf = nullptr;
    for (QAction *action : frame->findChildren<QAction *>())
        if (action->data().toInt() == Cmd::FileExportPdf)
            exportPdf = action;
    ASSERT_TRUE(exportPdf);
    DialogCloser closer;
    closer.onDialog = [](QDialog *dialog) {
        if (auto *calendar = dialog->findChild<QCheckBox *>(QStringLiteral("calendar")))
            calendar->setChecked(true);
    };
    exportPdf->trigger();
    ASSERT_EQ(closer.objectNames, QStringList{QStringLiteral("weekPrint")});
    EXPECT_EQ(files.saveStart.fileName, QStringLiteral("default.pdf"));
    ASSERT_EQ(pdfPages(pdf), 8);

    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    ASSERT_TRUE(text.waitForFinished(10000));
    const QString out = QString::fromUtf8(text.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("Schedule of Sunday")));
    EXPECT_TRUE(out.contains(QStringLiteral("Calendar from")));
    EXPECT_TRUE(out.contains(QStringLiteral("page 8 of 8")));
    EXPECT_TRUE(out.contains(QStringLiteral("Westminster"))) << out.toStdString();
}
