#include "device/Rfc2217Client.h"

#include <QStringBuilder>

#include <gtest/gtest.h>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray out;
    for (int v : values)
        out.append(char(v));
    return out;
}

// A server's confirmation of one COM-PORT-OPTION setting.
QByteArray confirm(int command, std::initializer_list<int> value)
{
    return QByteArray(bytes({255, 250, 44, command + 100}) + bytes(value) + bytes({255, 240}));
}

// The greeting a serial-line server sends on accepting a connection.
const QByteArray kGreeting =
    bytes({255, 251, 3, 255, 253, 3, 255, 251, 1, 255, 254, 1, 255, 253, 0, 255, 251, 0, 255, 253, 44});

const QByteArray kLineConfirmed =
    QByteArray(confirm(1, {0, 0, 0x25, 0x80}) + confirm(2, {8}) + confirm(3, {1}) + confirm(4, {1}));

} // namespace

TEST(Rfc2217Client, NegotiatesTheDevicesLineAndGoesOnWithoutControlConfirmations)
{
    Rfc2217Client client;
    // WILL BINARY, SGA, COM-PORT; DO BINARY, SGA
    EXPECT_EQ(client.start(), bytes({255, 251, 0, 255, 251, 3, 255, 251, 44, 255, 253, 0, 255, 253, 3}));

    EXPECT_TRUE(client.received(kGreeting).isEmpty());
    // Acknowledgements of its own offers need no answer; echo is refused; once the server
    // takes the COM port option, 9600 8N1, no flow control, DTR and RTS on.
    EXPECT_EQ(
        client.takeOutgoing(),
        bytes({255, 254, 1, // DONT ECHO
               255, 250, 44, 1, 0, 0,   0x25, 0x80, 255, 240, 255, 250, 44,  2,   8,   255, 240, // baud, size
               255, 250, 44, 3, 1, 255, 240,  255,  250, 44,  4,   1,   255, 240, // parity, stop
               255, 250, 44, 5, 1, 255, 240,  255,  250, 44,  5,   8,   255, 240, 255, 250, 44,  5, 11, 255, 240}));
    EXPECT_FALSE(client.ready());

    // The server confirms the line and flow control but never DTR or RTS: the line is ready.
    EXPECT_TRUE(client.received(QByteArray(kLineConfirmed + confirm(5, {1}))).isEmpty());
    EXPECT_TRUE(client.ready());
    // Repeated requests for what is already agreed get no answer, so no side echoes the other.
    client.received(bytes({255, 253, 3, 255, 251, 0}));
    EXPECT_TRUE(client.takeOutgoing().isEmpty());
    // Options it does not know are refused.
    client.received(bytes({255, 253, 24, 255, 251, 31}));
    EXPECT_EQ(client.takeOutgoing(), bytes({255, 252, 24, 255, 254, 31}));
}

TEST(Rfc2217Client, DoublesFfOutAndUndoesItInEvenAcrossReads)
{
    EXPECT_EQ(Rfc2217Client::escaped(bytes({0x54, 0xFF, 0x00, 0xFF, 0xFF})),
              bytes({0x54, 0xFF, 0xFF, 0x00, 0xFF, 0xFF, 0xFF, 0xFF}));

    Rfc2217Client client;
    client.start();
    client.received(QByteArray(kGreeting + kLineConfirmed));
    client.takeOutgoing();
    // A reply whose end (0xFF doubled) is split between two reads, then a notification inside
    // the data, itself split, that is no data.
    EXPECT_EQ(client.received(bytes({0x54, 0x27, 0x43, 0xFF})), bytes({0x54, 0x27, 0x43}));
    EXPECT_EQ(client.received(bytes({0xFF, 0x0D, 0xFF, 250, 44})), bytes({0xFF, 0x0D}));
    EXPECT_EQ(client.received(bytes({107, 0x30, 255})), QByteArray());
    EXPECT_EQ(client.received(bytes({240, 0x31, 0x00})), bytes({0x31, 0x00}));
    EXPECT_TRUE(client.takeOutgoing().isEmpty());
}

TEST(Rfc2217Client, ASilentOrUnwillingServerNeverMakesTheLineReady)
{
    Rfc2217Client silent;
    silent.start();
    EXPECT_FALSE(silent.ready());
    EXPECT_FALSE(silent.refused());

    Rfc2217Client unwilling;
    unwilling.start();
    unwilling.received(QByteArray(bytes({255, 254, 44}) + kLineConfirmed));
    EXPECT_TRUE(unwilling.refused());
    EXPECT_FALSE(unwilling.ready());
    EXPECT_TRUE(unwilling.takeOutgoing().isEmpty()); // a refusal of an offer is not answered
}
