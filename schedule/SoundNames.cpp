#include "schedule/SoundNames.h"

#include "schedule/ControlCharacters.h"

#include <algorithm>
#include <charconv>

QString SoundNames::kindText(SoundKind kind)
{
    return kind == SoundKind::Melody ? QStringLiteral("Melody") : QStringLiteral("Voice");
}

std::optional<SoundKind> SoundNames::kindOf(std::string_view stored)
{
    if (stored == "Melody")
        return SoundKind::Melody;
    if (stored == "Voice")
        return SoundKind::Voice;
    return std::nullopt;
}

std::optional<SoundKind> SoundNames::kindOf(const QString &stored)
{
    return kindOf(std::string_view(stored.toStdString()));
}

bool SoundNames::isValidName(const QString &name)
{
    // Counted in characters, so a name in any script has the same room.
    qsizetype characters = 0;
    for (auto it = name.cbegin(); it != name.cend(); ++it) {
        if (it->isHighSurrogate() && it + 1 != name.cend() && (it + 1)->isLowSurrogate())
            ++it;
        ++characters;
    }
    return characters <= kMaxLength && !holdsControlCharacter(name);
}

QString SoundNames::name(SoundKind kind, int number) const
{
    if (number < 1 || number > kCount)
        return {};
    return (kind == SoundKind::Melody ? m_melody : m_voice)[size_t(number - 1)];
}

bool SoundNames::setName(SoundKind kind, int number, const QString &name)
{
    if (number < 1 || number > kCount || !isValidName(name))
        return false;
    (kind == SoundKind::Melody ? m_melody : m_voice)[size_t(number - 1)] = name;
    return true;
}

QString SoundNames::nameFor(std::string_view melodyVoice, std::string_view selection) const
{
    const std::optional<SoundKind> kind = kindOf(melodyVoice);
    int number = 0;
    const char *end = selection.data() + selection.size();
    if (!kind || selection.empty() || std::from_chars(selection.data(), end, number).ptr != end)
        return {};
    return name(*kind, number);
}

bool SoundNames::isEmpty() const
{
    auto empty = [](const QString &n) { return n.isEmpty(); };
    return std::all_of(m_melody.begin(), m_melody.end(), empty) && std::all_of(m_voice.begin(), m_voice.end(), empty);
}
