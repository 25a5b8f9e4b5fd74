#pragma once

#include <QByteArray>
#include <QString>

#include <string>

// Standard output carries data only (CSV, image bytes, the clock); everything said to the
// operator goes to standard error.

// Makes standard output binary where the platform would translate line ends.
void setBinaryStandardOutput();

// False when the bytes could not be written (a full disk, a closed pipe).
bool writeOut(const QByteArray &bytes);
bool writeOut(const std::string &bytes);

// "tavrin-cli: <text>" on a line of its own.
void sayError(const QString &text);
// The text as it is, on standard error.
void sayRaw(const QString &text);

// While a site's devices run at once, each on its own thread: every line that thread writes
// (to either stream) starts with "NAME: ", and its errors drop the "tavrin-cli: " before them.
// Lines from different threads never mix.
void setDeviceLinePrefix(const QString &name);

// True when standard error is a terminal (progress bars then redraw in place).
bool errorIsTerminal();
