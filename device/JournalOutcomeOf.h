#pragma once

#include "device/TransferOutcome.h"
#include "journal/JournalEntry.h"

// How a device exchange's end is journalled: one for one.
constexpr JournalOutcome journalOutcomeOf(TransferEnd end)
{
    switch (end) {
    case TransferEnd::Completed:
        return JournalOutcome::Completed;
    case TransferEnd::Refused:
        return JournalOutcome::Refused;
    case TransferEnd::NoResponse:
        return JournalOutcome::NoResponse;
    case TransferEnd::LineError:
        return JournalOutcome::LineError;
    case TransferEnd::Cancelled:
        return JournalOutcome::Cancelled;
    case TransferEnd::PortFailed:
        return JournalOutcome::PortFailed;
    }
    return JournalOutcome::Completed;
}
