#pragma once

#include <QString>

// Where the template "default.mdb" is looked for: beside the program first (a build tree, a
// copy carried on a stick), then the data folder the program was installed with.
QString defaultTemplateDirectory(const QString &programDirectory);

// The installed data folder (…/share/tavrin) as seen from a program in `programDirectory`, so an
// installed tree still works when it is moved to another prefix.
QString installedDataDirectory(const QString &programDirectory);
