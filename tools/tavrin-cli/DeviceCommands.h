#pragma once

struct CliCommand;

// The commands that talk to the device; each runs its exchange in the event loop and
// returns the exit status.
int runDownload(const CliCommand &command);
int runUpload(const CliCommand &command);
int runClock(const CliCommand &command);
