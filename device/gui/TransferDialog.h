#pragma once

#include "device/CComm.h"
#include "device/MessageQueue.h"
#include "device/SerialReceiver.h"
#include "device/TransferHost.h"
#include "device/TransferOutcomeText.h"
#include "device/TransferRecorder.h"

#include <QDialog>
#include <QList>
#include <QTimer>

class CHoverBitmapButton;
class WeeklySchedule;
class QProgressBar;
class QPushButton;

// The window shared by Download and Upload: the picture check boxes in "Select the Day", a
// vertical progress bar in "Status", the action button and "Cancel" side by side below. It
// carries out what its session asks (TransferHost) and hands the session the operator's
// clicks, the two timers' ticks and the port's chunks. The port is opened when the window is
// built and closed when it goes. Its message boxes come up one at a time, in the order they
// were asked for, while the exchange goes on behind them.
class TransferDialog : public QDialog, public TransferHost, public DayBoxes, public SerialReceiver {
    Q_OBJECT
public:
    ~TransferDialog() override;

    QString portName() const { return m_comm.portName(); }
    // The schedule file the journal names; empty when none is open.
    void setScheduleFile(const QString &file) { m_scheduleFile = file; }
    // Journals the exchange as another kind (a comparison reads through the Upload dialog).
    void journalAs(JournalKind kind) { m_journalKind = kind; }
    // The schedule each weekday sent carries, for the journal, when some are day programs.
    void setCarriedSchedules(const CarriedSchedules &carried) { m_carried = carried; }
    bool isPortOpen() const { return m_comm.isConnected(); }

    // For tests and the surrounding program: the boxes (1-based, in their table order), the
    // progress bar and the two buttons.
    CHoverBitmapButton *box(int number) const;
    QProgressBar *progressBar() const { return m_progress; }
    QPushButton *actionButton() const { return m_action; }
    QPushButton *cancelButton() const { return m_cancel; }
    bool isTimerActive(int id) const;
    // Message boxes asked for and waiting for the open one to close.
    size_t waitingMessages() const { return m_messages.waiting(); }

    // TransferHost
    void writeFrame(const QByteArray &frame) override;
    void closeDialog(Result result) override;
    void setTimer(int id, int intervalMs) override;
    void killTimer(int id) override;
    void setProgressRange(int low, int high) override;
    void setProgress(int position) override;
    void reportOutcome(const TransferOutcome &outcome, std::function<void()> onAcknowledged) override;

    // DayBoxes
    void setBoxChecked(int box, bool checked) override;
    void setBoxEnabled(int box, bool enabled) override;
    void setBoxState(int box, DayBoxState state) override;

    // SerialReceiver
    void serialReceived(const uint8_t *data, size_t size) override;
    void serialFailed(const QString &reason) override;

    // Escape and the close button act as "Cancel".
    void reject() override;

signals:
    // The journal could not be written; the transfer went on.
    void journalWarning(const QString &line);

protected:
    TransferDialog(QWidget *parent, const QString &caption, const QStringList &boxTexts, const QString &actionText,
                   const QString &portName);

    // Opens the port; run by the subclass once its session exists. A port behind a network
    // address may take connectTimeoutMs to connect.
    void openPort(int connectTimeoutMs);

    // The exchange the dialog carries out, for the journal.
    virtual TransferExchange exchange() const = 0;
    // The action button would start a transfer now (something is ticked, nothing started).
    virtual bool readyToStart() const = 0;
    virtual void boxClicked(int box, bool checked) = 0;
    virtual void actionClicked() = 0;
    virtual void cancelClicked() = 0;
    virtual void timerTick(int id) = 0;
    virtual void chunkReceived(const QByteArray &chunk) = 0;
    virtual void portLost() = 0;
    // The week the journal takes the weekdays' images from.
    virtual const WeeklySchedule &journalWeek() const = 0;

private:
    struct Message {
        QString text;
        QString caption;
        OutcomeMessage::Icon icon = OutcomeMessage::Icon::None;
        std::function<void()> onClosed;
    };

    QTimer *timer(int id) const;
    void actionPressed();
    void journal(const TransferOutcome &outcome);
    void record(const TransferOutcome &outcome);
    QString portFailText() const;
    // Why the port went away in the middle of an exchange, for the message that ends it.
    QString m_lostReason;
    // Opens the box now, or once the boxes before it are closed.
    void showMessage(Message message);
    void openMessage(Message message);

    CComm m_comm;
    QList<CHoverBitmapButton *> m_boxes;
    QProgressBar *m_progress = nullptr;
    QPushButton *m_action = nullptr;
    QPushButton *m_cancel = nullptr;
    QTimer *m_replyTimer = nullptr;
    QTimer *m_progressTimer = nullptr;
    MessageQueue<Message> m_messages;
    QString m_scheduleFile;
    bool m_journalled = false;
    std::optional<JournalKind> m_journalKind;
    std::optional<CarriedSchedules> m_carried;
    bool m_closing = false;
    bool m_destroying = false;
};
