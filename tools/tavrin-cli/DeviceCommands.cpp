#include "DeviceCommands.h"

#include "CliCommand.h"
#include "CliOutput.h"
#include "CliTransferHost.h"
#include "CompareCommands.h"
#include "device/ClockOffset.h"
#include "device/ClockSession.h"
#include "device/DownloadSession.h"
#include "device/DownloadWarnings.h"
#include "device/FrameBytes.h"
#include "device/PortAccess.h"
#include "device/SummerTimeNotice.h"
#include "device/TransferOutcomeText.h"
#include "device/TransferRecorder.h"
#include "device/UploadSession.h"
#include "DeviceLink.h"
#include "DeviceReading.h"
#include "journal/TransferJournal.h"
#include "JournalCommand.h"
#include "plan/PlannedWeek.h"
#include "plan/PortHistory.h"
#include "plan/ProgramOnDevice.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"
#include "ScheduleFileAccess.h"
#include "TransferProgress.h"

#include <QDateTime>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

// The dialogs' own texts.
QString textOf(TransferExchange exchange, TransferEnd end)
{
    TransferOutcome outcome;
    outcome.exchange = exchange;
    outcome.end = end;
    return transferOutcomeText(outcome);
}
const QString kOpenFail = textOf(TransferExchange::Download, TransferEnd::PortFailed);
const QString kNoResponse = textOf(TransferExchange::Download, TransferEnd::NoResponse);
const QString kCommunicationError = textOf(TransferExchange::Upload, TransferEnd::NoResponse);
const QString kLineError = textOf(TransferExchange::Upload, TransferEnd::LineError);

QString dayName(int day)
{
    return QString::fromLatin1(weekdayName(day).data(), qsizetype(weekdayName(day).size()));
}

// Ticks the boxes the operator would tick: Weekly for all seven weekdays, else each one.
template <typename Session> void tickDays(Session &session, const std::vector<int> &days)
{
    if (days.size() == 7) {
        session.boxClicked(Session::kWeekly, true);
        return;
    }
    for (int day : days)
        session.boxClicked(day, true);
}

// "Make no Response (Monday not sent)".
QString withNotDone(const QString &text, const QString &label, const QString &notDone)
{
    return label.isEmpty() ? text : text + QStringLiteral(" (") + label + QLatin1Char(' ') + notDone + QLatin1Char(')');
}

// A file that cannot take the week is found out before the device is read, not after.
bool canWriteScheduleFile(const QString &path, QString &error)
{
    const QFileInfo info(path);
    if (info.exists()) {
        QFile file(path);
        if (info.isFile() && file.open(QIODevice::ReadWrite))
            return true;
        error = QStringLiteral("%1 cannot be written").arg(path);
        return false;
    }
    const QFileInfo folder(info.absolutePath());
    if (folder.isDir() && folder.isWritable())
        return true;
    error = QStringLiteral("%1 cannot be written: no folder %2 to write in").arg(path, folder.filePath());
    return false;
}

// What the device sent, for a message: "54 21 42 ...".
QString bytesText(const QByteArray &bytes)
{
    constexpr qsizetype kShown = 32;
    QString text = QString::fromLatin1(bytes.left(kShown).toHex(' '));
    if (bytes.size() > kShown)
        text += QStringLiteral(" ... (%1 bytes)").arg(bytes.size());
    return text.isEmpty() ? QStringLiteral("nothing before 0xFF") : text;
}

QStringList dayNames(const std::vector<int> &days)
{
    QStringList names;
    for (int d : days)
        names << dayName(d);
    return names;
}

// Journals the first end an exchange reports: a refusal's Cancel follows it.
class JournalOnce {
public:
    using RecordOf = std::function<TransferRecord(const TransferOutcome &)>;
    JournalOnce(const CliCommand &command, QString file, RecordOf recordOf)
        : m_command(command)
        , m_file(std::move(file))
        , m_recordOf(std::move(recordOf))
    {
    }
    JournalOnce(const CliCommand &command, const WeeklySchedule &week, QString file,
                const CarriedSchedules *carried = nullptr)
        : JournalOnce(command, std::move(file), [&week, carried](const TransferOutcome &outcome) {
            return dayTransferRecord(outcome, week, carried);
        })
    {
    }
    void operator()(const TransferOutcome &outcome)
    {
        if (m_done)
            return;
        m_done = true;
        TransferRecord record = m_recordOf(outcome);
        record.port = m_command.port;
        record.file = m_file;
        cliRecord(m_command, record);
        m_recorded = std::move(record);
    }

    const std::optional<TransferRecord> &recorded() const { return m_recorded; }

private:
    const CliCommand &m_command;
    QString m_file;
    RecordOf m_recordOf;
    bool m_done = false;
    std::optional<TransferRecord> m_recorded;
};

