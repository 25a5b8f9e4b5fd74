#include "device/TransferOutcomeText.h"

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

OutcomeMessage transferOutcomeMessage(const TransferOutcome &outcome)
{
    const bool news = outcome.end == TransferEnd::Completed && outcome.exchange != TransferExchange::Clock;
    return {transferOutcomeText(outcome), news ? QStringLiteral("Tavrin") : QString(), news};
}
