#include "ui/gui/SchedulePrinter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

std::vector<ReportRow> sixtyEntries()
{
    std::vector<ReportRow> rows;
    for (int id = 1; id <= 60; ++id) {
        const int minute = 7 * 60 + id * 13;
        const int hour12 = (minute / 60) % 12 == 0 ? 12 : (minute / 60) % 12;
        char time[6];
        std::snprintf(time, sizeof time, "%02d:%02d", hour12, minute % 60);
        // only CH4 says "ON", so every "ON" on the page stands in the CH4 column
        rows.push_back({std::to_string(id), minute < 720 ? "AM" : "PM", time, id % 3 ? "Melody" : "Voice",
                        std::to_string(id % 16), "", "", "", "", "ON"});
    }
    return rows;
}

ReportClock tickingClock()
{
    auto second = std::make_shared<int>(8);
    return [second] { return ReportTime{2005, 3, 7, 14, 5, ++*second}; };
}

QString collapsed(QString text)
{
    return text.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")).trimmed();
}

QString pdfText(const QString &pdf, const QStringList &options = {})
{
    QProcess process;
    process.start(QStringLiteral("pdftotext"), options + QStringList{pdf, QStringLiteral("-")});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString printToPdf(const QString &path, const std::vector<ReportRow> &rows, const QString &dayName,
                   const QPageLayout &layout)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageLayout(layout);
    EXPECT_EQ(printScheduleTo(printer, rows, dayName, tickingClock()), PrintResult::Printed);
    return path;
}

struct Word {
    double xMin, yMin, xMax, yMax;
    QString text;
};

// The words pdftotext finds, with their boxes in points, and the page size.
std::vector<Word> pdfWords(const QString &pdf, QSizeF *page)
{
    const QString html = pdfText(pdf, {QStringLiteral("-bbox")});
    const char *pagePattern = R"re(<page width="([\d.]+)" height="([\d.]+)")re";
    const QRegularExpression pageSize(QString::fromLatin1(pagePattern));
    const auto size = pageSize.match(html);
    if (size.hasMatch())
        *page = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    const char *wordPattern =
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re";
    const QRegularExpression word(QString::fromLatin1(wordPattern));
    std::vector<Word> words;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        words.push_back({m.captured(1).toDouble(), m.captured(2).toDouble(), m.captured(3).toDouble(),
                         m.captured(4).toDouble(), m.captured(5)});
    }
    return words;
}

} // namespace

TEST(SchedulePrinter, SixtyEntriesOnTwoPages)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::vector<ReportRow> rows = sixtyEntries();
    const QString pdf =
        printToPdf(dir.filePath(QStringLiteral("report.pdf")), rows, QStringLiteral("Wednesday"),
                   QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)));
    const QStringList pages = pdfText(pdf, {QStringLiteral("-layout")}).split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(pages.size(), 2);

    for (int p = 0; p < 2; ++p) {
        const QString text = QStringLiteral(" ") + collapsed(pages[p]) + QStringLiteral(" ");
        // the clock is asked once a page
        const QString date = QStringLiteral("DATE : 2005/3/7 14:5:%1 Page #%2").arg(9 + p).arg(p + 1);
        EXPECT_TRUE(text.contains(date)) << p;
        EXPECT_TRUE(text.contains(QStringLiteral("***** Schedule of Wednesday *****"))) << p;
        EXPECT_TRUE(text.contains(collapsed(QString::fromStdString(ScheduleReport::columnHeading()))));
        EXPECT_TRUE(text.contains(QString(116, QLatin1Char('='))));
        const size_t first = size_t(p) * 55;
        const size_t end = std::min(rows.size(), first + 55);
        for (size_t i = 0; i < rows.size(); ++i) {
            const QString line = collapsed(QString::fromStdString(ScheduleReport::entryLine(rows[i])));
            const bool onThisPage = i >= first && i < end;
            EXPECT_EQ(text.contains(QStringLiteral(" ") + line + QStringLiteral(" ")), onThisPage)
                << "page " << p + 1 << ": " << line.toStdString();
        }
    }
}

TEST(SchedulePrinter, ReportFitsThePageWithColumnsAligned)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::vector<ReportRow> rows = sixtyEntries();
    const QList<QPageLayout> layouts{
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10)),
        QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(20, 20, 20, 20)),
        QPageLayout(QPageSize(QPageSize::A6), QPageLayout::Portrait, QMarginsF(5, 5, 5, 5))};
    int n = 0;
    for (const QPageLayout &layout : layouts) {
        SCOPED_TRACE(n);
        const QString pdf =
            printToPdf(dir.filePath(QStringLiteral("fit%1.pdf").arg(n++)), rows, QStringLiteral("Monday"), layout);
        QSizeF page;
        const std::vector<Word> words = pdfWords(pdf, &page);
        ASSERT_FALSE(words.empty());
        ASSERT_TRUE(page.isValid());

        double ch4 = -1;
        int ons = 0;
        bool pageNumberSeen = false;
        for (const Word &word : words) {
            EXPECT_LE(word.xMax, page.width() + 0.01) << word.text.toStdString();
            EXPECT_LE(word.yMax, page.height() + 0.01) << word.text.toStdString();
            if (word.text == QStringLiteral("CH4"))
                ch4 = word.xMin;
            pageNumberSeen = pageNumberSeen || word.text == QStringLiteral("#2");
        }
        EXPECT_TRUE(pageNumberSeen);
        ASSERT_GE(ch4, 0);
        for (const Word &word : words) {
            if (word.text == QStringLiteral("ON")) {
                ++ons;
                EXPECT_NEAR(word.xMin, ch4, 0.5);
            }
        }
        EXPECT_EQ(ons, 60);
    }
}
