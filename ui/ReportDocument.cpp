#include "ui/ReportDocument.h"

#include <algorithm>

int ReportDocument::longestLine() const
{
    qsizetype longest = 0;
    for (const std::vector<QString> &page : pages)
        for (const QString &line : page)
            longest = std::max(longest, line.size());
    return int(longest);
}

int ReportDocument::mostLines() const
{
    size_t most = 0;
    for (const std::vector<QString> &page : pages)
        most = std::max(most, page.size());
    return int(most);
}
