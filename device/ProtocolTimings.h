#pragma once

#include <algorithm>

// The waits of the exchanges with the device, in milliseconds, for the dialogs and tavrin-cli
// alike. The defaults are the device's own pace; the frames and their order never depend on
// them, only when a frame goes and how long silence is borne. Tests that are not about the
// pace run them shorter with fasterBy(); the counts stay what they are.
struct ProtocolTimings {
    // Download and Upload: the reply watch looks at what has come once a tick, and more than
    // kSilentTicks ticks without the awaited reply end the exchange.
    int replyTickMs = 1000;
    static constexpr int kSilentTicks = 10;
    // The progress bar's step: during one weekday, and during ALL Clear's eight frames.
    int weekdayProgressMs = 100;
    int allClearProgressMs = 800;
    // The longest wait for a set-clock frame to leave the port before the port is closed
    // (ten bytes need about 10 ms at 9600 baud; a stuck line must not hold a window long).
    int drainTimeoutMs = 2000;
    // How long tavrin-cli waits for the answer to a clock request; the Time Setting window
    // waits until the operator closes it.
    int clockReplyTimeoutMs = 5000;
    // The longest wait for a port behind a network address to connect and, through a telnet
    // server, to have its line set up. Shortened, it keeps a floor: a loaded machine's
    // loopback must still make it.
    int connectTimeoutMs = 5000;
    static constexpr int kShortestConnectMs = 500;

    // Every wait `factor` times shorter (at least 1 ms); factor 1 is the device's pace.
    constexpr ProtocolTimings fasterBy(int factor) const
    {
        const int f = std::max(1, factor);
        auto shorter = [f](int ms) { return std::max(1, ms / f); };
        ProtocolTimings t = *this;
        t.replyTickMs = shorter(replyTickMs);
        t.weekdayProgressMs = shorter(weekdayProgressMs);
        t.allClearProgressMs = shorter(allClearProgressMs);
        t.drainTimeoutMs = shorter(drainTimeoutMs);
        t.clockReplyTimeoutMs = shorter(clockReplyTimeoutMs);
        t.connectTimeoutMs = std::max(std::min(kShortestConnectMs, connectTimeoutMs), shorter(connectTimeoutMs));
        return t;
    }
};