// Download on an open link of what `makeSession` sends, journalled once by `journal`.
DownloadRun sendDownload(DeviceLink &link, const CliCommand &command, JournalOnce &journal,
                         const std::function<std::unique_ptr<DownloadSession>(TransferHost &)> &makeSession)
{
    TransferProgress progress(errorIsTerminal());
    QEventLoop loop;
    std::unique_ptr<DownloadSession> session;
    bool completed = false;
    bool failed = false;
    std::vector<int> accepted;

    CliTransferHost::Hooks hooks;
    hooks.write = [&](const QByteArray &frame) {
        progress.finish(QStringLiteral("sent"));
        const char code = FrameBytes::codeOf(frame);
        progress.start(command.clearAll ? QStringLiteral("ALL Clear ") + QLatin1Char(code)
                                        : dayName(dayForDayCode(code)));
        link.write(frame);
    };
    hooks.timer = [&](int id) { session->timer(id); };
    hooks.outcome = [&](const TransferOutcome &outcome) {
        journal(outcome);
        if (outcome.end != TransferEnd::Cancelled)
            accepted = acceptedWeekdays(outcome);
        const QString text = transferOutcomeText(outcome);
        if (outcome.end == TransferEnd::Cancelled) {
            // Only after a refusal, which has said so.
        } else if (outcome.end == TransferEnd::Completed) {
            progress.finish(QStringLiteral("sent"));
            completed = true;
            sayRaw(text + QLatin1Char('\n'));
        } else if (outcome.end == TransferEnd::Refused) {
            // The dialog waits for Cancel behind a refusal; so do we, at once.
            failed = true;
            sayError(text + QStringLiteral(" (the device refused ") + progress.abandon() + QLatin1Char(')'));
            QTimer::singleShot(0, &loop, [&] { session->cancel(); });
        } else {
            failed = true;
            sayError(withNotDone(text, progress.abandon(), QStringLiteral("not sent")));
        }
    };
    hooks.closed = [&](SessionHost::Result) { loop.quit(); };

    CliTransferHost host(progress, hooks);
    session = makeSession(host);
    link.onReceived = [&](const QByteArray &chunk) { session->received(chunk); };
    link.onLost = [&](const QString &reason) {
        session->portLost();
        sayError(reason);
    };

    session->open();
    if (command.clearAll)
        session->boxClicked(DownloadSession::kAllClear, true);
    else
        tickDays(*session, command.days);
    session->send();
    if (!host.isClosed())
        loop.exec();
    // The session is gone after this: nothing it left behind may hear the port.
    link.onReceived = nullptr;
    link.onLost = nullptr;
    return {completed && !failed, accepted, journal.recorded()};
}

} // namespace

bool openLink(DeviceLink &link, const CliCommand &command, std::optional<JournalKind> kind, const QString &file)
{
    QString error;
    if (link.open(command.port, error))
        return true;
    // The port's own failure text names the port.
    sayError(kOpenFail + QStringLiteral(": ") + (error.isEmpty() ? command.port : error));
    const QString hint = portPermissionHint(command.port);
    if (!hint.isEmpty())
        sayError(hint);
    if (kind) {
        // Nothing reached the device: the record names no weekday.
        TransferRecord record;
        record.kind = *kind;
        record.port = command.port;
        record.file = file;
        record.end = TransferEnd::PortFailed;
        cliRecord(command, record);
    }
    return false;
}

void sayDownloadWarnings(const WeeklySchedule &week, const std::vector<int> &days)
{
    for (const QString &paragraph : downloadWarningTexts(downloadWarnings(week, days)))
        sayError(paragraph);
}

DownloadRun sendWeekdays(DeviceLink &link, const CliCommand &command, const WeeklySchedule &week, const QString &file,
                         const CarriedSchedules *carried)
{
    JournalOnce journal(command, week, file, carried);
    return sendDownload(link, command, journal, [&](TransferHost &host) {
        return std::make_unique<DownloadSession>(host, week, nullptr, link.timings());
    });
}

DownloadRun sendImages(DeviceLink &link, const CliCommand &command, const WeekdayImages &images, const QString &file,
                       const CarriedSchedules &carried)
{
    JournalOnce journal(command, file,
                        [&](const TransferOutcome &outcome) { return imagesTransferRecord(outcome, images, carried); });
    return sendDownload(link, command, journal, [&](TransferHost &host) {
        return std::make_unique<DownloadSession>(host, images, nullptr, link.timings());
    });
}

