#include "device/DeviceEmulator.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <utility>

namespace {

constexpr uint8_t kStart = 'T';
constexpr uint8_t kEnd = 0xFF;
constexpr uint8_t kImage = '#';
constexpr uint8_t kRequest = '!';
constexpr uint8_t kSetClock = '$';
constexpr uint8_t kAccepted = '\'';
constexpr uint8_t kRefused = '%';
constexpr char kClockCode = 'H';
constexpr size_t kClockDigits = 6;

DeviceEmulator::Millis steadyMillis()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

int64_t floorMod(int64_t value, int64_t modulus)
{
    const int64_t r = value % modulus;
    return r < 0 ? r + modulus : r;
}

std::string hexByte(uint8_t byte)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", byte);
    return text;
}

std::string frameName(uint8_t command, uint8_t code)
{
    return std::string{char(kStart), char(command), char(code)};
}

} // namespace

DeviceEmulator::DeviceEmulator(ClockFn clock)
    : m_clock(clock ? std::move(clock) : ClockFn(steadyMillis))
{
    m_clockBase = now();
    m_frame.reserve(kFrameImageSize);
}

void DeviceEmulator::feed(const uint8_t *data, size_t size)
{
    if (data == nullptr)
        return;
    if (m_feeding) {
        // Fed from inside an answer (a host that writes its next frame the moment it hears
        // the last answer): those bytes come after the ones still being read.
        m_backlog.insert(m_backlog.end(), data, data + size);
        return;
    }
    m_feeding = true;
    for (size_t i = 0; i < size; ++i)
        step(data[i]);
    while (!m_backlog.empty()) {
        const std::vector<uint8_t> later = std::exchange(m_backlog, {});
        for (uint8_t b : later)
            step(b);
    }
    m_feeding = false;
    poll();
}

void DeviceEmulator::step(uint8_t byte)
{
    switch (m_state) {
    case State::Idle:
        if (byte == kStart) {
            if (m_skipped > 0) {
                log("<- skipped " + std::to_string(m_skipped) + " bytes outside any frame");
                m_skipped = 0;
            }
            m_state = State::Command;
        } else {
            ++m_skipped;
        }
        return;
    case State::Command:
        if (byte == kImage)
            m_state = State::ImageCode;
        else if (byte == kRequest)
            m_state = State::RequestCode;
        else if (byte == kSetClock)
            m_state = State::ClockCode;
        else
            drop("unknown command", byte);
        return;
    case State::ImageCode:
        if (!isImageCode(byte))
            return drop("image frame with day code " + hexByte(byte), byte);
        m_code = byte;
        m_frame.clear();
        m_state = State::Image;
        return;
    case State::Image:
        if (byte == kEnd) {
            // The host ends every frame with 0xFF: a short image is a broken frame, and
            // treating its 0xFF as the end keeps the next frame from being swallowed.
            return drop(frameName(kImage, m_code) + " image ended after " + std::to_string(m_frame.size()) + " bytes",
                        byte);
        }
        m_frame.push_back(byte);
        if (m_frame.size() == kFrameImageSize)
            m_state = State::ImageEnd;
        return;
    case State::ImageEnd:
        if (byte != kEnd)
            return drop(frameName(kImage, m_code) + " image not followed by 0xFF", byte);
        m_state = State::Idle;
        imageFrameDone();
        return;
    case State::RequestCode:
        if (!isImageCode(byte))
            return drop("request with day code " + hexByte(byte), byte);
        m_code = byte;
        m_state = State::RequestEnd;
        return;
    case State::RequestEnd:
        if (byte != kEnd)
            return drop(frameName(kRequest, m_code) + " request not followed by 0xFF", byte);
        m_state = State::Idle;
        requestDone();
        return;
    case State::ClockCode:
        if (!isWeekdayCode(byte))
            return drop("clock setting with day code " + hexByte(byte), byte);
        m_code = byte;
        m_frame.clear();
        m_state = State::ClockDigits;
        return;
    case State::ClockDigits:
        if (m_frame.size() < kClockDigits) {
            if (byte < '0' || byte > '9')
                return drop(frameName(kSetClock, m_code) + " clock setting with " + hexByte(byte) + " among its digits",
                            byte);
            m_frame.push_back(byte);
            return;
        }
        if (byte != kEnd)
            return drop(frameName(kSetClock, m_code) + " clock setting not followed by 0xFF", byte);
        m_state = State::Idle;
        clockSetDone();
        return;
    }
}

