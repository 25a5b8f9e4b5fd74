#pragma once

#include "device/DeviceEmulator.h"

#include <string>
#include <vector>

// The simulator's memory across runs, a small text file:
//     tavrin-sim state 1
//     clock-offset <seconds the device's clock runs ahead of the computer's, within a week>
//     A <the 5760 image bytes, printable as they are>
//     ... one line for each code A to H
// localWeekSeconds is the computer's local time as seconds since Sunday 00:00:00.

// Loads what the file holds into the emulator. A missing file loads nothing and is no
// problem; lines that make no sense are skipped and reported in problems.
void loadSimState(const std::string &path, DeviceEmulator &emulator, int64_t localWeekSeconds,
                  std::vector<std::string> &problems);

// Writes the file afresh (through a temporary file, so a crash leaves the old one).
// Returns an empty string or what went wrong.
std::string saveSimState(const std::string &path, const DeviceEmulator &emulator, int64_t localWeekSeconds);
