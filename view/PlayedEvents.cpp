#include "view/PlayedEvents.h"

#include "device/DayImage.h"
#include "document/ShownText.h"

#include <QStringList>

namespace {
// Decoded as the list writes them: no sound is an empty Melody/Voice, Melody 0 reads "0".
const SlotTexts kListTexts{"", "", "0"};
} // namespace

std::vector<ListRow> playedRows(const DaySchedule &day)
{
    DayImage image;
    image.Encode(day);
    std::vector<ListRow> rows;
    for (int minute = 0; minute < DayImage::kSlots; ++minute) {
        const MinuteSlot slot = image.slot(minute);
        if (!slot.isEmpty())
            rows.push_back(shownRow(decodeSlot(minute, slot, kListTexts), int(rows.size()) + 1));
    }
    return rows;
}

QString shownEventLine(const ListRow &row, const SoundNames *names)
{
    auto cell = [&row](int column) { return shownCellText(column, row[size_t(column)]); };
    QStringList parts;
    parts << cell(kColumnAmPm) + QLatin1Char(' ') + cell(kColumnTime);
    if (!row[kColumnMelodyVoice].empty()) {
        QString sound = QString(cell(kColumnMelodyVoice) + QLatin1Char(' ') + cell(kColumnSelection)).trimmed();
        if (const QString name = names ? names->nameFor(row[kColumnMelodyVoice], row[kColumnSelection]) : QString();
            !name.isEmpty())
            sound += QStringLiteral(" \"%1\"").arg(name);
        parts << sound;
    }
    if (!row[kColumnAc].empty())
        parts << shownColumnHeader(kColumnAc) + QLatin1Char(' ') + cell(kColumnAc);
    QStringList channels;
    for (int c = kColumnCh1; c <= kColumnCh4; ++c) {
        if (!row[size_t(c)].empty())
            channels << shownColumnHeader(c);
    }
    if (!channels.isEmpty())
        parts << channels.join(QLatin1Char(' '));
    return parts.join(QStringLiteral("  "));
}
