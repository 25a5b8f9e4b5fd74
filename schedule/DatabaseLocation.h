#pragma once

#include <QString>

// Where the open schedule database lies: its folder and its bare file name, kept apart.
// Paths are held with '/' separators (Qt's form on every platform).
struct DatabaseLocation {
    QString directory; // no trailing separator; empty for the root folder
    QString fileName; // with extension, no folder

    // Splits a path at its last separator ('/', and '\' where that is the native one).
    // A relative path is first taken relative to the current folder.
    static DatabaseLocation fromPath(const QString &path);

    // The two halves joined again.
    QString path() const;

    bool isEmpty() const { return directory.isEmpty() && fileName.isEmpty(); }
    bool operator==(const DatabaseLocation &) const = default;
};
