#pragma once

#include <QColor>

// The list's text and background: black on the list's light blue, unless the desktop's palette
// is dark (light text on a dark base, high-contrast dark themes included): then the palette's
// own pair, so the list reads like every other window.
struct ListColours {
    QColor text;
    QColor background;
};
ListColours listColours(const QColor &paletteText, const QColor &paletteBase);

// The contrast ratio of two colours, from 1 (the same) to 21 (black on white), by their
// relative luminance; text wants at least 4.5.
double contrastRatio(const QColor &a, const QColor &b);
