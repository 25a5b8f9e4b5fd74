#pragma once

#include "device/DayImage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The program timer as the line sees it. Bytes may arrive in any chunking; complete frames
// are answered:
//   "T#" code(A..H) image(5760) 0xFF  -> stores the image, "T'" code 0xFF
//                                        ("T%" code 0xFF when an image byte is outside 0x30..0x4F)
//   "T!" code(A..G) 0xFF               -> "T!" code, the image held, 0xFF
//   "T!H" 0xFF                         -> "T!" weekday code, HHMMSS, 0xFF from the running clock
//   "T$" code(A..G) HHMMSS 0xFF        -> sets the clock, no answer
// Anything else is dropped, and reading starts over at the next "T".
//
// It reads and writes these bytes with its own parser and its own constants, not the program's
// FrameBytes.h: it plays the device, and a mistake in the program's framing must show up
// against it instead of being shared by both sides.
//
// The output callback may feed the emulator again; those bytes are read after the current ones.
// Time comes from an injectable millisecond clock, which drives both the device's running
// clock and delayed answers. Answers go to the output callback, or, when none is set, wait in
// a queue for takeChunks()/takeOutput().
class DeviceEmulator {
public:
    using Millis = int64_t;
    using ClockFn = std::function<Millis()>;
    using OutputFn = std::function<void(const uint8_t *data, size_t size)>;
    using LogFn = std::function<void(const std::string &line)>;

    static constexpr size_t kFrameImageSize = DayImage::kSize;
    static constexpr int kImageCount = 8; // codes 'A'..'H'
    static constexpr int kWeekSeconds = 7 * 86400;

    // Misbehaviour on demand, for tests and the simulator.
    struct Faults {
        std::string refuseCodes; // image frames with these codes are refused
        std::string forgetCodes; // image frames with these codes are accepted but not kept
        bool silent = false; // frames are acted on, nothing is answered
        bool corruptUpload = false; // image replies fail the consistency test
        size_t cutReplyAt = 0; // answers stop after this many bytes (0: whole answers)
        size_t chunkSize = 0; // answers leave in pieces of this size (0: one piece)
        Millis delayMs = 0; // answers leave this long after their frame ended
        std::string noise; // line noise sent before every answer
        std::string trail; // line noise sent after every answer
        std::optional<size_t> flipByte; // this byte (from 0) of the next image reply reads 0xFF
    };

    // Counts of what the emulator has seen, for tests and the simulator's log.
    struct Stats {
        int imagesStored = 0;
        int imagesRefused = 0;
        int imageRequests = 0;
        int clockRequests = 0;
        int clockSets = 0;
        int framesDropped = 0;
    };

    // Device time: weekday code 'A' (Sunday)..'G' (Saturday) and time of day.
    struct Time {
        char code = 'A';
        int hour = 0;
        int minute = 0;
        int second = 0;
    };

    // Without a clock the emulator uses a monotonic system clock.
    explicit DeviceEmulator(ClockFn clock = {});

    void setOutput(OutputFn output) { m_output = std::move(output); }
    void setLog(LogFn log) { m_log = std::move(log); }
    Faults &faults() { return m_faults; }
    const Faults &faults() const { return m_faults; }
    void setFaults(const Faults &faults) { m_faults = faults; }

    void feed(const uint8_t *data, size_t size);
    void feed(const std::vector<uint8_t> &bytes) { feed(bytes.data(), bytes.size()); }
    void feed(std::string_view bytes) { feed(reinterpret_cast<const uint8_t *>(bytes.data()), bytes.size()); }

    // Sends the delayed answers that are due now. Call it when nextDue() has passed.
    void poll();
    // When the next delayed answer falls due; empty when none waits.
    std::optional<Millis> nextDue() const;

    // Answers sent while no output callback was set, one element per piece.
    std::vector<std::vector<uint8_t>> takeChunks();
    // The same, joined.
    std::vector<uint8_t> takeOutput();

    // Images by code 'A'..'H'; a code outside that range yields the blank image / is ignored.
    const DayImage &image(char code) const;
    void setImage(char code, const DayImage &image);

    Time time() const;
    // Seconds since Sunday 00:00:00 on the device's clock, 0 .. kWeekSeconds - 1.
    int64_t weekSeconds() const;
    void setWeekSeconds(int64_t seconds);
    void setTime(const Time &time);

    const Stats &stats() const { return m_stats; }

    static bool isImageCode(uint8_t code) { return code >= 'A' && code <= 'H'; }
    static bool isWeekdayCode(uint8_t code) { return code >= 'A' && code <= 'G'; }

private:
    enum class State { Idle, Command, ImageCode, Image, ImageEnd, RequestCode, RequestEnd, ClockCode, ClockDigits };

    void step(uint8_t byte);
    void drop(const std::string &why, uint8_t byte);
    void imageFrameDone();
    void requestDone();
    void clockSetDone();
    void answer(std::vector<uint8_t> bytes, const std::string &what);
    void sendNow(const std::vector<uint8_t> &bytes);
    void log(const std::string &line);
    Millis now() const { return m_clock(); }

    ClockFn m_clock;
    OutputFn m_output;
    LogFn m_log;
    Faults m_faults;
    Stats m_stats;

    std::array<DayImage, kImageCount> m_images;
    // Device week seconds at the clock reading m_clockBase.
    int64_t m_weekSecondsAtBase = 0;
    Millis m_clockBase = 0;

    State m_state = State::Idle;
    uint8_t m_code = 0;
    std::vector<uint8_t> m_frame; // image bytes or clock digits of the frame being read
    size_t m_skipped = 0; // bytes dropped outside any frame since the last log line
    bool m_feeding = false;
    std::vector<uint8_t> m_backlog; // fed from within the output callback, read next

    struct Pending {
        Millis due;
        std::vector<uint8_t> bytes;
    };
    std::deque<Pending> m_pending;
    std::vector<std::vector<uint8_t>> m_queued;
};
