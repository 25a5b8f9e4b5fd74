#pragma once

#include "device/ReceiveRing.h"

#include <QByteArray>

// The ring's reply text as a byte array, and chunks fed from one.
inline QByteArray ringReply(const ReceiveRing &ring)
{
    const std::string_view text = ring.replyText();
    return QByteArray(text.data(), qsizetype(text.size()));
}

inline bool appendChunk(ReceiveRing &ring, const QByteArray &chunk)
{
    return ring.append(reinterpret_cast<const uint8_t *>(chunk.constData()), size_t(chunk.size()));
}
