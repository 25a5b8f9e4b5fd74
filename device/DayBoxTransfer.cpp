#include "device/DayBoxTransfer.h"

#include "schedule/Weekday.h"

DayBoxTransfer::DayBoxTransfer(TransferHost &host, DayBoxes *boxes, int boxCount, int progressTop,
                               const ProtocolTimings &timings)
    : m_host(host)
    , m_timings(timings)
    , m_boxes(boxes)
    , m_boxCount(boxCount)
    , m_progressTop(progressTop)
    , m_checked(size_t(boxCount) + 1, false)
{
}

void DayBoxTransfer::open()
{
    m_host.setProgressRange(0, m_progressTop);
    m_host.setProgress(0);
    for (int box = 1; box <= m_boxCount; ++box)
        showBox(box, DayBoxState::Normal);
}

bool DayBoxTransfer::isChecked(int box) const
{
    return box >= 1 && box <= m_boxCount && m_checked[size_t(box)];
}

bool DayBoxTransfer::readyToStart() const
{
    if (m_finished || !m_boxesEnabled)
        return false;
    for (int box = 1; box <= m_boxCount; ++box) {
        if (m_checked[size_t(box)])
            return true;
    }
    return false;
}

bool DayBoxTransfer::anyWeekdayChecked() const
{
    for (int day = kMonday; day <= kSunday; ++day) {
        if (m_checked[size_t(day)])
            return true;
    }
    return false;
}

void DayBoxTransfer::setChecked(int box, bool checked)
{
    m_checked[size_t(box)] = checked;
    if (m_boxes)
        m_boxes->setBoxChecked(box, checked);
}

void DayBoxTransfer::showBox(int box, DayBoxState state)
{
    if (m_boxes)
        m_boxes->setBoxState(box, state);
}

bool DayBoxTransfer::clickBox(int box, bool checked)
{
    // The boxes are disabled once a transfer has started; a click that still gets here
    // must not change what is being transferred.
    if (!m_boxesEnabled || m_finished || box < 1 || box > m_boxCount)
        return false;
    m_checked[size_t(box)] = checked;
    if (box == kWeeklyBox) {
        for (int day = kMonday; day <= kSunday; ++day)
            setChecked(day, checked);
    } else if (box <= kSunday) {
        bool all = true;
        for (int day = kMonday; day <= kSunday; ++day)
            all = all && m_checked[size_t(day)];
        setChecked(kWeeklyBox, all);
    }
    return true;
}

void DayBoxTransfer::startRound()
{
    if (m_finished)
        return;
    bool any = false;
    for (int box = 1; box <= m_boxCount; ++box)
        any = any || m_checked[size_t(box)];
    if (!any)
        return;

    for (int box = 1; box <= m_boxCount; ++box) {
        if (m_checked[size_t(box)])
            showBox(box, DayBoxState::Waiting);
    }
    startChecked();
    for (int box = 1; m_boxes && box <= m_boxCount; ++box)
        m_boxes->setBoxEnabled(box, false);
    m_boxesEnabled = false;
}

void DayBoxTransfer::markTransferred(int box)
{
    setChecked(box, false);
    showBox(box, DayBoxState::Transferred);
}

void DayBoxTransfer::awaitReply(const QByteArray &frame)
{
    m_idle = false;
    m_host.setTimer(TransferHost::kReplyTimer, m_timings.replyTickMs);
    m_replyTimerRunning = true;
    m_host.writeFrame(frame);
}

void DayBoxTransfer::timer(int id)
{
    if (m_finished)
        return;
    if (id == TransferHost::kProgressTimer) {
        progressTick();
    } else if (id == TransferHost::kReplyTimer && m_replyTimerRunning) {
        ++m_silence;
        replyTick();
        if (m_silence > kSilenceLimit)
            endInSilence();
        startRound();
    }
}

void DayBoxTransfer::progressTick()
{
    ++m_progress;
    m_host.setProgress(m_progress);
    if (m_progress > m_progressTop) {
        m_host.killTimer(TransferHost::kProgressTimer);
        m_host.setProgress(m_progressTop);
    }
}

void DayBoxTransfer::restartProgress()
{
    m_host.killTimer(TransferHost::kProgressTimer);
    m_host.setProgress(0);
    m_progress = 0;
}

void DayBoxTransfer::stopTimers()
{
    m_host.killTimer(TransferHost::kReplyTimer);
    m_host.killTimer(TransferHost::kProgressTimer);
    m_replyTimerRunning = false;
}

void DayBoxTransfer::stopTimersAtTop()
{
    stopTimers();
    m_host.setProgress(m_progressTop);
}

void DayBoxTransfer::complete(const TransferOutcome &outcome)
{
    stopTimersAtTop();
    m_ending = true;
    m_host.reportOutcome(outcome, [this] { finish(SessionHost::Result::Ok); });
}

void DayBoxTransfer::portLost()
{
    if (!m_finished && !m_idle && m_replyTimerRunning)
        endInSilence();
}

void DayBoxTransfer::finish(SessionHost::Result result)
{
    if (m_finished)
        return;
    m_finished = true;
    m_host.closeDialog(result);
}
