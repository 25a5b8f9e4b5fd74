#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

// Assembles the device's replies from the chunks the port delivers. Bytes go in at a write
// index that wraps at 65536, a zero byte follows the last one written, and the reply is the
// buffer from its first byte up to the first zero byte. A reply is complete as soon as it
// holds 0xFF; the index then returns to 0 so the next reply starts over at the front.
// No frame byte is ever 0x00, so a received zero byte is line noise and is dropped: it would
// otherwise end the reply text and hide everything after it until the index wraps.
//
// The reply's length and whether it holds 0xFF are kept up to date as chunks arrive, so a
// stream delivered a byte at a time costs no more than one delivered whole.
class ReceiveRing {
public:
    static constexpr size_t kSize = 65536;
    static constexpr uint8_t kTerminator = 0xFF;

    ReceiveRing();

    // Index 0, empty reply: the state of a dialog that has just opened, and of every request
    // just written (what came before belongs to no reply awaited now).
    void reset();

    // Appends one chunk; returns true when the reply is now complete.
    bool append(const uint8_t *data, size_t size);
    bool append(std::string_view chunk)
    {
        return append(reinterpret_cast<const uint8_t *>(chunk.data()), chunk.size());
    }

    // The reply text: buffer content up to the first zero byte. Stays readable after
    // completion until the next append.
    std::string_view replyText() const { return {reinterpret_cast<const char *>(m_buffer.data()), m_textLength}; }
    size_t index() const { return m_index; }
    const uint8_t *buffer() const { return m_buffer.data(); }

private:
    std::vector<uint8_t> m_buffer;
    size_t m_index = 0;
    size_t m_textLength = 0; // offset of the first zero byte
    bool m_complete = false; // the index went back to 0 after the last append
};
