#include "device/DownloadSession.h"

#include "device/RingReply.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

namespace {
constexpr char kStart = 0x54;        // "T"
constexpr char kTerminator = char(0xFF);
constexpr char kImageCommand = '#';
constexpr char kAckCommand = '\'';
constexpr char kRefusalCommand = '%';

QByteArray shortFrame(char command, char code)
{
    QByteArray f;
    f.append(kStart).append(command).append(code).append(kTerminator);
    return f;
}
} // namespace

DownloadSession::DownloadSession(TransferHost &host, const WeeklySchedule &week) : m_host(host), m_week(week)
{
}

void DownloadSession::open()
{
    m_host.setProgressRange(0, kProgressTop);
    m_host.setProgress(0);
    for (int box = 1; box <= kBoxCount; ++box)
        m_host.setBoxBitmaps(box, PictureId::kDayNormal, PictureId::kDaySelected, PictureId::kDayHover);
}

bool DownloadSession::isChecked(int box) const
{
    return box >= 1 && box <= kBoxCount && m_checked[size_t(box)];
}

bool DownloadSession::anyWeekdayChecked() const
{
    for (int day = kMonday; day <= kSunday; ++day) {
        if (m_checked[size_t(day)])
            return true;
    }
    return false;
}

void DownloadSession::setChecked(int box, bool checked)
{
    m_checked[size_t(box)] = checked;
    m_host.setBoxChecked(box, checked);
}

void DownloadSession::boxClicked(int box, bool checked)
{
    // The boxes are disabled once a transfer has started; a click that still gets here
    // must not change what is being sent.
    if (!m_boxesEnabled || m_finished || box < 1 || box > kBoxCount)
        return;
    m_checked[size_t(box)] = checked;
    if (box == kAllClear) {
        if (checked) {
            m_dayCode = 'A';
            for (int b = kMonday; b <= kWeekly; ++b)
                setChecked(b, false);
        }
    } else if (box == kWeekly) {
        for (int day = kMonday; day <= kSunday; ++day)
            setChecked(day, checked);
        if (checked) {
            m_dayCode = 'A';
            setChecked(kAllClear, false);
        }
    } else {
        bool all = true;
        for (int day = kMonday; day <= kSunday; ++day)
            all = all && m_checked[size_t(day)];
        setChecked(kWeekly, all);
        setChecked(kAllClear, false);
    }
}

void DownloadSession::send()
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

    if (m_checked[kAllClear] && m_idle)
        startAllClear();
    for (int day = kMonday; day <= kSunday; ++day) {
        if (m_checked[size_t(day)] && m_idle)
            startWeekday(day);
    }

    for (int box = 1; box <= kBoxCount; ++box)
        m_host.setBoxEnabled(box, false);
    m_boxesEnabled = false;
}

void DownloadSession::startWeekday(int day)
{
    setChecked(day, false);
    m_host.setBoxBitmaps(day, PictureId::kDayTransferred, 0, 0);
    m_dayCode = dayCodeForDay(day);
    m_image.Encode(m_week.day(day));
    m_host.setTimer(TransferHost::kProgressTimer, 100);
    prepareAndSend();
}

void DownloadSession::startAllClear()
{
    // The box stays checked through the whole sequence of eight frames.
    setChecked(kAllClear, false);
    m_host.setBoxBitmaps(kAllClear, PictureId::kDayTransferred, 0, 0);
    setChecked(kAllClear, true);
    m_image.Clear();
    m_host.setTimer(TransferHost::kProgressTimer, 800);
    prepareAndSend();
}

