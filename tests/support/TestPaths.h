#pragma once

#include <QString>

// Where the build put the program, the tools and the template database.
QString binDir();
QString binPath(const QString &name);
