#pragma once

#include <QString>
#include <vector>

// Whether this user may open a serial device file at all, from the file's owner, group and
// mode and the user's own ids: on Linux the ports belong to a group (dialout) the user must join.
struct PortAccessFacts {
    unsigned fileOwner = 0;
    unsigned fileGroup = 0;
    unsigned mode = 0; // permission bits
    unsigned user = 0;
    std::vector<unsigned> groups; // the user's groups, the primary one among them
};

bool mayReadAndWrite(const PortAccessFacts &facts);

// The facts of a device file for the running user; false when there is no such file (or the
// system has no such notion of permissions).
bool readPortAccessFacts(const QString &deviceFile, PortAccessFacts &facts);

// The advice for a port that exists but this user may not open, naming its group; empty when
// the port is missing or may be opened (then the reason lies elsewhere).
QString portPermissionHint(const QString &portName);
