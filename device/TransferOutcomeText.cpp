#include "device/TransferOutcomeText.h"

QString transferOutcomeText(const TransferOutcome &outcome)
{
    const bool upload = outcome.exchange == TransferExchange::Upload;
    switch (outcome.end) {
    case TransferEnd::Completed:
        if (outcome.exchange == TransferExchange::Clock)
            return {};
        return upload ? QStringLiteral("Uploading complete") : QStringLiteral("Downloading complete");
    case TransferEnd::Refused:
        return QStringLiteral("..");
    case TransferEnd::NoResponse:
        return upload ? QStringLiteral("Communication error") : QStringLiteral("Make no Response");
    case TransferEnd::LineError:
        return outcome.exchange == TransferExchange::Clock ? QString() : QStringLiteral("Line Error");
    case TransferEnd::Cancelled:
        return {};
    case TransferEnd::PortFailed:
        return QStringLiteral("Serial Port Open Fail");
    }
    return {};
}

OutcomeMessage transferOutcomeMessage(const TransferOutcome &outcome)
{
    const bool news = outcome.end == TransferEnd::Completed && outcome.exchange != TransferExchange::Clock;
    return {transferOutcomeText(outcome), news ? QStringLiteral("Tavrin") : QString(), news};
}