int runDownload(const CliCommand &command)
{
    const std::unique_ptr<WeeklySchedule> week = loadScheduleOrSay(command.file);
    if (!week)
        return kExitFailure;
    // Sent as told; the calendar is sync's to follow.
    if (!command.clearAll) {
        sayDownloadWarnings(*week, command.days);
        for (const PlannedDay &day : PlannedWeek(*week, QDate::currentDate()).programDays(command.days))
            sayError(QStringLiteral("warning: %1 %2 plays the day program %3; the regular %1 is sent "
                                    "(sync sends what the calendar plans)")
                         .arg(dayName(day.planned.weekday), day.planned.date.toString(Qt::ISODate), day.title));
    }
    const QString file = QFileInfo(command.file).absoluteFilePath();
    DeviceLink link(command.timings);
    if (!openLink(link, command, command.clearAll ? JournalKind::AllClear : JournalKind::Download, file))
        return kExitFailure;
    if (!sendWeekdays(link, command, *week, file).completed)
        return kExitFailure;
    return command.verify ? verifySent(link, *week, command.days) : kExitOk;
}

namespace {

// A weekday the device holds as a day program is not the regular weekday: unless told to, the
// file keeps its own, and standard error says which program the device holds there.
void keepDayProgramsOut(const CliCommand &command, WeeklySchedule &week, const WeeklySchedule &before,
                        const std::vector<int> &stored)
{
    TransferJournal journal(cliJournalPath(command));
    const PortHistory history = readPortHistory(journal, command.port);
    for (const ProgramOnDevice &held : programsOnDevice(history.entries, week, weekImages(week, stored))) {
        const QString day = dayName(held.weekday);
        if (command.intoWeekdays) {
            sayError(QStringLiteral("%1: the device holds the day program %2 there; stored into %1 (--into-weekdays)")
                         .arg(day, held.program));
            continue;
        }
        placeReadBack(week, before, held, ReadBackPlace::NotTaken);
        sayError(QStringLiteral("%1: the device holds the day program %2 there; not stored, %3 keeps its %1 "
                                "(--into-weekdays stores it)")
                     .arg(day, held.program, command.to));
    }
}

} // namespace

int runUpload(const CliCommand &command)
{
    // The weekdays not read keep what the file holds; a new file starts as the template.
    auto week = std::make_unique<WeeklySchedule>();
    QString error;
    const bool exists = QFileInfo::exists(command.to);
    if (!(exists ? loadScheduleFile(command.to, *week, error) : loadTemplate(*week, error))
        || !canWriteScheduleFile(command.to, error)
        || !triggersAllowWriting(command.to, command.removeTriggers, error)) {
        sayError(error);
        return kExitFailure;
    }
    const QString file = QFileInfo(command.to).absoluteFilePath();
    DeviceLink link(command.timings);
    if (!openLink(link, command, JournalKind::Upload, file))
        return kExitFailure;

    const auto before = std::make_unique<WeeklySchedule>();
    before->copyFrom(*week);
    JournalOnce journal(command, *week, file);
    // A line error leaves one weekday and the upload goes on: only its end is journalled.
    const WeekdayReading reading = readWeekdays(link, command.days, *week, [&](const TransferOutcome &outcome) {
        if (outcome.end != TransferEnd::LineError)
            journal(outcome);
    });
    link.close();
    const std::vector<int> &stored = reading.stored;
    const std::vector<int> &lineErrors = reading.lineErrors;
    const bool completed = reading.completed;
    // Complete only when every weekday came.
    if (completed && lineErrors.empty())
        sayRaw(reading.completedText + QLatin1Char('\n'));

    if (!lineErrors.empty())
        sayError(kLineError + QStringLiteral(": ") + dayNames(lineErrors).join(QStringLiteral(", "))
                 + QStringLiteral(" kept as before"));
    if (stored.empty()) {
        sayError(QStringLiteral("no weekday received; %1 not written").arg(command.to));
        return kExitFailure;
    }
    keepDayProgramsOut(command, *week, *before, stored);
    if (!saveScheduleFile(command.to, *week, error, command.removeTriggers)) {
        sayError(error);
        return kExitFailure;
    }
    if (!completed)
        sayError(QStringLiteral("only %1 stored into %2").arg(dayNames(stored).join(QStringLiteral(", ")), command.to));
    return completed && lineErrors.empty() ? kExitOk : kExitFailure;
}

namespace {

// The Time Setting dialog's part, for a terminal: a weekday and time received are printed.
class CliClockHost : public ClockHost {
public:
    std::function<void(const QByteArray &)> write;
    std::function<void()> closed;
    std::function<void(int day, int hour, int minute, int second)> clockRead;
    std::function<void(ClockReplyFault fault, const QByteArray &reply)> unusable;

