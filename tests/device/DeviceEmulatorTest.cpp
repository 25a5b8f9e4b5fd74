#include "device/DeviceEmulator.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

std::string bytes(const std::vector<uint8_t> &v)
{
    return std::string(v.begin(), v.end());
}

std::string imageWithEvent()
{
    DayImage image;
    auto &b = image.bytes();
    b[4 * 480] = 0x30 | MinuteSlot::kMelody | MinuteSlot::kAcOn; // 08:00 melody 5, CH1+CH3
    b[4 * 480 + 2] = 0x35;
    b[4 * 480 + 3] = 0x45;
    return std::string(b.begin(), b.end());
}

std::string imageFrame(char code, const std::string &image)
{
    return std::string("T#") + code + image + '\xFF';
}

std::string blankImage()
{
    const DayImage blank;
    return std::string(blank.bytes().begin(), blank.bytes().end());
}

struct Device {
    DeviceEmulator::Millis clock = 1000;
    DeviceEmulator emu{[this] { return clock; }};

    std::string send(const std::string &frame)
    {
        emu.feed(frame);
        return bytes(emu.takeOutput());
    }
};

} // namespace

TEST(DeviceEmulatorTest, StoresImagesAndSendsThemBack)
{
    Device d;
    // At start every weekday image is blank.
    for (char code = 'A'; code <= 'G'; ++code)
        EXPECT_EQ(d.send(std::string("T!") + code + '\xFF'), std::string("T!") + code + blankImage() + '\xFF');

    const std::string image = imageWithEvent();
    EXPECT_EQ(d.send(imageFrame('C', image)), "T'C\xFF");
    EXPECT_EQ(d.send("T!C\xFF"), "T!C" + image + '\xFF');
    EXPECT_EQ(d.emu.stats().imagesStored, 1);

    // The eighth image is stored too, but "T!H" reads the clock, not it.
    EXPECT_EQ(d.send(imageFrame('H', image)), "T'H\xFF");
    EXPECT_EQ(d.emu.image('H').bytes()[4 * 480 + 2], 0x35);
    EXPECT_EQ(d.send("T!H\xFF").size(), 10u);

    // Byte by byte, or in odd pieces, the frame is the same frame.
    const std::string frame = imageFrame('E', image);
    for (char c : frame)
        d.emu.feed(std::string(1, c));
    EXPECT_EQ(bytes(d.emu.takeOutput()), "T'E\xFF");
    std::mt19937 rng(7);
    for (size_t at = 0; at < frame.size();) {
        const size_t n = std::min<size_t>(rng() % 700 + 1, frame.size() - at);
        d.emu.feed(frame.substr(at, n));
        at += n;
    }
    EXPECT_EQ(bytes(d.emu.takeOutput()), "T'E\xFF");
}

TEST(DeviceEmulatorTest, RefusesImagesWithBytesOutOfRange)
{
    Device d;
    std::string image = imageWithEvent();
    for (uint8_t bad : {uint8_t(0x2F), uint8_t(0x50), uint8_t('T'), uint8_t(0x00)}) {
        image[100] = char(bad);
        EXPECT_EQ(d.send(imageFrame('B', image)), "T%B\xFF") << int(bad);
    }
    EXPECT_EQ(d.send("T!B\xFF"), "T!B" + blankImage() + '\xFF');
    EXPECT_EQ(d.emu.stats().imagesRefused, 4);
}

TEST(DeviceEmulatorTest, ClockRunsFromTheTimeSet)
{
    Device d;
    EXPECT_EQ(d.send("T$D070509\xFF"), ""); // no answer
    EXPECT_EQ(d.send("T!H\xFF"), "T!D070509\xFF");
    d.clock += 61'999;
    EXPECT_EQ(d.send("T!H\xFF"), "T!D070610\xFF");

    // Saturday 23:59:59 runs on into Sunday.
    d.send("T$G235959\xFF");
    d.clock += 1000;
    EXPECT_EQ(d.send("T!H\xFF"), "T!A000000\xFF");

    // Times no clock shows, and "H", which is no weekday, leave the clock alone.
    d.send("T$B246000\xFF");
    d.send("T$H120000\xFF");
    d.send("T$B12:000\xFF");
    EXPECT_EQ(d.send("T!H\xFF"), "T!A000000\xFF");
    EXPECT_EQ(d.emu.stats().clockSets, 2);
}

