#pragma once

#include <QString>

#include <array>
#include <optional>
#include <string_view>

// The names the operator gives to the device's sounds: Melody 1..15 and Voice 1..15. They
// belong to the week and travel with its file. A name only shows: entries keep the sound's
// number, and the device and everything that reads the list see the number.
enum class SoundKind { Melody, Voice };

class SoundNames {
public:
    static constexpr int kCount = 15; // sounds of each kind, numbered from 1
    static constexpr int kMaxLength = 40; // characters (code points) of a name

    // "Melody" / "Voice", as entries store the kind and files store the names.
    static QString kindText(SoundKind kind);
    // The kind an entry's stored text names; none for anything else.
    static std::optional<SoundKind> kindOf(std::string_view stored);
    static std::optional<SoundKind> kindOf(const QString &stored);

    // At most kMaxLength characters and no control character; the empty name (none) is valid.
    static bool isValidName(const QString &name);

    // Empty for no name and for a number outside 1..kCount.
    QString name(SoundKind kind, int number) const;
    // False, and nothing changes, for a number outside 1..kCount or a name that is not valid.
    bool setName(SoundKind kind, int number, const QString &name);

    // The name of the sound an entry plays, from its stored kind and selection texts; empty
    // when the entry plays no named sound.
    QString nameFor(std::string_view melodyVoice, std::string_view selection) const;

    // No sound has a name.
    bool isEmpty() const;

    bool operator==(const SoundNames &) const = default;

private:
    std::array<QString, kCount> m_melody;
    std::array<QString, kCount> m_voice;
};
