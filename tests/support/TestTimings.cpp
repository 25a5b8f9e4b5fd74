#include "support/TestTimings.h"

#include <QtGlobal>

int testSpeedup()
{
    bool ok = false;
    const int given = qEnvironmentVariableIntValue("TAVRIN_TEST_SPEEDUP", &ok);
    return ok && given >= 1 ? given : 20;
}

ProtocolTimings testTimings()
{
    return ProtocolTimings{}.fasterBy(testSpeedup());
}

QString testSpeedupOption()
{
    return QStringLiteral("--test-speedup=%1").arg(testSpeedup());
}
