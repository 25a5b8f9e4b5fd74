#include "plan/PortHistory.h"

#include "plan/DeviceHoldings.h"
#include "schedule/Weekday.h"

namespace {
constexpr int kRecentEntries = 64;
}

PortHistory readPortHistory(TransferJournal &journal, const QString &port)
{
    JournalQuery query;
    query.port = port;
    query.withImages = true;
    query.last = kRecentEntries;
    JournalRead read = journal.entries(query);
    if (!read.error && int(read.entries.size()) == kRecentEntries) {
        const DeviceHoldings recent = DeviceHoldings::fromJournal(read.entries);
        bool allKnown = true;
        for (int d = kMonday; d <= kSunday; ++d)
            allKnown = allKnown && recent.image(d).has_value();
        if (!allKnown) {
            query.last = 0;
            read = journal.entries(query);
        }
    }
    if (read.error)
        return {{}, read.error};
    return {std::move(read.entries), std::nullopt};
}
