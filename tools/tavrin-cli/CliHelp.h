#pragma once

#include <QString>

// "tavrin-cli 1.1", the answer to "tavrin-cli --version".
QString cliVersionText();

// The text of "tavrin-cli --help".
QString cliOverviewHelp();

// The text of "tavrin-cli COMMAND --help"; empty for an unknown command.
QString cliHelp(const QString &verb);