    void writeFrame(const QByteArray &frame) override { write(frame); }
    void closeDialog(Result) override { closed(); }
    void reportOutcome(const TransferOutcome &outcome, std::function<void()>) override
    {
        if (outcome.end == TransferEnd::LineError) {
            unusable(outcome.clockFault, outcome.reply);
        } else if (m_reading && outcome.clock) {
            // (What a send set, the command prints itself.)
            const int day = outcome.weekdayPosition ? dayForAutoSetupPosition(*outcome.weekdayPosition) : 0;
            clockRead(day, outcome.clock->hour, outcome.clock->minute, outcome.clock->second);
        }
    }
    // Outcomes while reading are readings; the one of a send is what was sent.
    void startReading() { m_reading = true; }

private:
    bool m_reading = false;
};

} // namespace

int runClock(const CliCommand &command)
{
    // Said before the device is asked: the advice holds whatever the device answers.
    if (const std::optional<OffsetChange> change =
            upcomingOffsetChange(QTimeZone::systemTimeZone(), QDateTime::currentDateTime())) {
        sayRaw(QString::fromStdString(summerTimeNotice(*change)) + QLatin1Char('\n'));
    }
    DeviceLink link(command.timings);
    // Only a setting is journalled, as in the program's Time Setting.
    if (!openLink(link, command, command.setClock ? std::optional(JournalKind::ClockSet) : std::nullopt))
        return kExitFailure;

    QEventLoop loop;
    int status = kExitFailure;
    CliClockHost host;
    host.write = [&](const QByteArray &frame) { link.write(frame); };
    host.closed = [&] { loop.quit(); };
    host.clockRead = [&](int day, int hour, int minute, int second) {
        const QString time = QStringLiteral("%1:%2:%3")
                                 .arg(hour, 2, 10, QLatin1Char('0'))
                                 .arg(minute, 2, 10, QLatin1Char('0'))
                                 .arg(second, 2, 10, QLatin1Char('0'));
        const QDateTime now = QDateTime::currentDateTime();
        const WeekTime device{isWeekday(day) ? day : 0, hour, minute, second};
        const std::string offset = clockOffsetLine(device, clockOffsetSeconds(device, WeekTime::fromLocal(now)));
        writeOut((isWeekday(day) ? dayName(day) + QLatin1Char(' ') + time : time).toLocal8Bit() + '\n'
                 + QByteArray::fromStdString(offset) + '\n');
        status = kExitOk;
        loop.quit();
    };
    // A reply that is no clock reply may be noise before the real one: it is only reported
    // when nothing better arrives. One that is, but gives no time, ends the wait.
    QByteArray unusableReply;
    host.unusable = [&](ClockReplyFault fault, const QByteArray &reply) {
        unusableReply = reply;
        if (fault == ClockReplyFault::NotAClockReply)
            return;
        sayError(QStringLiteral("the device's clock reply is unreadable: ") + bytesText(reply));
        loop.quit();
    };
    ClockSession session(host);
    link.onReceived = [&](const QByteArray &chunk) { session.received(chunk); };
    link.onLost = [&](const QString &reason) {
        sayError(kCommunicationError + QStringLiteral(": ") + reason);
        loop.quit();
    };

    if (command.setClock) {
        ClockSetting setting = command.setting;
        if (command.now) {
            const QDateTime now = QDateTime::currentDateTime();
            setting = {now.date().dayOfWeek(), now.time().hour(), now.time().minute(), now.time().second()};
        }
        session.send(autoSetupPositionForDay(setting.day), setting.hour, setting.minute, setting.second);
        // The frame must have left before the port closes, or closing would drop it.
        if (!link.drain()) {
            TransferRecord record;
            record.kind = JournalKind::ClockSet;
            record.port = command.port;
            record.weekdays = {setting.day};
            record.end = TransferEnd::PortFailed;
            cliRecord(command, record);
            sayError(kCommunicationError + QStringLiteral(": the set-clock frame did not leave the port"));
            return kExitFailure;
        }
        TransferRecord record;
        record.kind = JournalKind::ClockSet;
        record.port = command.port;
        record.weekdays = {setting.day};
        cliRecord(command, record);
        sayRaw(QStringLiteral("clock set to %1 %2:%3:%4\n")
                   .arg(dayName(setting.day))
                   .arg(setting.hour, 2, 10, QLatin1Char('0'))
                   .arg(setting.minute, 2, 10, QLatin1Char('0'))
                   .arg(setting.second, 2, 10, QLatin1Char('0')));
        return kExitOk;
    }

    QTimer timeout;
    timeout.setSingleShot(true);
    QObject::connect(&timeout, &QTimer::timeout, &loop, [&] {
        if (unusableReply.isNull())
            sayError(kNoResponse);
        else
            sayError(QStringLiteral("the device answered with no clock reply: ") + bytesText(unusableReply));
        loop.quit();
    });
    // A clock request gets its answer within milliseconds; a device silent this long is not there.
    timeout.start(link.timings().clockReplyTimeoutMs);
    host.startReading();
    session.receive();
    loop.exec();
    return status;
}
