#pragma once

#include "journal/JournalEntry.h"

#include <QString>

struct CliCommand;
struct TransferRecord;

// The journal the command records in and reads: --journal, else the usual one.
QString cliJournalPath(const CliCommand &command);

// Records an exchange; a journal that cannot be written only says so on stderr.
void cliRecord(const CliCommand &command, const TransferRecord &record);

// "2026-10-24T21:05:00 download /dev/ttyUSB0 completed Mon,Tue 3f1a09c2,77b0e4d1 offset=-133s"
QString journalLine(const JournalEntry &entry);

// tavrin-cli journal: the entries, newest first.
int runJournal(const CliCommand &command);
