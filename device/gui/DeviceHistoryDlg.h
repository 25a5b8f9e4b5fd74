#pragma once

#include "journal/JournalEntry.h"
#include "schedule/SoundNames.h"

#include <QDialog>

#include <vector>

class QComboBox;
class QPushButton;
class QTableWidget;

// "Device History": the journal of transfers, newest first, filterable by port. For a past
// Download the lower tables show the week as it was sent (each weekday's image, and the events
// of the chosen one in the comparison's words, each sound with the name names gives it), and "Send Again" opens the Download dialog on
// the current port with those images, their weekdays ticked; the history then shows the send.
class DeviceHistoryDlg : public QDialog {
    Q_OBJECT
public:
    DeviceHistoryDlg(QWidget *parent, const QString &journalPath, const QString &portName,
                     const SoundNames &names = SoundNames());

    QComboBox *portFilter() const { return m_ports; }
    QTableWidget *entryTable() const { return m_entries; }
    QTableWidget *weekTable() const { return m_week; }
    QTableWidget *eventTable() const { return m_events; }
    QPushButton *sendAgainButton() const { return m_sendAgain; }

signals:
    void journalWarning(const QString &line);

private:
    void load();
    void showEntries();
    void showWeek();
    void showEvents();
    void sendAgain();
    const JournalEntry *selectedEntry() const;

    QString m_journalPath;
    QString m_portName;
    SoundNames m_names;
    std::vector<JournalEntry> m_all; // newest first, with their images
    std::vector<const JournalEntry *> m_shown;
    QComboBox *m_ports = nullptr;
    QTableWidget *m_entries = nullptr;
    QTableWidget *m_week = nullptr;
    QTableWidget *m_events = nullptr;
    QPushButton *m_sendAgain = nullptr;
};
