#include "JournalCommand.h"

#include "CliCommand.h"
#include "CliOutput.h"
#include "device/TransferRecorder.h"
#include "journal/TransferJournal.h"
#include "schedule/Weekday.h"

#include <QStringList>

#include <mutex>

namespace {

constexpr int kShortSha = 8;

// "-" stands for an empty field, so the columns stay countable.
QString orDash(const QStringList &parts)
{
    return parts.isEmpty() ? QStringLiteral("-") : parts.join(QLatin1Char(','));
}

} // namespace

QString cliJournalPath(const CliCommand &command)
{
    return command.journal.isEmpty() ? defaultJournalPath() : command.journal;
}

void cliRecord(const CliCommand &command, const TransferRecord &record)
{
    // A site's devices end at once: one writer at a time.
    static std::mutex writing;
    const std::lock_guard lock(writing);
    if (const std::optional<QString> warning = recordTransfer(cliJournalPath(command), record))
        sayError(*warning);
}

QString journalLine(const JournalEntry &entry)
{
    QStringList days, shas;
    for (int day : entry.weekdays)
        days << QString::fromLatin1(weekdayName(day).substr(0, 3).data(), 3);
    for (const JournalImage &image : entry.images)
        shas << QString::fromLatin1(image.sha256.left(kShortSha));
    QString line = entry.when.toString(Qt::ISODate) + QLatin1Char(' ') + journalKindName(entry.kind) + QLatin1Char(' ')
        + (entry.port.isEmpty() ? QStringLiteral("-") : entry.port) + QLatin1Char(' ')
        + journalOutcomeName(entry.outcome) + QLatin1Char(' ') + orDash(days) + QLatin1Char(' ') + orDash(shas);
    if (entry.clockOffsetSeconds)
        line += QStringLiteral(" offset=%1%2s")
                    .arg(*entry.clockOffsetSeconds >= 0 ? QStringLiteral("+") : QString())
                    .arg(*entry.clockOffsetSeconds);
    return line;
}

int runJournal(const CliCommand &command)
{
    TransferJournal journal(cliJournalPath(command));
    JournalQuery query;
    if (!command.port.isEmpty())
        query.port = command.port;
    query.last = command.last;
    const JournalRead read = journal.entries(query);
    if (read.error) {
        sayError(QStringLiteral("the journal %1 cannot be read: %2").arg(journal.path(), read.error->cause));
        return kExitFailure;
    }
    QByteArray out;
    for (const JournalEntry &entry : read.entries)
        out += journalLine(entry).toLocal8Bit() + '\n';
    writeOut(out);
    return kExitOk;
}
