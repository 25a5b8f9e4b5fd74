// Whole device sessions (Download, Upload, the clock) against the emulator, with the answers
// cut into pieces and line noise between them as the input chooses. Nothing may crash, and
// Upload only ever stores an image the device sent. (Its own weekday's, unless junk that
// completes a reply early makes the next request take the late answer: the reply header's
// day code is not examined.)

#include "FuzzSessions.h"

#include "device/ClockSession.h"
#include "device/DeviceEmulator.h"
#include "device/DownloadSession.h"
#include "device/UploadSession.h"
#include "schedule/Weekday.h"
#include "schedule/WeeklySchedule.h"

#include <cstdlib>
#include <deque>
#include <functional>
#include <map>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

struct FuzzHost : TransferHost {
    std::function<void(const QByteArray &)> onWrite;
    std::deque<std::function<void()>> openMessages;
    bool closed = false;

    void writeFrame(const QByteArray &frame) override { onWrite(frame); }
    void closeDialog(Result) override { closed = true; }
    void setTimer(int, int) override { }
    void killTimer(int) override { }
    void setProgressRange(int, int) override { }
    void setProgress(int) override { }
    void reportOutcome(const TransferOutcome &outcome, std::function<void()> onAcknowledged) override
    {
        if (outcome.weekdayPosition)
            check(*outcome.weekdayPosition >= 0 && *outcome.weekdayPosition <= 6);
        if (const auto &t = outcome.clock)
            check(t->hour >= 0 && t->hour < 24 && t->minute >= 0 && t->minute < 60 && t->second >= 0 && t->second < 60);
        openMessages.push_back(std::move(onAcknowledged));
    }
};

// The device's answers reach the session in pieces, with noise before, between and after.
struct Line {
    FuzzedDataProvider &in;
    DeviceEmulator device{[] { return DeviceEmulator::Millis(0); }};
    std::deque<QByteArray> pending;

    explicit Line(FuzzedDataProvider &input)
        : in(input)
    {
    }

    void take()
    {
        for (const auto &answer : device.takeChunks()) {
            QByteArray bytes(reinterpret_cast<const char *>(answer.data()), qsizetype(answer.size()));
            if (in.ConsumeBool())
                bytes.prepend(QByteArray::fromStdString(in.ConsumeBytesAsString(in.ConsumeIntegralInRange(0, 4))));
            if (in.ConsumeBool())
                bytes.append(QByteArray::fromStdString(in.ConsumeBytesAsString(in.ConsumeIntegralInRange(0, 4))));
            for (qsizetype at = 0; at < bytes.size();) {
                const qsizetype n = in.ConsumeIntegralInRange<qsizetype>(1, 3000);
                pending.push_back(bytes.mid(at, n));
                at += n;
            }
        }
    }
    template <typename Deliver> void deliverSome(Deliver deliver)
    {
        for (int n = in.ConsumeIntegralInRange(0, 8); n > 0 && !pending.empty(); --n) {
            deliver(pending.front());
            pending.pop_front();
        }
    }
};

template <typename Session> void runTransfer(FuzzedDataProvider &in, Session &session, FuzzHost &host, Line &line)
{
    session.open();
    for (int box = 1; box <= Session::kBoxCount; ++box)
        if (in.ConsumeBool())
            session.boxClicked(box, true);
    for (int step = 0; step < 200 && !host.closed && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange(0, 5)) {
        case 0:
            line.deliverSome([&](const QByteArray &c) { session.received(c); });
            break;
        case 1:
            session.timer(TransferHost::kReplyTimer);
            break;
        case 2:
            session.timer(TransferHost::kProgressTimer);
            break;
        case 3:
            if (!host.openMessages.empty()) {
                auto closed = std::move(host.openMessages.front());
                host.openMessages.pop_front();
                if (closed)
                    closed();
            }
            break;
        case 4:
            session.received(QByteArray::fromStdString(in.ConsumeBytesAsString(in.ConsumeIntegralInRange(0, 6))));
            break;
        default:
            if (in.ConsumeIntegralInRange(0, 20) == 0)
                session.cancel();
            break;
        }
    }
}

} // namespace

void fuzzSessions(FuzzedDataProvider &in)
{
    FuzzHost host;
    Line line(in);
    host.onWrite = [&](const QByteArray &frame) {
        line.device.feed(std::string_view(frame.constData(), size_t(frame.size())));
        line.take();
    };
    auto week = std::make_unique<WeeklySchedule>();
    for (int day = kMonday; day <= kSunday; ++day) {
        DaySchedule d;
        ScheduleEntry e;
        e.Time = "0" + std::to_string(day) + ":0" + std::to_string(day);
        e.MelodyVoice = day % 2 ? "Melody" : "Voice";
        e.Selection = std::to_string(day);
        d.append(e);
        DayImage image;
        image.Encode(d);
        line.device.setImage(dayCodeForDay(day), image);
    }

    switch (in.ConsumeIntegralInRange(0, 2)) {
    case 0: {
        DownloadSession session(host, *week);
        runTransfer(in, session, host, line);
        break;
    }
    case 1: {
        const auto before = std::make_unique<WeeklySchedule>();
        before->copyFrom(*week);
        UploadSession session(host, *week);
        runTransfer(in, session, host, line);
        for (int day = kMonday; day <= kSunday; ++day) {
            bool sent = week->day(day).sameEntries(before->day(day));
            for (int other = kMonday; other <= kSunday && !sent; ++other)
                sent = week->day(day).sameEntries(line.device.image(dayCodeForDay(other)).Decode());
            check(sent);
        }
        break;
    }
    default: {
        ClockSession session(host);
        for (int step = 0; step < 50 && in.remaining_bytes() > 0; ++step) {
            if (in.ConsumeBool())
                session.receive();
            line.deliverSome([&](const QByteArray &c) { session.received(c); });
            session.received(QByteArray::fromStdString(in.ConsumeBytesAsString(in.ConsumeIntegralInRange(0, 12))));
        }
        break;
    }
    }
}
