#pragma once

#include <functional>
#include <optional>

// The evening sync (the user's systemd timer tavrin-sync.timer): what puts the regular image
// back on a weekday Bells Off left blank. Asked through functions, so tests never touch the
// real user's systemd.
struct SyncTimer {
    // Whether the timer is enabled; nothing when that cannot be told (no systemd).
    std::function<std::optional<bool>()> isEnabled;
    // Enables and starts it; whether that worked.
    std::function<bool()> enable;
};

// The user's own: systemctl --user is-enabled / enable --now tavrin-sync.timer.
SyncTimer userSyncTimer();
