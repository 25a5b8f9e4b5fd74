#pragma once

struct CliCommand;

// calendar FILE list | add | remove N | import ICS: the calendar's entries, changed through
// the document as the calendar window changes them, and the file saved.
int runCalendar(const CliCommand &command);
