#pragma once

#include <QByteArray>

// Where the device's frame stands in a completed reply text. Bytes before a frame's start,
// and after the 0xFF that completed it, are line noise.
namespace ReplyFrame {

// The reply up to and including its first 0xFF; empty when it holds none.
QByteArray completed(const QByteArray &text);

// The image reply in a completed reply: from its last "T" (image bytes lie in 0x30..0x4F and
// never hold one) to the 0xFF. Empty when the reply holds no "T".
QByteArray fromLastStart(const QByteArray &reply);

// The clock reply in a completed reply: from its first "T!" (its tail may hold any byte) to
// the 0xFF. Empty when the reply holds no "T!".
QByteArray fromFirstClockStart(const QByteArray &reply);

} // namespace ReplyFrame
