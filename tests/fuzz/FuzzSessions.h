#pragma once

#include <fuzzer/FuzzedDataProvider.h>

// Runs one Download, Upload or clock exchange that the input drives.
void fuzzSessions(FuzzedDataProvider &in);
