#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

struct sqlite3;

// Makes the journal's tables in a new file, or brings a file of an older version to this one,
// and compacts a file that cannot yet give space back. Nothing when the file is ready; else why.
std::optional<QString> prepareJournalSchema(sqlite3 *db);

// The row of image_data holding these bytes, added (compressed) when no entry had them yet;
// nothing when it could not be written. Within the caller's transaction.
std::optional<qint64> storeJournalImage(sqlite3 *db, const QByteArray &image, const QByteArray &sha256Hex);

// The image bytes of a row of image_data as stored; empty when they cannot be read back.
QByteArray journalImageBytes(const QByteArray &stored);
