#pragma once

#include <QString>

// The text of "tavrin-cli --help".
QString cliOverviewHelp();

// The text of "tavrin-cli COMMAND --help"; empty for an unknown command.
QString cliHelp(const QString &verb);
