#pragma once

#include "journal/JournalEntry.h"

#include <QString>

#include <optional>
#include <vector>

struct sqlite3;

// Why the journal could not be used; the shell turns it into a one-line warning.
struct JournalError {
    QString cause;
};

struct JournalQuery {
    std::optional<QString> port; // only this port
    int last = 0; // at most this many, newest first; 0: all
    bool withImages = false; // the image bytes too, not only their weekdays and SHA-256
};

struct JournalRead {
    std::vector<JournalEntry> entries; // newest first
    std::optional<JournalError> error;
};

struct JournalLookup {
    std::optional<JournalEntry> entry;
    std::optional<JournalError> error;
};

// The record of every exchange with the device, in its own SQLite file. Nothing here throws or
// blocks the caller for long: a journal that cannot be opened or written answers with an error
// and is tried again at the next call. A damaged file is left as it is, never overwritten.
class TransferJournal {
public:
    static constexpr int kMaxEntries = 2000;
    static constexpr int kMaxAgeYears = 2;

    // Opens nothing yet; the file and its folder are made at the first call.
    explicit TransferJournal(QString path);
    ~TransferJournal();
    TransferJournal(const TransferJournal &) = delete;
    TransferJournal &operator=(const TransferJournal &) = delete;

    const QString &path() const { return m_path; }

    // Writes the entry with the SHA-256 of each image, then drops, in the order entries were
    // written, whatever lies beyond the newest kMaxEntries or kMaxAgeYears before the newest
    // entries. Each distinct image is kept once.
    std::optional<JournalError> record(const JournalEntry &entry);

    // In the order they were written, whatever their time stamps say.
    JournalRead entries(const JournalQuery &query = {});

    // What this port was last sent in full: the newest completed Download on it, with its images.
    JournalLookup lastCompletedDownload(const QString &port);

private:
    std::optional<JournalError> ensureOpen();
    std::optional<JournalError> failure(const QString &what);
    std::optional<bool> trim(); // whether anything went; nothing on failure
    void loadImages(JournalEntry &entry, bool withBytes);

    QString m_path;
    sqlite3 *m_db = nullptr;
};
