#pragma once

#include "device/ProtocolTimings.h"

#include <QString>

// The protocol's waits for tests that are not about the device's pace: twenty times shorter, or
// as many times as TAVRIN_TEST_SPEEDUP says (1 runs them at the device's own pace). Nothing
// but this hook reads that variable; the programs under test get the same waits from it.
int testSpeedup();
ProtocolTimings testTimings();
// tavrin-cli's hidden option that gives it these waits.
QString testSpeedupOption();
