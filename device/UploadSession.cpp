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

UploadSession::UploadSession(TransferHost &host, WeeklySchedule &week) : m_host(host), m_week(week)
{
}

void UploadSession::open()
{
    m_host.setProgressRange(0, kProgressTop);
    m_host.setProgress(0);
    for (int box = 1; box <= kBoxCount; ++box)
        m_host.setBoxBitmaps(box, PictureId::kDayNormal, PictureId::kDaySelected, PictureId::kDayHover);
}

bool UploadSession::isChecked(int box) const
{
    return box >= 1 && box <= kBoxCount && m_checked[size_t(box)];
}

bool UploadSession::anyWeekdayChecked() const
{
    for (int day = kMonday; day <= kSunday; ++day) {
        if (m_checked[size_t(day)])
            return true;
    }
    return false;
}

void UploadSession::setChecked(int box, bool checked)
{
    m_checked[size_t(box)] = checked;
    m_host.setBoxChecked(box, checked);
}

void UploadSession::boxClicked(int box, bool checked)
{
    if (!m_boxesEnabled || m_finished || box < 1 || box > kBoxCount)
        return;
    m_checked[size_t(box)] = checked;
    if (box == kWeekly) {
        for (int day = kMonday; day <= kSunday; ++day)
            setChecked(day, checked);
    } else {
        bool all = true;
        for (int day = kMonday; day <= kSunday; ++day)
            all = all && m_checked[size_t(day)];
        setChecked(kWeekly, all);
    }
}

void UploadSession::receive()
{
    if (m_finished)
        return;
    bool any = false;
    for (int box = 1; box <= kBoxCount; ++box)
        any = any || m_checked[size_t(box)];
    if (!any)
        return;

    for (int box = 1; box <= kBoxCount; ++box) {
        if (m_checked[size_t(box)])
            m_host.setBoxBitmaps(box, PictureId::kDaySelected, 0, 0);
    }
    for (int day = kMonday; day <= kSunday; ++day) {
        if (m_checked[size_t(day)] && m_idle)
            request(day);
    }
    for (int box = 1; box <= kBoxCount; ++box)
        m_host.setBoxEnabled(box, false);
    m_boxesEnabled = false;
}

void UploadSession::request(int day)
{
    setChecked(day, false);
    m_host.setBoxBitmaps(day, PictureId::kDayTransferred, 0, 0);
    m_host.setTimer(TransferHost::kProgressTimer, 100);
    m_day = day;
    m_idle = false;
    m_host.setTimer(TransferHost::kReplyTimer, 1000);
    m_replyTimerRunning = true;
    QByteArray frame;
    frame.append(kStart).append(kRequestCommand).append(dayCodeForDay(day)).append(kTerminator);
    m_host.writeFrame(frame);
}

void UploadSession::timer(int id)
{
    if (m_finished)
        return;
    if (id == TransferHost::kProgressTimer)
        progressTick();
    else if (id == TransferHost::kReplyTimer && m_replyTimerRunning)
        replyTick();
}

void UploadSession::progressTick()
{
    ++m_progress;
    m_host.setProgress(m_progress);
    if (m_progress > kProgressTop) {
        m_host.killTimer(TransferHost::kProgressTimer);
        m_host.setProgress(kProgressTop);
    }
}

void UploadSession::replyTick()
{
    ++m_silence;
    if (m_replyComplete) {
        m_silence = 0;
        m_idle = true;
        m_replyComplete = false;
        storeReply();
        if (!anyWeekdayChecked()) {
            m_host.killTimer(TransferHost::kReplyTimer);
            m_host.killTimer(TransferHost::kProgressTimer);
            m_replyTimerRunning = false;
            m_host.setProgress(kProgressTop);
            m_ending = true;
            m_host.showMessage(QStringLiteral("Uploading complete"), QStringLiteral("Tavrin"),
                               TransferHost::Icon::Information, [this] { finish(SessionHost::Result::Ok); });
        } else {
            m_host.killTimer(TransferHost::kProgressTimer);
            m_host.setProgress(0);
            m_progress = 0;
        }
    }
    if (m_silence > kSilenceLimit)
        endInSilence();
    receive();
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
    m_host.killTimer(TransferHost::kReplyTimer);
    m_host.killTimer(TransferHost::kProgressTimer);
    m_replyTimerRunning = false;
    m_host.setProgress(kProgressTop);
    m_host.showMessage(QStringLiteral("Communication error"), QString(), TransferHost::Icon::None,
                       [this] { finish(SessionHost::Result::Ok); });
}

void UploadSession::portLost()
{
    if (!m_finished && !m_idle && m_replyTimerRunning)
        endInSilence();
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
    m_host.killTimer(TransferHost::kReplyTimer);
    m_host.killTimer(TransferHost::kProgressTimer);
    m_replyTimerRunning = false;
    finish(SessionHost::Result::Cancel);
}

void UploadSession::finish(SessionHost::Result result)
{
    if (m_finished)
        return;
    m_finished = true;
    m_host.closeDialog(result);
}
