// libFuzzer target: whatever a line delivers, in whatever pieces, to the reply assembly and to
// the device emulator (and the emulator's answers back through the assembly, as the program
// receives them); one input in four drives a whole session instead (FuzzSessions.cpp); and any
// text goes to the schedule's CSV reader, whose week must come out again as CSV that reads back
// the same. Built and run by scripts/fuzz.sh under AddressSanitizer and
// UndefinedBehaviorSanitizer.

#include "FuzzSessions.h"

#include "device/DayImage.h"
#include "device/DeviceEmulator.h"
#include "device/ReceiveRing.h"
#include "schedule/ScheduleCsv.h"
#include "schedule/WeeklySchedule.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void check(bool condition)
{
    if (!condition)
        std::abort();
}

void checkRing(const ReceiveRing &ring, bool completed)
{
    check(ring.index() < ReceiveRing::kSize);
    const std::string_view text = ring.replyText();
    check(text.size() < ReceiveRing::kSize);
    check(std::memchr(text.data(), 0, text.size()) == nullptr);
    check(ring.buffer()[text.size()] == 0 || completed);
    if (completed) {
        check(ring.index() == 0);
        check(text.find('\xFF') != std::string_view::npos);
        // What the dialogs then do with a reply: drop its header, test and decode the image.
        const auto *image = reinterpret_cast<const uint8_t *>(text.data()) + std::min<size_t>(3, text.size());
        const size_t size = text.size() - std::min<size_t>(3, text.size());
        if (DayImage::CheckLines(image, size))
            check(DayImage::Decode(image, size).count() <= DayImage::kSlots);
    }
}

// Feeds bytes to both in pieces the input chooses.
void deliver(FuzzedDataProvider &in, const std::vector<uint8_t> &bytes, DeviceEmulator &device, ReceiveRing &ring)
{
    size_t at = 0;
    while (at < bytes.size()) {
        const size_t n = std::min(bytes.size() - at, in.ConsumeIntegralInRange<size_t>(1, 4096));
        device.feed(bytes.data() + at, n);
        checkRing(ring, ring.append(bytes.data() + at, n));
        at += n;
    }
}

void readCsv(const std::string &text)
{
    static WeeklySchedule week; // seven days of 1440 entries: kept, as the rings are
    std::vector<ScheduleCsvError> errors;
    if (!readScheduleCsv(text, week, errors)) {
        check(!errors.empty() && errors.size() <= kScheduleCsvErrorLimit + 1);
        return;
    }
    const std::string written = scheduleCsv(week);
    static WeeklySchedule back;
    check(readScheduleCsv(written, back, errors));
    check(scheduleCsv(back) == written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider in(data, size);
    if (in.ConsumeIntegralInRange(0, 3) == 0) {
        fuzzSessions(in);
        return 0;
    }
    DeviceEmulator::Millis now = 0;
    DeviceEmulator device([&now] { return now; });
    // Kept across inputs (a fresh 64 KB buffer each time is most of the run time); a reset
    // ring behaves as a new one, since bytes past the index never reach the reply text.
    static ReceiveRing lineRing; // raw line bytes
    static ReceiveRing replyRing; // the emulator's answers, as the program assembles them
    lineRing.reset();
    replyRing.reset();

    DeviceEmulator::Faults faults;
    const uint8_t refuse = in.ConsumeIntegral<uint8_t>();
    for (int i = 0; i < 8; ++i)
        if (refuse & (1 << i))
            faults.refuseCodes += char('A' + i);
    faults.silent = in.ConsumeBool();
    faults.corruptUpload = in.ConsumeBool();
    faults.cutReplyAt = in.ConsumeIntegralInRange<size_t>(0, 6000);
    faults.chunkSize = in.ConsumeIntegralInRange<size_t>(0, 3000);
    faults.delayMs = in.ConsumeIntegralInRange<int>(0, 3);
    device.setFaults(faults);
    device.setOutput([&](const uint8_t *p, size_t n) {
        check(faults.chunkSize == 0 || n <= faults.chunkSize);
        check(!faults.silent);
        checkRing(replyRing, replyRing.append(p, n));
    });

    while (in.remaining_bytes() > 0) {
        std::vector<uint8_t> frame;
        switch (in.ConsumeIntegralInRange(0, 5)) {
        case 0: // anything at all
            frame = in.ConsumeBytes<uint8_t>(in.ConsumeIntegralInRange<size_t>(0, 70000));
            break;
        case 1: { // an image frame, mostly well formed
            frame = {'T', '#', uint8_t('A' + in.ConsumeIntegralInRange(0, 8))};
            static const DayImage blank;
            frame.insert(frame.end(), blank.bytes().begin(), blank.bytes().end());
            for (int edits = in.ConsumeIntegralInRange(0, 8); edits > 0; --edits)
                frame[3 + in.ConsumeIntegralInRange<size_t>(0, DayImage::kSize - 1)] = in.ConsumeIntegral<uint8_t>();
            if (in.ConsumeBool())
                frame.resize(in.ConsumeIntegralInRange<size_t>(0, frame.size()));
            frame.push_back(0xFF);
            break;
        }
        case 2: // a request, the clock's included
            frame = {'T', '!', uint8_t('A' + in.ConsumeIntegralInRange(0, 8)), 0xFF};
            break;
        case 3: { // a clock setting with any digits
            frame = {'T', '$', uint8_t('A' + in.ConsumeIntegralInRange(0, 8))};
            for (int i = 0; i < 6; ++i)
                frame.push_back(uint8_t('0' + in.ConsumeIntegralInRange(0, 10)));
            frame.push_back(0xFF);
            break;
        }
        case 4: // a CSV text, header first or not
            readCsv((in.ConsumeBool() ? std::string("day,id,time,melody_voice,selection,ac,ch1,ch2,ch3,ch4\n")
                                      : std::string())
                    + in.ConsumeRandomLengthString(70000));
            continue;
        default: // time passes
            now += in.ConsumeIntegralInRange(0, 100000);
            device.poll();
            continue;
        }
        deliver(in, frame, device, lineRing);
    }
    now += 10;
    device.poll();

    // Whatever was stored is an image the device could hold.
    if (device.stats().imagesStored > 0) {
        for (char code = 'A'; code <= 'H'; ++code)
            for (uint8_t b : device.image(code).bytes())
                check(b >= 0x30 && b <= 0x4F);
    }
    const DeviceEmulator::Time t = device.time();
    check(t.code >= 'A' && t.code <= 'G' && t.hour < 24 && t.minute < 60 && t.second < 60);
    return 0;
}
