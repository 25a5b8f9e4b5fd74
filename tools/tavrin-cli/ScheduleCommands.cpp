#include "ScheduleCommands.h"

#include "CliCommand.h"
#include "CliOutput.h"
#include "device/DayImage.h"
#include "schedule/ScheduleCsv.h"
#include "schedule/WeeklySchedule.h"
#include "ScheduleFileAccess.h"

#include <QFile>

#include <cstdio>
#include <memory>

namespace {

constexpr qint64 kCsvSizeLimit = qint64(kScheduleCsvSizeLimit);

bool readCsvText(const QString &path, QByteArray &text, QString &error)
{
    QFile file(path);
    const bool opened =
        path == QLatin1String("-") ? file.open(stdin, QIODevice::ReadOnly) : file.open(QIODevice::ReadOnly);
    if (!opened) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    // A pipe gives its bytes in pieces: read on to the end or just past the limit.
    text.clear();
    while (text.size() <= kCsvSizeLimit) {
        const QByteArray piece = file.read(kCsvSizeLimit + 1 - text.size());
        if (piece.isEmpty())
            break;
        text += piece;
    }
    if (text.size() > kCsvSizeLimit) {
        error = QStringLiteral("%1: larger than %2 MB, far more than a week's schedule")
                    .arg(path)
                    .arg(kCsvSizeLimit / (1024 * 1024));
        return false;
    }
    if (file.error() != QFileDevice::NoError) {
        error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

int loadOrFail(const QString &path, WeeklySchedule &week)
{
    QString error;
    if (!loadScheduleFile(path, week, error)) {
        sayError(error);
        return kExitFailure;
    }
    return kExitOk;
}

int outputOrFail(bool written)
{
    if (written)
        return kExitOk;
    sayError(QStringLiteral("cannot write to standard output"));
    return kExitFailure;
}

QByteArray hexLines(const uint8_t *bytes, size_t size)
{
    constexpr size_t kPerLine = 64;
    QByteArray text;
    for (size_t start = 0; start < size; start += kPerLine) {
        const size_t n = std::min(kPerLine, size - start);
        text += QByteArray(reinterpret_cast<const char *>(bytes + start), qsizetype(n)).toHex();
        text += '\n';
    }
    return text;
}

} // namespace

int runShow(const CliCommand &command)
{
    auto week = std::make_unique<WeeklySchedule>();
    if (const int status = loadOrFail(command.file, *week))
        return status;
    std::vector<ScheduleCsvError> problems;
    const std::string text = scheduleCsv(*week, command.day, problems);
    for (const ScheduleCsvError &problem : problems)
        sayRaw(QStringLiteral("%1: CSV line %2: %3\n")
                   .arg(command.file)
                   .arg(problem.line)
                   .arg(QString::fromStdString(problem.message)));
    return outputOrFail(writeOut(text));
}

int runImport(const CliCommand &command)
{
    QByteArray text;
    QString error;
    if (!readCsvText(command.file, text, error)) {
        sayError(error + QStringLiteral("; nothing written to ") + command.to);
        return kExitFailure;
    }

    auto week = std::make_unique<WeeklySchedule>();
    std::vector<ScheduleCsvError> errors;
    if (!readScheduleCsv(std::string_view(text.constData(), size_t(text.size())), *week, errors)) {
        const QString name = command.file == QLatin1String("-") ? QStringLiteral("<stdin>") : command.file;
        for (const ScheduleCsvError &e : errors)
            sayRaw(e.line > 0
                       ? QStringLiteral("%1:%2: %3\n").arg(name).arg(e.line).arg(QString::fromStdString(e.message))
                       : QStringLiteral("%1: %2\n").arg(name, QString::fromStdString(e.message)));
        sayError(QStringLiteral("%1 is not read; nothing written to %2").arg(name, command.to));
        return kExitFailure;
    }

    if (!saveScheduleFile(command.to, *week, error, command.removeTriggers)) {
        sayError(error);
        return kExitFailure;
    }
    return kExitOk;
}

int runImage(const CliCommand &command)
{
    auto week = std::make_unique<WeeklySchedule>();
    if (const int status = loadOrFail(command.file, *week))
        return status;
    DayImage image;
    image.Encode(week->day(command.day));
    const auto &bytes = image.bytes();
    if (command.hex)
        return outputOrFail(writeOut(hexLines(bytes.data(), bytes.size())));
    return outputOrFail(writeOut(QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()))));
}
