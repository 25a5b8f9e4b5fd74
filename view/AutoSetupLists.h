#pragma once

#include <array>
#include <QtGlobal>
#include <string_view>

// The choices of the Auto Setup dialog, in the order the lists show them. The items carry the
// leading blanks the dialog has always shown; the generator reads them by index, and the
// Selection list by the number its text holds.
namespace AutoSetupLists {

// Sunday first: position 0 = Sunday, 1 = Monday .. 6 = Saturday (see dayForAutoSetupPosition).
constexpr std::array<std::string_view, 7> kDays = {
    QT_TRANSLATE_NOOP("AutoSetup", " Sunday"),   QT_TRANSLATE_NOOP("AutoSetup", " Monday"),
    QT_TRANSLATE_NOOP("AutoSetup", " Tuesday"),  QT_TRANSLATE_NOOP("AutoSetup", " Wednesday"),
    QT_TRANSLATE_NOOP("AutoSetup", " Thursday"), QT_TRANSLATE_NOOP("AutoSetup", " Friday"),
    QT_TRANSLATE_NOOP("AutoSetup", " Saturday")};

enum MelodyVoiceIndex { kNoSound = 0, kMelody = 1, kVoice = 2 };
constexpr std::array<std::string_view, 3> kMelodyVoice = {"", QT_TRANSLATE_NOOP("AutoSetup", " Melody"),
                                                          QT_TRANSLATE_NOOP("AutoSetup", " Voice")};

// "  1" .. "  15", then "  0" last; "  0" is the default.
constexpr std::array<std::string_view, 16> kSelections = {"  1", "  2",  "  3",  "  4",  "  5",  "  6",  "  7",  "  8",
                                                          "  9", "  10", "  11", "  12", "  13", "  14", "  15", "  0"};
constexpr int kDefaultSelectionIndex = 15;

enum AcIndex { kNoAc = 0, kAcOn = 1, kAcOff = 2 };
constexpr std::array<std::string_view, 3> kAc = {"", QT_TRANSLATE_NOOP("AutoSetup", "  ON"),
                                                 QT_TRANSLATE_NOOP("AutoSetup", "  OFF")};

constexpr std::string_view kDefaultTime = "00:00";
constexpr std::string_view kDefaultInterval = "1  Minute";

// Longest texts the operator can type into the boxes.
constexpr int kTimeTypedLength = 5;
constexpr int kIntervalTypedLength = 3;

// The number a Selection item stands for; 0 for an index outside the list.
int selectionValue(int index);

} // namespace AutoSetupLists
