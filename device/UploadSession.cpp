#include "device/UploadSession.h"

#include "device/RingReply.h"
#include "device/DayImage.h"
#include "device/WeekdayStore.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

namespace {
constexpr char kStart = 0x54; // "T"
constexpr char kTerminator = char(0xFF);
constexpr char kRequestCommand = '!';
} // namespace

UploadSession::UploadSession(TransferHost &host, WeeklySchedule &week)
    : DayBoxTransfer(host, kBoxCount, kProgressTop), m_week(week)
{
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
    m_host.setTimer(TransferHost::kProgressTimer, 100);
    m_day = day;
    QByteArray frame;
    frame.append(kStart).append(kRequestCommand).append(dayCodeForDay(day)).append(kTerminator);
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
            complete(QStringLiteral("Uploading complete"));
        else
            restartProgress();
    }
}

void UploadSession::storeReply()
{
    // The image is what stands between the three header bytes and the terminator; one that
    // is short fails like a corrupted one, and nothing past its end is read.
    const int end = m_reply.indexOf(kTerminator);
    const qsizetype imageSize = end < 0 ? m_reply.size() : end;
    const size_t usable = std::min(size_t(imageSize), DayImage::kSize);
    const auto *image = reinterpret_cast<const uint8_t *>(m_reply.constData());
    if (storeWeekdayImage(m_week, m_day, image, usable) == WeekdayStoreResult::LineError)
        m_host.showMessage(QStringLiteral("Line Error"), QString(), TransferHost::Icon::None, {});
}

void UploadSession::endInSilence()
{
    if (m_ending)
        return;
    m_ending = true;
    stopTimersAtTop();
    m_host.showMessage(QStringLiteral("Communication error"), QString(), TransferHost::Icon::None,
                       [this] { finish(SessionHost::Result::Ok); });
}

void UploadSession::received(const QByteArray &chunk)
{
    if (m_finished)
        return;
    if (appendChunk(m_ring, chunk)) {
        m_reply = ringReply(m_ring).mid(kHeaderSize);
        m_replyComplete = true;
    }
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
    finish(SessionHost::Result::Cancel);
}