void DeviceEmulator::drop(const std::string &why, uint8_t byte)
{
    ++m_stats.framesDropped;
    log("<- dropped: " + why);
    // The byte that broke the frame may itself start the next one.
    m_state = byte == kStart ? State::Command : State::Idle;
}

void DeviceEmulator::imageFrameDone()
{
    const std::string name = frameName(kImage, m_code);
    log("<- " + name + " image (" + std::to_string(kFrameImageSize + 4) + " bytes)");

    std::string refusal;
    const auto bad = std::find_if(m_frame.begin(), m_frame.end(), [](uint8_t b) { return b < 0x30 || b > 0x4F; });
    if (bad != m_frame.end())
        refusal = "byte " + hexByte(*bad) + " at " + std::to_string(bad - m_frame.begin());
    else if (m_faults.refuseCodes.find(char(m_code)) != std::string::npos)
        refusal = "code refused by fault switch";

    if (!refusal.empty()) {
        ++m_stats.imagesRefused;
        answer({kStart, kRefused, m_code, kEnd}, "refused: " + refusal);
        return;
    }
    if (m_faults.forgetCodes.find(char(m_code)) != std::string::npos) {
        // A memory that fails to write after the device has said yes: only a read-back finds it.
        answer({kStart, kAccepted, m_code, kEnd}, "accepted, not kept (fault switch)");
        return;
    }
    std::copy(m_frame.begin(), m_frame.end(), m_images[size_t(m_code - 'A')].bytes().begin());
    ++m_stats.imagesStored;
    answer({kStart, kAccepted, m_code, kEnd}, "accepted");
}

void DeviceEmulator::requestDone()
{
    if (m_code == kClockCode) {
        ++m_stats.clockRequests;
        log("<- T!H clock request");
        const Time t = time();
        char digits[16];
        std::snprintf(digits, sizeof digits, "%02d%02d%02d", t.hour, t.minute, t.second);
        std::vector<uint8_t> reply(3 + kClockDigits + 1, kEnd);
        reply[0] = kStart;
        reply[1] = kRequest;
        reply[2] = uint8_t(t.code);
        std::copy(digits, digits + kClockDigits, reply.begin() + 3);
        answer(std::move(reply), std::string(digits) + " clock");
        return;
    }

    ++m_stats.imageRequests;
    log("<- " + frameName(kRequest, m_code) + " image request");
    const auto &bytes = m_images[size_t(m_code - 'A')].bytes();
    std::vector<uint8_t> reply(3 + bytes.size() + 1, kEnd);
    reply[0] = kStart;
    reply[1] = kRequest;
    reply[2] = m_code;
    std::copy(bytes.begin(), bytes.end(), reply.begin() + 3);
    std::string what = "image (" + std::to_string(reply.size()) + " bytes)";
    if (m_faults.corruptUpload) {
        // Both halves of slot 0 disagree: the consistency test cannot pass.
        reply[3] = 0x40;
        reply[4] = 0x30;
        reply[5] = 0x30;
        reply[6] = 0x40;
        what += " corrupted";
    }
    if (m_faults.flipByte && *m_faults.flipByte < reply.size()) {
        reply[*m_faults.flipByte] = kEnd;
        what += " byte " + std::to_string(*m_faults.flipByte) + " flipped to 0xFF";
        m_faults.flipByte.reset();
    }
    answer(std::move(reply), what);
}

void DeviceEmulator::clockSetDone()
{
    auto number = [this](size_t at) { return (m_frame[at] - '0') * 10 + (m_frame[at + 1] - '0'); };
    const Time t{char(m_code), number(0), number(2), number(4)};
    const std::string digits(m_frame.begin(), m_frame.end());
    if (t.hour > 23 || t.minute > 59 || t.second > 59) {
        ++m_stats.framesDropped;
        log("<- dropped: " + frameName(kSetClock, m_code) + " " + digits + " is no time of day");
        return;
    }
    ++m_stats.clockSets;
    log("<- " + frameName(kSetClock, m_code) + " " + digits + " set clock");
    setTime(t);
}

