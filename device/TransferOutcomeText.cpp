#include "device/TransferOutcomeText.h"

#include "device/WeekdayText.h"
#include "schedule/Weekday.h"

#include <QCoreApplication>

QString transferOutcomeText(const TransferOutcome &outcome)
{
    const bool upload = outcome.exchange == TransferExchange::Upload;
    switch (outcome.end) {
    case TransferEnd::Completed:
        if (outcome.exchange == TransferExchange::Clock)
            return {};
        return upload ? QCoreApplication::translate("TransferOutcome", "Uploading complete")
                      : QCoreApplication::translate("TransferOutcome", "Downloading complete");
    case TransferEnd::Refused:
        return QStringLiteral("..");
    case TransferEnd::NoResponse:
        return upload ? QCoreApplication::translate("TransferOutcome", "Communication error")
                      : QCoreApplication::translate("TransferOutcome", "Make no Response");
    case TransferEnd::LineError:
        return outcome.exchange == TransferExchange::Clock
            ? QString()
            : QCoreApplication::translate("TransferOutcome", "Line Error");
    case TransferEnd::Cancelled:
        return {};
    case TransferEnd::PortFailed:
        return QCoreApplication::translate("TransferOutcome", "Serial Port Open Fail");
    }
    return {};
}

QString transferOutcomeDetail(const TransferOutcome &outcome)
{
    if (outcome.end == TransferEnd::Completed && !outcome.lineErrorDays.empty())
        return QCoreApplication::translate("TransferOutcome", "Not taken (Line Error): %1.")
            .arg(weekdayListText(outcome.lineErrorDays));
    if (outcome.end == TransferEnd::Refused && outcome.refusedCode != 0) {
        const int day = dayForDayCode(outcome.refusedCode);
        // ALL Clear sends under codes, not weekdays.
        if (outcome.allClear || day == 0)
            return QCoreApplication::translate("TransferOutcome",
                                               "The device refused the blank image under code %1: it keeps what "
                                               "it held there, and the codes after it were not cleared.")
                .arg(QLatin1Char(outcome.refusedCode));
        return QCoreApplication::translate("TransferOutcome",
                                           "The device refused %1: it keeps the schedule it held for that "
                                           "weekday, and the weekdays after it were not sent.")
            .arg(weekdayText(day));
    }
    return {};
}

OutcomeMessage transferOutcomeMessage(const TransferOutcome &outcome)
{
    OutcomeMessage message;
    message.text = transferOutcomeText(outcome);
    const QString detail = transferOutcomeDetail(outcome);
    if (!message.text.isEmpty() && !detail.isEmpty())
        message.text += QStringLiteral("\n\n") + detail;
    if (outcome.end == TransferEnd::Completed && outcome.exchange != TransferExchange::Clock) {
        message.caption = QStringLiteral("Tavrin");
        message.icon = detail.isEmpty() ? OutcomeMessage::Icon::Information : OutcomeMessage::Icon::Warning;
    } else if (outcome.end == TransferEnd::Refused) {
        message.caption = QCoreApplication::translate("TransferOutcome", "Refused by the device");
        message.icon = OutcomeMessage::Icon::Warning;
    }
    return message;
}

QString dayBoxName(const QString &caption, DayBoxState state, TransferExchange exchange)
{
    switch (state) {
    case DayBoxState::Normal:
        break;
    case DayBoxState::Waiting:
        return QCoreApplication::translate("TransferOutcome", "%1, waiting").arg(caption);
    case DayBoxState::Transferred:
        return exchange == TransferExchange::Upload
            ? QCoreApplication::translate("TransferOutcome", "%1, received").arg(caption)
            : QCoreApplication::translate("TransferOutcome", "%1, sent").arg(caption);
    }
    return caption;
}
