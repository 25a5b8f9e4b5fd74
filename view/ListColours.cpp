#include "view/ListColours.h"

#include <algorithm>
#include <cmath>

namespace {
const QColor kLightBlue(170, 230, 255);
const QColor kBlack(0, 0, 0);

double channel(double c)
{
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(const QColor &c)
{
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}
} // namespace

double contrastRatio(const QColor &a, const QColor &b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ListColours listColours(const QColor &paletteText, const QColor &paletteBase)
{
    if (luminance(paletteBase) < luminance(paletteText))
        return {paletteText, paletteBase};
    return {kBlack, kLightBlue};
}
