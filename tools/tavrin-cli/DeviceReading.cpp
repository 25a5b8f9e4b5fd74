#include "DeviceReading.h"

#include "CliOutput.h"
#include "CliTransferHost.h"
#include "device/FrameBytes.h"
#include "device/TransferOutcomeText.h"
#include "device/UploadSession.h"
#include "DeviceLink.h"
#include "schedule/Weekday.h"
#include "TransferProgress.h"

#include <QEventLoop>

#include <memory>

namespace {
QString dayName(int day)
{
    return QString::fromLatin1(weekdayName(day).data(), qsizetype(weekdayName(day).size()));
}
} // namespace

WeekdayReading readWeekdays(DeviceLink &link, const std::vector<int> &days, WeeklySchedule &week,
                            const std::function<void(const TransferOutcome &)> &onOutcome)
{
    WeekdayReading reading;
    TransferProgress progress(errorIsTerminal());
    QEventLoop loop;
    std::unique_ptr<UploadSession> session;
    int requested = 0; // the weekday whose reply is awaited

    auto storedCurrent = [&] {
        if (requested != 0) {
            progress.finish(QStringLiteral("received"));
            reading.stored.push_back(requested);
            requested = 0;
        }
    };

    CliTransferHost::Hooks hooks;
    hooks.write = [&](const QByteArray &frame) {
        storedCurrent();
        requested = dayForDayCode(FrameBytes::codeOf(frame));
        progress.start(dayName(requested));
        link.write(frame);
    };
    hooks.timer = [&](int id) { session->timer(id); };
    hooks.outcome = [&](const TransferOutcome &outcome) {
        if (onOutcome)
            onOutcome(outcome);
        if (outcome.end == TransferEnd::Cancelled)
            return;
        if (outcome.end == TransferEnd::LineError) {
            progress.finish(transferOutcomeText(outcome));
            reading.lineErrors.push_back(requested);
            requested = 0;
        } else if (outcome.end == TransferEnd::Completed) {
            storedCurrent();
            reading.completed = true;
            reading.completedText = transferOutcomeText(outcome);
        } else {
            requested = 0;
            const QString label = progress.abandon();
            const QString text = transferOutcomeText(outcome);
            sayError(label.isEmpty() ? text : text + QStringLiteral(" (") + label + QStringLiteral(" not received)"));
        }
    };
    hooks.closed = [&](SessionHost::Result) { loop.quit(); };

    CliTransferHost host(progress, hooks);
    session = std::make_unique<UploadSession>(host, week, nullptr, link.timings());
    session->keepImages(&reading.images);
    link.onReceived = [&](const QByteArray &chunk) { session->received(chunk); };
    link.onLost = [&](const QString &reason) {
        session->portLost();
        sayError(reason);
    };

    session->open();
    if (days.size() == 7) {
        session->boxClicked(UploadSession::kWeekly, true);
    } else {
        for (int day : days)
            session->boxClicked(day, true);
    }
    session->receive();
    if (!host.isClosed())
        loop.exec();
    link.onReceived = nullptr;
    link.onLost = nullptr;
    return reading;
}
