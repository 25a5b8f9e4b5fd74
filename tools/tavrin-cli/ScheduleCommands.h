#pragma once

struct CliCommand;

// The commands that work on schedule files only. Each returns the exit status.
int runShow(const CliCommand &command);
int runImport(const CliCommand &command);
int runImage(const CliCommand &command);