void DownloadSession::prepareAndSend()
{
    m_idle = false;
    m_expectedAck = shortFrame(kAckCommand, m_dayCode);
    m_expectedRefusal = shortFrame(kRefusalCommand, m_dayCode);

    m_host.setTimer(TransferHost::kReplyTimer, 1000);
    m_replyTimerRunning = true;
    QByteArray frame;
    frame.reserve(int(DayImage::kSize) + 4);
    frame.append(kStart).append(kImageCommand).append(m_dayCode);
    frame.append(reinterpret_cast<const char *>(m_image.bytes().data()), qsizetype(DayImage::kSize));
    frame.append(kTerminator);
    m_host.writeFrame(frame);
}

void DownloadSession::timer(int id)
{
    if (m_finished)
        return;
    if (id == TransferHost::kProgressTimer)
        progressTick();
    else if (id == TransferHost::kReplyTimer && m_replyTimerRunning)
        replyTick();
}

void DownloadSession::progressTick()
{
    ++m_progress;
    m_host.setProgress(m_progress);
    if (m_progress > kProgressTop) {
        m_host.killTimer(TransferHost::kProgressTimer);
        m_host.setProgress(kProgressTop);
    }
}

void DownloadSession::replyTick()
{
    ++m_silence;
    if (!m_expectedAck.isEmpty() && m_reply == m_expectedAck) {
        m_idle = true;
        m_silence = 0;
        if (!anyWeekdayChecked() && !m_checked[kAllClear]) {
            m_host.killTimer(TransferHost::kReplyTimer);
            m_host.killTimer(TransferHost::kProgressTimer);
            m_replyTimerRunning = false;
            m_host.setProgress(kProgressTop);
            m_ending = true;
            m_host.showMessage(QStringLiteral("Downloading complete"), QStringLiteral("Tavrin"),
                               TransferHost::Icon::Information, [this] { finish(SessionHost::Result::Ok); });
        } else if (m_checked[kAllClear]) {
            if (m_dayCode == kNoWeekdayCode) {
                setChecked(kAllClear, false);
            } else {
                ++m_dayCode;
                send();
            }
        } else {
            m_host.killTimer(TransferHost::kProgressTimer);
            m_host.setProgress(0);
            m_progress = 0;
        }
    } else if (!m_expectedRefusal.isEmpty() && m_reply == m_expectedRefusal) {
        // Timers stop before the message, so the refusal is reported once; the transfer
        // halts here and only "Cancel" leads on.
        m_host.killTimer(TransferHost::kReplyTimer);
        m_host.killTimer(TransferHost::kProgressTimer);
        m_replyTimerRunning = false;
        m_silence = 0;
        m_reply.clear();
        m_host.setProgress(kProgressTop);
        m_host.showMessage(QStringLiteral(".."), QString(), TransferHost::Icon::None, {});
        send();
    }
    if (m_silence > kSilenceLimit)
        endInSilence();
    send();
}

void DownloadSession::endInSilence()
{
    if (m_ending)
        return;
    m_ending = true;
    m_host.killTimer(TransferHost::kReplyTimer);
    m_replyTimerRunning = false;
    m_host.showMessage(QStringLiteral("Make no Response"), QString(), TransferHost::Icon::None, [this] {
        if (m_finished)
            return;
        m_host.killTimer(TransferHost::kProgressTimer);
        m_host.setProgress(kProgressTop);
        finish(SessionHost::Result::Ok);
    });
}

void DownloadSession::portLost()
{
    if (!m_finished && !m_idle && m_replyTimerRunning)
        endInSilence();
}

void DownloadSession::received(const QByteArray &chunk)
{
    if (m_finished)
        return;
    appendChunk(m_ring, chunk);
    m_reply = ringReply(m_ring);
}

void DownloadSession::cancel()
{
    if (m_finished)
        return;
    m_host.killTimer(TransferHost::kReplyTimer);
    m_host.killTimer(TransferHost::kProgressTimer);
    m_replyTimerRunning = false;
    finish(SessionHost::Result::Cancel);
}

void DownloadSession::finish(SessionHost::Result result)
{
    if (m_finished)
        return;
    m_finished = true;
    m_host.closeDialog(result);
}