void DeviceEmulator::answer(std::vector<uint8_t> bytes, const std::string &what)
{
    std::string line = "-> " + std::string(bytes.begin(), bytes.begin() + 3) + " " + what;
    if (m_faults.silent) {
        log(line + " [silent: not sent]");
        return;
    }
    if (m_faults.cutReplyAt > 0 && m_faults.cutReplyAt < bytes.size()) {
        bytes.resize(m_faults.cutReplyAt);
        line += " [cut to " + std::to_string(bytes.size()) + " bytes]";
    }
    if (!m_faults.noise.empty() || !m_faults.trail.empty()) {
        bytes.insert(bytes.begin(), m_faults.noise.begin(), m_faults.noise.end());
        bytes.insert(bytes.end(), m_faults.trail.begin(), m_faults.trail.end());
        line += " [with " + std::to_string(m_faults.noise.size()) + " + " + std::to_string(m_faults.trail.size())
            + " noise bytes]";
    }
    if (m_faults.chunkSize > 0 && m_faults.chunkSize < bytes.size())
        line += " [in pieces of " + std::to_string(m_faults.chunkSize) + "]";
    const Millis delay = std::max<Millis>(0, m_faults.delayMs);
    if (delay > 0)
        line += " [after " + std::to_string(delay) + " ms]";
    log(line);
    m_pending.push_back({now() + delay, std::move(bytes)});
    poll();
}

void DeviceEmulator::poll()
{
    // Answers leave in the order of their frames, even if the delay was changed between them.
    const Millis t = now();
    while (!m_pending.empty() && m_pending.front().due <= t) {
        Pending p = std::move(m_pending.front());
        m_pending.pop_front();
        sendNow(p.bytes);
    }
}

std::optional<DeviceEmulator::Millis> DeviceEmulator::nextDue() const
{
    if (m_pending.empty())
        return std::nullopt;
    return m_pending.front().due;
}

void DeviceEmulator::sendNow(const std::vector<uint8_t> &bytes)
{
    const size_t piece = m_faults.chunkSize > 0 ? m_faults.chunkSize : bytes.size();
    for (size_t at = 0; at < bytes.size(); at += piece) {
        const size_t n = std::min(piece, bytes.size() - at);
        if (m_output)
            m_output(bytes.data() + at, n);
        else
            m_queued.emplace_back(bytes.begin() + at, bytes.begin() + at + n);
    }
}

std::vector<std::vector<uint8_t>> DeviceEmulator::takeChunks()
{
    return std::exchange(m_queued, {});
}

std::vector<uint8_t> DeviceEmulator::takeOutput()
{
    std::vector<uint8_t> joined;
    for (const auto &chunk : m_queued)
        joined.insert(joined.end(), chunk.begin(), chunk.end());
    m_queued.clear();
    return joined;
}

const DayImage &DeviceEmulator::image(char code) const
{
    static const DayImage blank;
    if (!isImageCode(uint8_t(code)))
        return blank;
    return m_images[size_t(code - 'A')];
}

void DeviceEmulator::setImage(char code, const DayImage &image)
{
    if (isImageCode(uint8_t(code)))
        m_images[size_t(code - 'A')] = image;
}

int64_t DeviceEmulator::weekSeconds() const
{
    const int64_t elapsed = (now() - m_clockBase) / 1000;
    return floorMod(m_weekSecondsAtBase + elapsed, kWeekSeconds);
}

void DeviceEmulator::setWeekSeconds(int64_t seconds)
{
    m_clockBase = now();
    m_weekSecondsAtBase = floorMod(seconds, kWeekSeconds);
}

DeviceEmulator::Time DeviceEmulator::time() const
{
    const int64_t s = weekSeconds();
    const int ofDay = int(s % 86400);
    return {char('A' + s / 86400), ofDay / 3600, ofDay / 60 % 60, ofDay % 60};
}

void DeviceEmulator::setTime(const Time &time)
{
    if (!isWeekdayCode(uint8_t(time.code)))
        return;
    setWeekSeconds(int64_t(time.code - 'A') * 86400 + time.hour * 3600 + time.minute * 60 + time.second);
}

void DeviceEmulator::log(const std::string &line)
{
    if (m_log)
        m_log(line);
}
