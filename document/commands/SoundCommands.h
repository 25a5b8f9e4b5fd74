#pragma once

#include "document/commands/DayStep.h"

// Why a name cannot be a sound's name; None when it can.
enum class SoundNameProblem { None, TooLong, ControlCharacter };
SoundNameProblem soundNameProblem(const QString &name);

// One sound's name changed ("Name Melody 3"); the empty name takes the name away. A name
// that cannot be a sound's name (see soundNameProblem) changes nothing. The list stays where
// it is.
class RenameSound : public DayStep {
public:
    RenameSound(CTavrinDoc &doc, SoundKind kind, int number, const QString &name, const ListPlace &before);
};

// The named sounds of a kind, by number.
struct NamedSound {
    int number;
    QString name;
};
std::vector<NamedSound> namedSounds(const SoundNames &names, SoundKind kind);

// Row index row of the shown day plays sound number of its kind ("Choose Sound").
class ChooseSound : public DayStep {
public:
    ChooseSound(CTavrinDoc &doc, int row, int number, const ListPlace &before);
};
