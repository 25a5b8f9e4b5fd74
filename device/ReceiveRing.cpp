#include "device/ReceiveRing.h"

#include <cstring>

ReceiveRing::ReceiveRing()
    : m_buffer(kSize, 0)
{
}

void ReceiveRing::reset()
{
    m_index = 0;
    m_buffer[0] = 0;
    m_textLength = 0;
    m_complete = false;
}

bool ReceiveRing::append(const uint8_t *data, size_t size)
{
    const size_t start = m_index;
    // After a completed reply the old text is stale even though the bytes are still there.
    const bool textFromStart = m_complete;
    bool wrapped = false;
    if (data != nullptr) {
        for (size_t i = 0; i < size; ++i) {
            if (data[i] == 0)
                continue;
            m_buffer[m_index] = data[i];
            m_index = (m_index + 1) & (kSize - 1);
            wrapped = wrapped || m_index == 0;
        }
    }
    m_buffer[m_index] = 0;

    // A zero byte always lies at m_index, so none of the scans below passes it.
    const uint8_t *base = m_buffer.data();
    bool holdsTerminator;
    if (wrapped || textFromStart) {
        m_textLength = size_t(static_cast<const uint8_t *>(std::memchr(base, 0, kSize)) - base);
        holdsTerminator = std::memchr(base, kTerminator, m_textLength) != nullptr;
    } else if (m_textLength == start) {
        // The text ran up to the old write position: it goes on into the new bytes.
        const size_t rest = m_index - start;
        const void *zero = std::memchr(base + start, 0, rest + 1);
        m_textLength = size_t(static_cast<const uint8_t *>(zero) - base);
        holdsTerminator = std::memchr(base + start, kTerminator, m_textLength - start) != nullptr;
    } else {
        // A zero byte earlier in the buffer still ends the text; the new bytes lie beyond it.
        // (The text held no 0xFF, or the index would have returned to 0.)
        holdsTerminator = false;
    }

    m_complete = holdsTerminator;
    if (m_complete)
        m_index = 0;
    return m_complete;
}
