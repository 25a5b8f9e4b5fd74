#pragma once

#include "calendar/IcsReading.h"

#include <QString>

// Why a calendar file was refused, in a sentence naming the file.
QString icsRefusalText(IcsRefusal refusal, const QString &file);
