#pragma once

#include <array>
#include <QtGlobal>
#include <string>

// The ten columns of the schedule list, in order, with their headers and widths (percent of
// the screen width).
enum ListColumn {
    kColumnId = 0,
    kColumnAmPm,
    kColumnTime,
    kColumnMelodyVoice,
    kColumnSelection,
    kColumnAc,
    kColumnCh1,
    kColumnCh2,
    kColumnCh3,
    kColumnCh4,
    kColumnCount
};

constexpr std::array<const char *, kColumnCount> kColumnHeaders = {
    QT_TRANSLATE_NOOP("ListColumns", "ID"),        QT_TRANSLATE_NOOP("ListColumns", "AM/PM"),
    QT_TRANSLATE_NOOP("ListColumns", "Time"),      QT_TRANSLATE_NOOP("ListColumns", "Melody/Voice"),
    QT_TRANSLATE_NOOP("ListColumns", "Selection"), QT_TRANSLATE_NOOP("ListColumns", "AC"),
    QT_TRANSLATE_NOOP("ListColumns", "ch1"),       QT_TRANSLATE_NOOP("ListColumns", "ch2"),
    QT_TRANSLATE_NOOP("ListColumns", "ch3"),       QT_TRANSLATE_NOOP("ListColumns", "ch4")};

constexpr std::array<int, kColumnCount> kColumnWidthPercent = {8, 10, 16, 16, 12, 9, 7, 7, 7, 7};

// The texts of one list row as shown, column by column.
using ListRow = std::array<std::string, kColumnCount>;
