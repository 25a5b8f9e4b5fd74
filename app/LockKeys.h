#pragma once

#include <optional>
#include <QString>
#include <QStringList>

// The Caps, Num and Scroll Lock states, where the system tells them. Qt does not; on Linux the
// keyboard LEDs under /sys/class/leds do. Elsewhere (or with no keyboard, as under Xvfb) the
// states stay unknown and the status bar leaves the indicator panes blank.
class LockKeys {
public:
    enum Key { Caps, Num, Scroll };

    // Looks for the LED files under ledRoot once.
    explicit LockKeys(const QString &ledRoot = QStringLiteral("/sys/class/leds"));

    bool known(Key key) const { return !m_files[key].isEmpty(); }
    // On when any keyboard's LED of that key is lit; nullopt when unknown.
    std::optional<bool> state(Key key) const;

private:
    QStringList m_files[3];
};
