#include "device/UploadSession.h"

#include "device/DayImage.h"
#include "device/FrameBytes.h"
#include "device/ReplyFrame.h"
#include "device/RingReply.h"
#include "device/WeekdayStore.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <algorithm>

UploadSession::UploadSession(TransferHost &host, WeeklySchedule &week, DayBoxes *boxes, const ProtocolTimings &timings)
    : DayBoxTransfer(host, boxes, kBoxCount, kProgressTop, timings)
    , m_week(week)
{
}

TransferOutcome UploadSession::outcome(TransferEnd end) const
{
    TransferOutcome o;
    o.exchange = TransferExchange::Upload;
    o.end = end;
    o.weekdays = m_stored;
    o.lineErrorDays = m_lineErrors;
    if (end == TransferEnd::LineError)
        o.day = m_day;
    return o;
}

void UploadSession::boxClicked(int box, bool checked)
{
    clickBox(box, checked);
}

void UploadSession::receive()
{
    startRound();
}

void UploadSession::startChecked()
{
    for (int day = kMonday; day <= kSunday; ++day) {
        if (m_checked[size_t(day)] && m_idle)
            request(day);
    }
}

void UploadSession::request(int day)
{
    markTransferred(day);
    m_host.setTimer(TransferHost::kProgressTimer, m_timings.weekdayProgressMs);
    m_day = day;
    const QByteArray frame = FrameBytes::shortFrame(FrameBytes::kRequest, dayCodeForDay(day));
    // Whatever arrived before this request (a stale reply, the tail of one cut short) is not
    // its answer.
    m_ring.reset();
    m_reply.clear();
    m_replyComplete = false;
    awaitReply(frame);
}

void UploadSession::replyTick()
{
    if (m_replyComplete) {
        m_silence = 0;
        m_idle = true;
        m_replyComplete = false;
        storeReply();
        if (!anyWeekdayChecked())
            complete(outcome(TransferEnd::Completed));
        else
            restartProgress();
    }
}

void UploadSession::storeReply()
{
    // The image is what stands between the three header bytes and the terminator. One that is
    // short (cut by a byte read as 0xFF) or long (a byte too many on the line) fails like a
    // corrupted one: a shifted image could pass the consistency test.
    const auto *image = reinterpret_cast<const uint8_t *>(m_reply.constData());
    const bool whole = size_t(m_reply.size()) == DayImage::kSize;
    if (!whole || storeWeekdayImage(m_week, m_day, image, DayImage::kSize) == WeekdayStoreResult::LineError) {
        m_lineErrors.push_back(m_day);
        m_host.reportOutcome(outcome(TransferEnd::LineError), {});
    } else {
        keepStored(image);
    }
}

void UploadSession::keepStored(const uint8_t *image)
{
    m_stored.push_back(m_day);
    if (m_images)
        std::copy(image, image + DayImage::kSize, (*m_images)[m_day].bytes().begin());
}

void UploadSession::endInSilence()
{
    if (m_ending)
        return;
    m_ending = true;
    stopTimersAtTop();
    m_host.reportOutcome(outcome(TransferEnd::NoResponse), [this] { finish(SessionHost::Result::Ok); });
}

void UploadSession::received(const QByteArray &chunk)
{
    if (m_finished)
        return;
    if (!appendChunk(m_ring, chunk) || m_idle)
        return;
    // A reply without a frame start (noise, the rest of a reply cut short) answers nothing.
    const QByteArray frame = ReplyFrame::fromLastStart(ringReply(m_ring));
    if (frame.isEmpty())
        return;
    m_reply = frame.mid(kHeaderSize, frame.size() - kHeaderSize - 1);
    m_replyComplete = true;
}

void UploadSession::cancel()
{
    if (m_finished)
        return;
    m_silence = 0;
    m_progress = 0;
    m_replyComplete = false;
    m_idle = true;
    stopTimers();
    m_host.reportOutcome(outcome(TransferEnd::Cancelled), {});
    finish(SessionHost::Result::Cancel);
}
