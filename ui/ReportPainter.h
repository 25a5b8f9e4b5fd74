#pragma once

#include "ui/ReportDocument.h"

class QPagedPaintDevice;

// Draws a document's pages on a printer or a PDF writer, a page of the device for each, in a
// fixed-pitch font as large as lets the longest line fit the page's width and the longest page
// its height. False, with nothing drawn, when the device cannot be painted on.
bool paintReport(QPagedPaintDevice &device, const ReportDocument &document);

// Writes the document to a PDF file at path (A4, no printer needed). False when the file
// cannot be written.
bool writeReportPdf(const QString &path, const ReportDocument &document);