TEST(DeviceEmulatorTest, DropsNoiseAndResynchronisesOnTheNextStart)
{
    Device d;
    const std::string image = imageWithEvent();
    const std::string ack = "T'B\xFF";
    // Garbage before, a repeated start byte, unknown commands and codes.
    EXPECT_EQ(d.send("xx\x00\xFFT" + imageFrame('B', image)), ack);
    EXPECT_EQ(d.send("TQT!Z\xFFT#I" + imageFrame('B', image)), ack);
    // A request whose terminator is missing, followed straight by the next frame.
    EXPECT_EQ(d.send("T!B" + imageFrame('B', image)), ack);
    // An image frame cut short by its 0xFF is dropped; the frame after it is served.
    EXPECT_EQ(d.send("T#B" + image.substr(0, 1000) + "\xFF" + imageFrame('B', image)), ack);
    // An image with one byte too many is not stored and answers nothing.
    EXPECT_EQ(d.send("T#C" + image + "0\xFF"), "");
    EXPECT_EQ(d.emu.image('C').bytes(), DayImage().bytes());
    EXPECT_GE(d.emu.stats().framesDropped, 6);

    // 70,000 bytes without a terminator, then a request: still answered.
    EXPECT_EQ(d.send(std::string(70000, '\x41')), "");
    EXPECT_EQ(d.send("T!B\xFF"), "T!B" + image + '\xFF');
}

TEST(DeviceEmulatorTest, FaultSwitches)
{
    Device d;
    const std::string image = imageWithEvent();

    d.emu.faults().refuseCodes = "DF";
    EXPECT_EQ(d.send(imageFrame('D', image)), "T%D\xFF");
    EXPECT_EQ(d.send(imageFrame('E', image)), "T'E\xFF");
    d.emu.faults().refuseCodes.clear();

    // Silent: the device still acts on the frame but says nothing.
    d.emu.faults().silent = true;
    EXPECT_EQ(d.send(imageFrame('F', image)), "");
    EXPECT_EQ(d.send("T!F\xFF"), "");
    d.emu.faults().silent = false;
    EXPECT_EQ(d.send("T!F\xFF"), "T!F" + image + '\xFF');

    // A corrupted upload fails the consistency test; what is stored stays intact.
    d.emu.faults().corruptUpload = true;
    const std::string corrupt = d.send("T!F\xFF");
    ASSERT_EQ(corrupt.size(), 5764u);
    EXPECT_FALSE(DayImage::CheckLines(reinterpret_cast<const uint8_t *>(corrupt.data()) + 3, 5760));
    EXPECT_TRUE(d.emu.image('F').CheckLines());
    d.emu.faults().corruptUpload = false;

    d.emu.faults().cutReplyAt = 2000;
    EXPECT_EQ(d.send("T!F\xFF"), ("T!F" + image).substr(0, 2000));
    EXPECT_EQ(d.send(imageFrame('F', image)), "T'F\xFF"); // shorter answers are whole
    d.emu.faults().cutReplyAt = 0;

    d.emu.faults().chunkSize = 1000;
    d.emu.feed(std::string("T!F\xFF"));
    const auto chunks = d.emu.takeChunks();
    ASSERT_EQ(chunks.size(), 6u);
    EXPECT_EQ(chunks[5].size(), 764u);
    d.emu.faults().chunkSize = 0;

    // Delay: nothing until the clock reaches the due time, then in frame order.
    d.emu.faults().delayMs = 500;
    d.emu.feed(std::string("T!H\xFF"));
    d.emu.feed(imageFrame('G', image));
    EXPECT_TRUE(d.emu.takeChunks().empty());
    ASSERT_TRUE(d.emu.nextDue());
    EXPECT_EQ(*d.emu.nextDue(), d.clock + 500);
    d.clock += 499;
    d.emu.poll();
    EXPECT_TRUE(d.emu.takeChunks().empty());
    d.clock += 1;
    d.emu.poll();
    const std::string late = bytes(d.emu.takeOutput());
    EXPECT_EQ(late.size(), 14u);
    EXPECT_EQ(late.substr(10), "T'G\xFF");
    EXPECT_FALSE(d.emu.nextDue());
}

TEST(DeviceEmulatorTest, OutputCallbackAndLog)
{
    Device d;
    std::string out;
    std::vector<std::string> lines;
    // A host that answers every acknowledgement with a clock request at once, from inside
    // the callback: its request is read after the frames already fed.
    d.emu.setOutput([&](const uint8_t *p, size_t n) {
        const std::string answer(reinterpret_cast<const char *>(p), n);
        out += answer;
        if (answer.rfind("T'", 0) == 0)
            d.emu.feed(std::string("T!H\xFF"));
    });
    d.emu.setLog([&](const std::string &line) { lines.push_back(line); });
    d.emu.feed(imageFrame('A', imageWithEvent()) + "T$B010203\xFF");
    EXPECT_EQ(out, "T'A\xFFT!B010203\xFF");
    ASSERT_EQ(lines.size(), 5u);
    EXPECT_EQ(lines[0].rfind("<- T#A", 0), 0u);
    EXPECT_EQ(lines[1].rfind("-> T'A", 0), 0u);
    EXPECT_EQ(lines[2].rfind("<- T$B 010203", 0), 0u);
}
