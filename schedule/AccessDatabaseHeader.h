#pragma once

#include <QString>

// The original Windows program kept its schedules in Access databases (Jet, or ACE for the
// newer format). This program cannot read them, but it knows one when it sees one, so the
// operator is told what the file is rather than that it is no schedule at all.
//
// True when the file at path starts as such a database does: "Standard Jet DB" or
// "Standard ACE DB" from byte 4 of its header.
bool isAccessDatabase(const QString &path);
