// The main window's Print Week and Export PDF: the whole week as one document.
#include "app/FileChooser.h"
#include "app/gui/CMainFrame.h"
#include "app/gui/WeekPrintDlg.h"
#include "document/CTavrinDoc.h"
#include "schedule/Messages.h"
#include "schedule/ScheduleFiles.h"
#include "ui/gui/SchedulePrinter.h"
#include "ui/ReportPainter.h"
#include "view/gui/CTavrinView.h"
#include "view/WeekReport.h"

#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrintPreviewDialog>

namespace {

WeekReportOptions optionsOf(const WeekPrintDlg &dialog, const DatabaseLocation &location)
{
    WeekReportOptions options;
    options.programs = dialog.programs();
    options.calendar = dialog.calendar();
    options.scheduleName = location.fileName;
    return options;
}

} // namespace

void CMainFrame::onFilePrintWeek()
{
    WeekPrintDlg dialog(WeekPrintDlg::Purpose::Print, this);
    const int chosen = dialog.exec();
    if (chosen == QDialog::Rejected)
        return;
    // What the list shows is in the week before it is printed.
    m_view->StoreList();
    const ReportDocument document = WeekReport::build(m_doc->week(), optionsOf(dialog, m_doc->location()));
    QPrinter &paper = *printer();
    paper.setDocName(document.name);
    if (chosen == WeekPrintDlg::Preview) {
        QPrintPreviewDialog preview(&paper, this);
        preview.setObjectName(QStringLiteral("weekPreview"));
        connect(&preview, &QPrintPreviewDialog::paintRequested, this,
                [&document](QPrinter *target) { paintReport(*target, document); });
        preview.exec();
        return;
    }
    QPrintDialog print(&paper, this);
    print.setWindowTitle(tr("Print Week"));
    if (print.exec() != QDialog::Accepted)
        return;
    if (!paintReport(paper, document))
        m_messages.show(printFailedText(), QStringLiteral("Tavrin"), Messages::Icon::Error);
}

void CMainFrame::onFileExportPdf()
{
    WeekPrintDlg dialog(WeekPrintDlg::Purpose::Export, this);
    if (dialog.exec() == QDialog::Rejected)
        return;
    const DatabaseLocation location = m_doc->location();
    // The schedule's own name with .pdf, beside it.
    FileDialogStart start;
    start.directory = location.directory;
    start.fileName = location.fileName.isEmpty()
        ? QString()
        : QFileInfo(location.fileName).completeBaseName() + QStringLiteral(".pdf");
    const QString path = m_chooser.choosePdfToSave(start);
    if (path.isEmpty())
        return;
    m_view->StoreList();
    if (!writeReportPdf(path, WeekReport::build(m_doc->week(), optionsOf(dialog, location))))
        m_messages.show(tr("The PDF file %1 could not be written.").arg(QDir::toNativeSeparators(path)),
                        QStringLiteral("Tavrin"), Messages::Icon::Error);
}
