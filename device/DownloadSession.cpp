#include "device/DownloadSession.h"

#include "device/FrameBytes.h"
#include "device/ReplyFrame.h"
#include "device/RingReply.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

using namespace FrameBytes;

DownloadSession::DownloadSession(TransferHost &host, const WeeklySchedule &week, DayBoxes *boxes,
                                 const ProtocolTimings &timings)
    : DayBoxTransfer(host, boxes, kBoxCount, kProgressTop, timings)
    , m_week(&week)
{
}

DownloadSession::DownloadSession(TransferHost &host, const WeekdayImages &images, DayBoxes *boxes,
                                 const ProtocolTimings &timings)
    : DayBoxTransfer(host, boxes, kBoxCount, kProgressTop, timings)
    , m_images(&images)
{
}

TransferOutcome DownloadSession::outcome(TransferEnd end) const
{
    TransferOutcome o;
    o.exchange = TransferExchange::Download;
    o.end = end;
    if (end == TransferEnd::Refused)
        o.refusedCode = m_dayCode;
    o.weekdays = m_sent;
    o.allClear = m_allClearSent;
    return o;
}

void DownloadSession::boxClicked(int box, bool checked)
{
    if (!clickBox(box, checked))
        return;
    if (box == kAllClear) {
        if (checked) {
            m_dayCode = kFirstDayCode;
            for (int b = kMonday; b <= kWeekly; ++b)
                setChecked(b, false);
        }
    } else if (box == kWeekly) {
        if (checked) {
            m_dayCode = kFirstDayCode;
            setChecked(kAllClear, false);
        }
    } else {
        setChecked(kAllClear, false);
    }
}

void DownloadSession::send()
{
    startRound();
}

void DownloadSession::startChecked()
{
    if (m_checked[kAllClear] && m_idle)
        startAllClear();
    for (int day = kMonday; day <= kSunday; ++day) {
        if (m_checked[size_t(day)] && m_idle)
            startWeekday(day);
    }
}

void DownloadSession::startWeekday(int day)
{
    markTransferred(day);
    m_sent.push_back(day);
    m_dayCode = dayCodeForDay(day);
    if (m_images)
        m_image = (*m_images)[size_t(day - 1)];
    else
        m_image.Encode(m_week->day(day));
    m_host.setTimer(TransferHost::kProgressTimer, m_timings.weekdayProgressMs);
    prepareAndSend();
}

void DownloadSession::startAllClear()
{
    // The box stays checked through the whole sequence of eight frames.
    markTransferred(kAllClear);
    m_allClearSent = true;
    setChecked(kAllClear, true);
    m_image.Clear();
    m_host.setTimer(TransferHost::kProgressTimer, m_timings.allClearProgressMs);
    prepareAndSend();
}

void DownloadSession::prepareAndSend()
{
    m_expectedAck = shortFrame(kAck, m_dayCode);
    m_expectedRefusal = shortFrame(kRefusal, m_dayCode);

    QByteArray frame;
    frame.reserve(int(DayImage::kSize) + 4);
    frame.append(kStart).append(kImage).append(m_dayCode);
    frame.append(reinterpret_cast<const char *>(m_image.bytes().data()), qsizetype(DayImage::kSize));
    frame.append(kEnd);
    // Only what answers this frame counts.
    m_ring.reset();
    m_reply.clear();
    awaitReply(frame);
}

void DownloadSession::replyTick()
{
    // Code "H" was the last of ALL Clear: done, whatever arrived since.
    if (m_allClearAcknowledged) {
        m_allClearAcknowledged = false;
        m_silence = 0;
        complete(outcome(TransferEnd::Completed));
        return;
    }
    // Noise on the line (a NUL, a CR, a glitch) may stand before the answer.
    if (!m_expectedAck.isEmpty() && m_reply.endsWith(m_expectedAck)) {
        m_idle = true;
        m_silence = 0;
        if (!anyWeekdayChecked() && !m_checked[kAllClear]) {
            complete(outcome(TransferEnd::Completed));
        } else if (m_checked[kAllClear]) {
            if (m_dayCode == kLastDayCode) {
                setChecked(kAllClear, false);
                m_allClearAcknowledged = true;
            } else {
                ++m_dayCode;
                send();
            }
        } else {
            restartProgress();
        }
    } else if (!m_expectedRefusal.isEmpty() && m_reply.endsWith(m_expectedRefusal)) {
        // Timers stop before the report, so the refusal is reported once; the transfer
        // halts here and only "Cancel" leads on.
        m_silence = 0;
        m_reply.clear();
        stopTimersAtTop();
        m_host.reportOutcome(outcome(TransferEnd::Refused), {});
        send();
    }
}

void DownloadSession::endInSilence()
{
    if (m_ending)
        return;
    m_ending = true;
    m_host.killTimer(TransferHost::kReplyTimer);
    m_replyTimerRunning = false;
    m_host.reportOutcome(outcome(TransferEnd::NoResponse), [this] {
        if (m_finished)
            return;
        m_host.killTimer(TransferHost::kProgressTimer);
        m_host.setProgress(kProgressTop);
        finish(SessionHost::Result::Ok);
    });
}

void DownloadSession::received(const QByteArray &chunk)
{
    if (m_finished)
        return;
    // A completed reply stays the reply until the next one completes: a byte after an
    // acknowledgement must not hide it.
    if (appendChunk(m_ring, chunk))
        m_reply = ReplyFrame::completed(ringReply(m_ring));
}

void DownloadSession::cancel()
{
    if (m_finished)
        return;
    stopTimers();
    m_host.reportOutcome(outcome(TransferEnd::Cancelled), {});
    finish(SessionHost::Result::Cancel);
}
