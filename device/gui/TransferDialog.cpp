#include "device/gui/TransferDialog.h"

#include "device/gui/DayBoxPictures.h"
#include "device/gui/DeviceMessage.h"
#include "device/TransferOutcomeText.h"
#include "ui/gui/CHoverBitmapButton.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

TransferDialog::TransferDialog(QWidget *parent, const QString &caption, const QStringList &boxTexts,
                               const QString &actionText, const QString &portName)
    : QDialog(parent)
{
    setWindowTitle(caption);
    setModal(true);

    auto *days = new QGroupBox(tr("Select the Day"), this);
    auto *dayLayout = new QVBoxLayout(days);
    dayLayout->setSpacing(2);
    for (int i = 0; i < boxTexts.size(); ++i) {
        auto *b = new CHoverBitmapButton(boxTexts[i], CHoverBitmapButton::Kind::CheckBox, days);
        b->setMinimumSize(120, 32);
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        const int number = i + 1;
        connect(b, &QAbstractButton::clicked, this, [this, b, number] { boxClicked(number, b->isChecked()); });
        dayLayout->addWidget(b);
        m_boxes << b;
    }

    auto *status = new QGroupBox(tr("Status"), this);
    auto *statusLayout = new QVBoxLayout(status);
    m_progress = new QProgressBar(status);
    m_progress->setOrientation(Qt::Vertical);
    m_progress->setTextVisible(false);
    m_progress->setMinimumWidth(24);
    statusLayout->addWidget(m_progress, 0, Qt::AlignHCenter);

    auto *top = new QHBoxLayout;
    top->addWidget(days, 1);
    top->addWidget(status);

    m_action = new QPushButton(actionText, this);
    m_action->setDefault(true);
    m_cancel = new QPushButton(tr("Cancel"), this);
    connect(m_action, &QPushButton::clicked, this, [this] { actionPressed(); });
    connect(m_cancel, &QPushButton::clicked, this, [this] { cancelClicked(); });
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_action);
    buttons->addWidget(m_cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    m_replyTimer = new QTimer(this);
    m_progressTimer = new QTimer(this);
    // The reply watch paces the whole transfer (one weekday every seventh tick): a coarse
    // timer's 5% slack would show in every weekday.
    m_replyTimer->setTimerType(Qt::PreciseTimer);
    connect(m_replyTimer, &QTimer::timeout, this, [this] { timerTick(kReplyTimer); });
    connect(m_progressTimer, &QTimer::timeout, this, [this] { timerTick(kProgressTimer); });

    m_comm.setPortName(portName);
    m_comm.ConfigureForDevice();
}

TransferDialog::~TransferDialog()
{
    // Message boxes still open belong to this window; their answers must not reach a session
    // that is already gone.
    m_destroying = true;
    for (QMessageBox *box : findChildren<QMessageBox *>())
        box->disconnect(this);
    m_replyTimer->stop();
    m_progressTimer->stop();
    m_comm.Shutdown();
}

void TransferDialog::openPort(int connectTimeoutMs)
{
    m_comm.setConnectTimeout(connectTimeoutMs);
    if (m_comm.OpenIfClosed(this))
        return;
    // Shown once the dialog is up; the dialog stays.
    const QString text = portFailText();
    QTimer::singleShot(0, this, [this, text] { showMessage({text, {}, OutcomeMessage::Icon::None, {}}); });
}

QString TransferDialog::portFailText() const
{
    return portOpenFailText(m_comm.openFailure(), m_comm.portName());
}

void TransferDialog::actionPressed()
{
    // A port that did not open carries nothing: rather than send into it and wait for the
    // silence, try it once more and, when it still fails, say so at once.
    if (!m_comm.isConnected() && readyToStart() && !m_comm.OpenIfClosed(this)) {
        TransferOutcome failed;
        failed.exchange = exchange();
        failed.end = TransferEnd::PortFailed;
        record(failed);
        showMessage({portFailText(), {}, OutcomeMessage::Icon::None, {}});
        return;
    }
    actionClicked();
}

CHoverBitmapButton *TransferDialog::box(int number) const
{
    return number >= 1 && number <= m_boxes.size() ? m_boxes[number - 1] : nullptr;
}

QTimer *TransferDialog::timer(int id) const
{
    return id == kReplyTimer ? m_replyTimer : id == kProgressTimer ? m_progressTimer : nullptr;
}

