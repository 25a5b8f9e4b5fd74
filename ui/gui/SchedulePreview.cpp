#include "ui/gui/SchedulePreview.h"

#include "ui/gui/SchedulePrinter.h"

#include <QPrinter>
#include <QPrintPreviewDialog>

void previewSchedule(QWidget *parent, const std::vector<ReportRow> &rows, const QString &dayName, QPrinter &printer,
                     const ReportClock &clock)
{
    printer.setDocName(QStringLiteral("Tavrin Schedule"));
    // the whole day; a range chosen for an earlier job is not this preview's business
    printer.setPrintRange(QPrinter::AllPages);
    QPrintPreviewDialog dialog(&printer, parent);
    dialog.setWindowTitle(QObject::tr("Print Preview"));
    dialog.setObjectName(QStringLiteral("printPreview"));
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&](QPrinter *target) { printScheduleTo(*target, rows, dayName, clock); });
    dialog.exec();
}
