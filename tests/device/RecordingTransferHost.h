#pragma once

#include "device/ClockSession.h"
#include "device/TransferHost.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>
#include <vector>

// Records everything a transfer session asks of its dialog, keeps the state the widgets would
// show, and lets the test close message boxes when it likes.
class RecordingTransferHost : public TransferHost {
public:
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
    void setBoxBitmaps(int box, int normal, int selected, int hover) override
    {
        pictures[box] = Pictures{normal, selected, hover};
        pictureLog[box].push_back(normal);
    }
    bool isEnabled(int box) const { return enabled.count(box) == 0 || enabled.at(box); }
    bool isChecked(int box) const { return checked.count(box) != 0 && checked.at(box); }

    void showMessage(const QString &text, const QString &caption, Icon icon, std::function<void()> onClosed) override
    {
        messages.push_back(Message{text, caption, icon, std::move(onClosed), true});
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
};

class RecordingClockHost : public ClockHost {
public:
    void writeFrame(const QByteArray &frame) override { frames.push_back(frame); }
    void closeDialog(Result r) override { result = r; }
    void selectWeekday(int position) override { weekday = position; }
    void setTimeOfDay(int h, int m, int s) override
    {
        hour = h;
        minute = m;
        second = s;
        ++timeSets;
    }
    void clockReplyUnusable(ClockReplyFault fault, const QByteArray &reply) override
    {
        unusable.emplace_back(fault, reply);
    }

    std::vector<QByteArray> frames;
    std::vector<std::pair<ClockReplyFault, QByteArray>> unusable;
    std::optional<Result> result;
    int weekday = -1, hour = -1, minute = -1, second = -1, timeSets = 0;
};
