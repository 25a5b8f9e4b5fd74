#pragma once

#include "journal/TransferJournal.h"

#include <QString>

#include <optional>
#include <vector>

// The journal entries of one port, newest first with their images, as far back as it takes to
// know what the device holds: the newest few tell most weekdays, and the port's whole history is
// read only when they do not (every evening's sync would otherwise load thousands of images).
struct PortHistory {
    std::vector<JournalEntry> entries;
    std::optional<JournalError> error; // nothing was read
};

PortHistory readPortHistory(TransferJournal &journal, const QString &port);
