#pragma once

#include <QString>

#include <cstddef>
#include <cstdint>

// What the owner of an open port hears from it.
class SerialReceiver {
public:
    virtual ~SerialReceiver() = default;

    // One received chunk of at most 2048 bytes, in arrival order, on the owner's thread. The
    // bytes stay valid until the handler returns; the next chunk waits for that.
    virtual void serialReceived(const uint8_t *data, size_t size) = 0;

    // The port failed while open (a USB adapter pulled out, the far end of a pseudo-terminal
    // gone): it has been closed and nothing more will arrive. The exchange should end as if
    // the device had fallen silent.
    virtual void serialFailed(const QString &reason) { (void)reason; }
};
