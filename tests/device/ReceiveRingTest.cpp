#include "device/ReceiveRing.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

// The assembly rule written out plainly: write (zero bytes are noise and dropped), put a zero
// after, look for the first zero and for 0xFF in front of it. The ring must behave exactly like this for any input.
struct PlainRing {
    std::vector<uint8_t> buf = std::vector<uint8_t>(ReceiveRing::kSize, 0);
    size_t index = 0;
    std::string text;

    bool append(const std::string &chunk)
    {
        for (char c : chunk) {
            if (c == 0)
                continue;
            buf[index] = uint8_t(c);
            index = (index + 1) % ReceiveRing::kSize;
        }
        buf[index] = 0;
        size_t end = 0;
        while (buf[end] != 0)
            ++end;
        text.assign(buf.begin(), buf.begin() + long(end));
        const bool complete = text.find('\xFF') != std::string::npos;
        if (complete)
            index = 0;
        return complete;
    }
};

} // namespace

TEST(ReceiveRingTest, AssemblesChunksAndStartsOverAfterTheTerminator)
{
    ReceiveRing ring;
    EXPECT_EQ(ring.replyText(), "");
    EXPECT_FALSE(ring.append("T'"));
    EXPECT_EQ(ring.index(), 2u);
    EXPECT_FALSE(ring.append("B"));
    EXPECT_EQ(ring.replyText(), "T'B");
    EXPECT_TRUE(ring.append("\xFF"));
    EXPECT_EQ(ring.replyText(), "T'B\xFF");
    EXPECT_EQ(ring.index(), 0u);

    // 0xFF in mid-chunk completes; what follows it stays in the text until overwritten.
    EXPECT_TRUE(ring.append("T'C\xFFxyz"));
    EXPECT_EQ(ring.replyText(), "T'C\xFFxyz");
    EXPECT_FALSE(ring.append("T%"));
    EXPECT_EQ(ring.replyText(), "T%");
    EXPECT_TRUE(ring.append(std::string("D\xFF", 2)));
    EXPECT_EQ(ring.replyText(), "T%D\xFF");

    ring.reset();
    EXPECT_EQ(ring.index(), 0u);
    EXPECT_EQ(ring.replyText(), "");
}

TEST(ReceiveRingTest, ZeroBytesAreDroppedAsNoise)
{
    ReceiveRing ring;
    // A zero would hide the 0xFF behind it for 64 KiB.
    EXPECT_FALSE(ring.append(std::string("\0T!\0", 4)));
    EXPECT_EQ(ring.replyText(), "T!");
    EXPECT_EQ(ring.index(), 2u);
    EXPECT_TRUE(ring.append(std::string("H\0\xFF", 3)));
    EXPECT_EQ(ring.replyText(), "T!H\xFF");
    EXPECT_EQ(ring.index(), 0u);
}

TEST(ReceiveRingTest, WrapsAfter65536BytesWithoutTerminator)
{
    ReceiveRing ring;
    const std::string block(2048, 'a');
    for (int i = 0; i < 32; ++i)
        EXPECT_FALSE(ring.append(block));
    EXPECT_EQ(ring.index(), 0u);
    EXPECT_EQ(ring.replyText(), ""); // the zero after the last byte landed at the front

    // 70,000 bytes: the ring is overwritten from the start and the text is the newest part.
    ring.reset();
    std::string stream(70000, 'x');
    for (size_t i = 0; i < stream.size(); ++i)
        stream[i] = char('A' + i % 26);
    EXPECT_FALSE(ring.append(stream));
    EXPECT_EQ(ring.index(), 70000u - 65536u);
    EXPECT_EQ(ring.replyText(), stream.substr(65536));
    EXPECT_TRUE(ring.append("\xFF"));
    EXPECT_EQ(ring.index(), 0u);
}

TEST(ReceiveRingTest, MatchesThePlainRuleForAnyChunking)
{
    std::mt19937 rng(4711);
    for (int round = 0; round < 40; ++round) {
        ReceiveRing ring;
        PlainRing plain;
        // Long runs of printable bytes, with the odd zero and 0xFF, in chunks from 1 to 3000.
        const int chunks = round < 4 ? 150 : 40;
        for (int c = 0; c < chunks; ++c) {
            std::string chunk(std::uniform_int_distribution<size_t>(1, 3000)(rng), '0');
            for (char &b : chunk) {
                const unsigned r = rng() % 4000;
                b = r == 0 ? '\0' : r == 1 && round % 2 ? '\xFF' : char(0x30 + rng() % 0x20);
            }
            const bool expected = plain.append(chunk);
            ASSERT_EQ(ring.append(chunk), expected) << "round " << round << " chunk " << c;
            ASSERT_EQ(ring.index(), plain.index);
            ASSERT_EQ(std::string(ring.replyText()), plain.text);
        }
    }
}
