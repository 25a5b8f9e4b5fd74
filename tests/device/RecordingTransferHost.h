#pragma once

#include "device/ClockSession.h"
#include "device/gui/DayBoxPictures.h"
#include "device/TransferHost.h"
#include "device/TransferOutcomeText.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <vector>

// Records everything a transfer session asks of its dialog, keeps the state the widgets would
// show (through the dialog's own pictures and message texts), and lets the test close message
// boxes when it likes.
class RecordingTransferHost : public TransferHost, public DayBoxes {
public:
    using Icon = OutcomeMessage::Icon;
    struct Message {
        QString text;
        QString caption;
        Icon icon = Icon::None;
        std::function<void()> onClosed;
        bool open = true;
    };
    struct Pictures {
        int normal = 0;
        int selected = 0;
        int hover = 0;
        bool operator==(const Pictures &) const = default;
    };

    void writeFrame(const QByteArray &frame) override
    {
        frames.push_back(frame);
        if (onWrite)
            onWrite(frame);
    }
    void closeDialog(Result r) override { result = r; }

    void setTimer(int id, int intervalMs) override { timers[id] = intervalMs; }
    void killTimer(int id) override { timers.erase(id); }
    bool timerRunning(int id) const { return timers.count(id) != 0; }

    void setProgressRange(int low, int high) override
    {
        rangeLow = low;
        rangeHigh = high;
    }
    void setProgress(int position) override { progress = position; }

    void setBoxChecked(int box, bool c) override { checked[box] = c; }
    void setBoxEnabled(int box, bool e) override { enabled[box] = e; }
    void setBoxState(int box, DayBoxState state) override
    {
        const DayBoxPictures p = dayBoxPictures(state);
        pictures[box] = Pictures{int(p.normal), int(p.selected), int(p.hover)};
        pictureLog[box].push_back(int(p.normal));
    }
    bool isEnabled(int box) const { return enabled.count(box) == 0 || enabled.at(box); }
    bool isChecked(int box) const { return checked.count(box) != 0 && checked.at(box); }

    // As the dialog does: an outcome with a text opens a message box.
    void reportOutcome(const TransferOutcome &outcome, std::function<void()> onAcknowledged) override
    {
        outcomes.push_back(outcome);
        const OutcomeMessage m = transferOutcomeMessage(outcome);
        if (!m.text.isEmpty())
            messages.push_back(Message{m.text, m.caption, m.icon, std::move(onAcknowledged), true});
    }
    // Texts of every message shown so far, in order.
    QStringList messageTexts() const
    {
        QStringList t;
        for (const Message &m : messages)
            t << m.text;
        return t;
    }
    // The operator presses OK on the oldest message still open.
    bool closeMessage()
    {
        for (Message &m : messages) {
            if (m.open) {
                m.open = false;
                if (m.onClosed)
                    m.onClosed();
                return true;
            }
        }
        return false;
    }

    std::function<void(const QByteArray &)> onWrite;
    std::vector<QByteArray> frames;
    std::optional<Result> result;
    std::map<int, int> timers;
    int rangeLow = -1, rangeHigh = -1, progress = -1;
    std::map<int, bool> checked, enabled;
    std::map<int, Pictures> pictures;
    std::map<int, std::vector<int>> pictureLog;
    std::vector<Message> messages;
    std::vector<TransferOutcome> outcomes;
};

class RecordingClockHost : public ClockHost {
public:
    void writeFrame(const QByteArray &frame) override { frames.push_back(frame); }
    void closeDialog(Result r) override { result = r; }
    void reportOutcome(const TransferOutcome &outcome, std::function<void()>) override
    {
        if (outcome.weekdayPosition)
            weekday = *outcome.weekdayPosition;
        if (outcome.clock) {
            hour = outcome.clock->hour;
            minute = outcome.clock->minute;
            second = outcome.clock->second;
            ++timeSets;
        }
        if (outcome.end == TransferEnd::LineError)
            unusable.emplace_back(outcome.clockFault, outcome.reply);
    }

    std::vector<QByteArray> frames;
    std::vector<std::pair<ClockReplyFault, QByteArray>> unusable;
    std::optional<Result> result;
    int weekday = -1, hour = -1, minute = -1, second = -1, timeSets = 0;
};
