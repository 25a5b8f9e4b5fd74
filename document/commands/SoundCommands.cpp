#include "document/commands/SoundCommands.h"

#include "document/CTavrinDoc.h"
#include "document/ShownText.h"
#include "schedule/ControlCharacters.h"
#include "schedule/WeeklySchedule.h"

#include <QCoreApplication>

namespace {

QString stepName(SoundKind kind, int number)
{
    return kind == SoundKind::Melody ? QCoreApplication::translate("SoundCommands", "Name Melody %1").arg(number)
                                     : QCoreApplication::translate("SoundCommands", "Name Voice %1").arg(number);
}

} // namespace

SoundNameProblem soundNameProblem(const QString &name)
{
    if (holdsControlCharacter(name))
        return SoundNameProblem::ControlCharacter;
    return SoundNames::isValidName(name) ? SoundNameProblem::None : SoundNameProblem::TooLong;
}

RenameSound::RenameSound(CTavrinDoc &doc, SoundKind kind, int number, const QString &name, const ListPlace &before)
    : DayStep(doc, stepName(kind, number), before)
{
    SoundNames names = doc.week().soundNames();
    if (names.setName(kind, number, name))
        changeSoundNames(names);
}

std::vector<NamedSound> namedSounds(const SoundNames &names, SoundKind kind)
{
    std::vector<NamedSound> named;
    for (int n = 1; n <= SoundNames::kCount; ++n) {
        if (const QString name = names.name(kind, n); !name.isEmpty())
            named.push_back({n, name});
    }
    return named;
}

ChooseSound::ChooseSound(CTavrinDoc &doc, int row, int number, const ListPlace &before)
    : DayStep(doc, QCoreApplication::translate("SoundCommands", "Choose Sound"), before)
{
    std::vector<ScheduleEntry> entries = doc.shownEntries().entries();
    if (row < 0 || row >= int(entries.size()) || number < 1 || number > SoundNames::kCount)
        return;
    ListRow texts = shownRow(entries[size_t(row)], row + 1);
    texts[kColumnSelection] = std::to_string(number);
    entries[size_t(row)] = storedEntry(texts);
    changeDay(doc.shownDay(), entries);
}
