#pragma once

#include <QString>

#include <vector>

// A printed document as text: its pages, each a list of lines set in fixed character columns,
// line r of a page at index r (an empty line keeps its place). Composed by a plain builder
// and drawn by ReportPainter on a printer or a PDF writer.
struct ReportDocument {
    QString name; // the print job's name
    std::vector<std::vector<QString>> pages;

    // The most characters of any line, and the most lines of any page: what the font must fit.
    int longestLine() const;
    int mostLines() const;
};
