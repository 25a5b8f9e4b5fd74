#pragma once

#include <cstddef>
#include <deque>
#include <optional>
#include <utility>

// The message boxes of one device dialog, one on screen at a time. A box asked for while
// another is open waits its turn; the waiting ones come up in the order they were asked for,
// each once the one before it is closed. The exchange itself never waits for them.
//
//     if (auto shown = queue.post(message)) open(*shown);       // when a box is asked for
//     if (auto next = queue.closed()) open(*next);              // when the open one closes
template <class Message> class MessageQueue {
public:
    // The message to open now, or nothing when it must wait for the open one.
    std::optional<Message> post(Message message)
    {
        if (m_showing) {
            m_waiting.push_back(std::move(message));
            return std::nullopt;
        }
        m_showing = true;
        return std::optional<Message>(std::move(message));
    }

    // The open one was closed: the next to open, or nothing when none waits.
    std::optional<Message> closed()
    {
        if (m_waiting.empty()) {
            m_showing = false;
            return std::nullopt;
        }
        std::optional<Message> next(std::move(m_waiting.front()));
        m_waiting.pop_front();
        return next;
    }

    bool isShowing() const { return m_showing; }
    size_t waiting() const { return m_waiting.size(); }

private:
    std::deque<Message> m_waiting;
    bool m_showing = false;
};