bool TransferDialog::isTimerActive(int id) const
{
    QTimer *t = timer(id);
    return t && t->isActive();
}

void TransferDialog::writeFrame(const QByteArray &frame)
{
    // A port that never opened takes nothing; the reply watch then reports the silence.
    m_comm.Write(reinterpret_cast<const uint8_t *>(frame.constData()), size_t(frame.size()));
}

void TransferDialog::closeDialog(Result result)
{
    m_closing = true;
    m_replyTimer->stop();
    m_progressTimer->stop();
    QDialog::done(result == Result::Ok ? QDialog::Accepted : QDialog::Rejected);
}

void TransferDialog::setTimer(int id, int intervalMs)
{
    if (QTimer *t = timer(id); t && !m_closing)
        t->start(intervalMs);
}

void TransferDialog::killTimer(int id)
{
    if (QTimer *t = timer(id))
        t->stop();
}

void TransferDialog::setProgressRange(int low, int high)
{
    m_progress->setRange(low, high);
}

void TransferDialog::setProgress(int position)
{
    m_progress->setValue(position);
}

void TransferDialog::setBoxChecked(int number, bool checked)
{
    if (CHoverBitmapButton *b = box(number))
        b->setChecked(checked);
}

void TransferDialog::setBoxEnabled(int number, bool enabled)
{
    if (CHoverBitmapButton *b = box(number))
        b->setEnabled(enabled);
}

void TransferDialog::setBoxState(int number, DayBoxState state)
{
    const DayBoxPictures pictures = dayBoxPictures(state);
    if (CHoverBitmapButton *b = box(number)) {
        b->SetBitmaps(pictures.normal, pictures.selected, pictures.hover);
        // a box not yet under way is read by its caption, whatever the caption says by then
        b->setAccessibleName(state == DayBoxState::Normal ? QString()
                                                          : dayBoxName(b->text().trimmed(), state, exchange()));
    }
}

void TransferDialog::journal(const TransferOutcome &outcome)
{
    // An exchange ends once: a refusal is followed by the Cancel that leaves it.
    if (m_journalled)
        return;
    m_journalled = true;
    record(outcome);
}

void TransferDialog::record(const TransferOutcome &outcome)
{
    TransferRecord entry = dayTransferRecord(outcome, journalWeek(), m_carried ? &*m_carried : nullptr);
    entry.port = portName();
    entry.file = m_scheduleFile;
    if (m_journalKind)
        entry.kind = *m_journalKind;
    if (const std::optional<QString> warning = recordTransfer(defaultJournalPath(), entry))
        emit journalWarning(*warning);
}

void TransferDialog::reportOutcome(const TransferOutcome &outcome, std::function<void()> onAcknowledged)
{
    // Cancelling before anything went out is no exchange.
    if (outcome.end != TransferEnd::Cancelled || !outcome.weekdays.empty() || outcome.allClear)
        journal(outcome);
    OutcomeMessage message = transferOutcomeMessage(outcome);
    // Cancel closes the window; there is nothing to tell.
    if (message.text.isEmpty())
        return;
    if (outcome.end == TransferEnd::NoResponse && !m_lostReason.isEmpty())
        message.text += QStringLiteral("\n\n") + m_lostReason;
    m_lostReason.clear();
    showMessage({message.text, message.caption, message.icon, std::move(onAcknowledged)});
}

void TransferDialog::showMessage(Message message)
{
    if (std::optional<Message> now = m_messages.post(std::move(message)))
        openMessage(std::move(*now));
}

void TransferDialog::openMessage(Message message)
{
    openDeviceMessage(this, message.text, message.caption, message.icon,
                      [this, onClosed = std::move(message.onClosed)] {
                          if (onClosed)
                              onClosed();
                          if (m_destroying)
                              return;
                          if (std::optional<Message> next = m_messages.closed())
                              openMessage(std::move(*next));
                      });
}

// The port closes in the destructor, after the subclass and its session are gone: nothing
// it reports then may reach them.
void TransferDialog::serialReceived(const uint8_t *data, size_t size)
{
    if (m_destroying)
        return;
    chunkReceived(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
}

void TransferDialog::serialFailed(const QString &reason)
{
    if (m_destroying)
        return;
    m_lostReason = reason;
    portLost();
}

void TransferDialog::reject()
{
    cancelClicked();
    if (!m_closing)
        QDialog::done(QDialog::Rejected);
}
