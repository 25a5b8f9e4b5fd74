#include "plan/SyncTimer.h"

#include <QProcess>
#include <QStringList>

namespace {

const char *const kUnit = "tavrin-sync.timer";

// systemctl's exit status and standard output; nothing when it could not be run.
std::optional<std::pair<int, QByteArray>> systemctl(const QStringList &arguments)
{
    QProcess process;
    process.start(QStringLiteral("systemctl"), QStringList{QStringLiteral("--user")} + arguments);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit)
        return std::nullopt;
    return std::make_pair(process.exitCode(), process.readAllStandardOutput().trimmed());
}

} // namespace

SyncTimer userSyncTimer()
{
    SyncTimer timer;
    timer.isEnabled = []() -> std::optional<bool> {
        const auto answer = systemctl({QStringLiteral("is-enabled"), QString::fromLatin1(kUnit)});
        if (!answer)
            return std::nullopt;
        // 0 for "enabled"; "disabled", "not-found" and the rest are not
        return answer->first == 0;
    };
    timer.enable = [] {
        const auto answer = systemctl({QStringLiteral("enable"), QStringLiteral("--now"), QString::fromLatin1(kUnit)});
        return answer && answer->first == 0;
    };
    return timer;
}
