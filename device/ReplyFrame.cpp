#include "device/ReplyFrame.h"

#include "device/FrameBytes.h"

using FrameBytes::kStart;
constexpr char kTerminator = FrameBytes::kEnd;

QByteArray ReplyFrame::completed(const QByteArray &text)
{
    const qsizetype end = text.indexOf(kTerminator);
    return end < 0 ? QByteArray() : text.left(end + 1);
}

QByteArray ReplyFrame::fromLastStart(const QByteArray &reply)
{
    const QByteArray frame = completed(reply);
    const qsizetype start = frame.lastIndexOf(kStart);
    return start < 0 ? QByteArray() : frame.mid(start);
}

QByteArray ReplyFrame::fromFirstClockStart(const QByteArray &reply)
{
    const QByteArray frame = completed(reply);
    const char clockStart[] = {kStart, FrameBytes::kRequest};
    const qsizetype start = frame.indexOf(QByteArrayView(clockStart, 2));
    return start < 0 ? QByteArray() : frame.mid(start);
}
