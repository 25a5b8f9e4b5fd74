#include "ui/ReportPainter.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <algorithm>
#include <cmath>

namespace {

// A fixed-pitch font, as large as lets `columns` characters fit the width and `lines` lines
// the height.
QFont fittingFont(QPaintDevice *device, const QRectF &area, int columns, int lines)
{
    QFont font(QStringLiteral("Monospace"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setKerning(false);
    const QString widest(std::max(columns, 1), QLatin1Char('M'));
    auto fits = [&](int size) {
        font.setPixelSize(size);
        const QFontMetricsF metrics(font, device);
        return metrics.horizontalAdvance(widest) <= area.width() && metrics.lineSpacing() * lines <= area.height();
    };
    int size = 100;
    font.setPixelSize(size);
    {
        const QFontMetricsF metrics(font, device);
        const double scale = std::min(area.width() / metrics.horizontalAdvance(widest),
                                      area.height() / (metrics.lineSpacing() * std::max(lines, 1)));
        size = std::max(1, int(std::floor(size * scale)));
    }
    // metrics do not scale exactly with the size: step down until it really fits
    while (size > 1 && !fits(size))
        --size;
    font.setPixelSize(size);
    return font;
}

} // namespace

bool paintReport(QPagedPaintDevice &device, const ReportDocument &document)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // A margin of a twentieth of the page on every side, within what the device can print.
    const QRectF page = painter.viewport();
    const QRectF area = page.adjusted(page.width() / 20, page.height() / 20, -page.width() / 20, -page.height() / 20);
    painter.setFont(fittingFont(&device, area, document.longestLine(), document.mostLines()));
    const QFontMetricsF metrics(painter.font(), &device);
    const double lineHeight = metrics.lineSpacing();
    for (size_t p = 0; p < document.pages.size(); ++p) {
        if (p > 0 && !device.newPage()) {
            painter.end();
            return false;
        }
        const std::vector<QString> &lines = document.pages[p];
        for (size_t r = 0; r < lines.size(); ++r) {
            if (!lines[r].isEmpty())
                painter.drawText(QPointF(area.left(), area.top() + double(r) * lineHeight + metrics.ascent()),
                                 lines[r]);
        }
    }
    return painter.end();
}

bool writeReportPdf(const QString &path, const ReportDocument &document)
{
    {
        // QPdfWriter says nothing of a file it could not open; find out first.
        QFile probe(path);
        if (!probe.open(QIODevice::WriteOnly))
            return false;
    }
    QPdfWriter writer(path);
    writer.setTitle(document.name);
    writer.setCreator(QStringLiteral("Tavrin"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    writer.setResolution(300);
    return paintReport(writer, document);
}
