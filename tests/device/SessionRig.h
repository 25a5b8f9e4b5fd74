#pragma once

#include "RecordingTransferHost.h"
#include "support/MakeEntry.h"

#include "device/DayImage.h"
#include "device/DeviceEmulator.h"
#include "device/ProtocolTimings.h"
#include "schedule/TimeText.h"
#include "schedule/WeeklySchedule.h"

#include <QByteArray>

#include <deque>
#include <string>

inline QByteArray imageBytes(const DayImage &image)
{
    return QByteArray(reinterpret_cast<const char *>(image.bytes().data()), qsizetype(image.bytes().size()));
}

inline QByteArray encoded(const DaySchedule &day)
{
    DayImage image;
    image.Encode(day);
    return imageBytes(image);
}

// A session wired to the device emulator: every frame the session writes goes to the
// emulator at once; the emulator's answers wait until the test delivers them (tick() does so
// before firing timer 1), as they would wait in the event queue.
template <class Session> struct SessionRig {
    WeeklySchedule week;
    RecordingTransferHost host;
    DeviceEmulator device{[] { return DeviceEmulator::Millis(0); }};
    Session session;
    std::deque<QByteArray> pending;
    std::string corruptCodes; // image requests for these codes get a corrupted answer

    explicit SessionRig(const ProtocolTimings &timings = {})
        : session(host, week, &host, timings)
    {
        host.onWrite = [this](const QByteArray &frame) {
            if (frame.size() >= 3)
                device.faults().corruptUpload = corruptCodes.find(frame[2]) != std::string::npos;
            device.feed(std::string_view(frame.constData(), size_t(frame.size())));
            for (const auto &chunk : device.takeChunks())
                pending.push_back(QByteArray(reinterpret_cast<const char *>(chunk.data()), qsizetype(chunk.size())));
        };
        session.open();
    }

    void deliver()
    {
        while (!pending.empty()) {
            const QByteArray chunk = pending.front();
            pending.pop_front();
            session.received(chunk);
        }
    }
    void tick()
    {
        deliver();
        session.timer(TransferHost::kReplyTimer);
    }
    // The box toggles itself, then tells its owner.
    void click(int box)
    {
        const bool now = !host.isChecked(box);
        host.checked[box] = now;
        session.boxClicked(box, now);
    }
};
