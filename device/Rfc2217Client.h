#pragma once

#include <QByteArray>

#include <array>
#include <cstdint>

// The client's side of a telnet connection to a server that controls a serial line for it
// (the COM-PORT-OPTION): bytes from the server in, the line's bytes and the client's answers
// out. It touches no socket, so it can be driven byte by byte.
//
// On connecting, send start(): it offers binary transmission and the COM-PORT-OPTION. Once
// the server agrees, the client asks for the line settings; the line is ready when the server
// has confirmed baud rate, data size, parity and stop size. Control settings (flow control,
// DTR, RTS) are asked for too but never waited for: some servers do not answer them.
class Rfc2217Client {
public:
    struct LineSettings {
        uint32_t baudRate = 9600;
        uint8_t dataBits = 8;
        uint8_t parity = 1; // 1 none, 2 odd, 3 even, 4 mark, 5 space
        uint8_t stopBits = 1; // 1 one, 2 two, 3 one and a half
    };

    explicit Rfc2217Client(const LineSettings &settings);
    Rfc2217Client()
        : Rfc2217Client(LineSettings{})
    {
    }

    QByteArray start();
    // Takes what the server sent; returns the line's bytes among it. Telnet commands may be
    // split anywhere across calls.
    QByteArray received(const QByteArray &bytes);
    // The line's bytes as they go to the server: every 0xFF doubled.
    static QByteArray escaped(const QByteArray &data);
    // The answers and requests owed to the server since the last call.
    QByteArray takeOutgoing();
    // Asks the server to drop DTR, as when the line closes.
    void dropDtr();

    bool ready() const { return m_comPort == Option::Enabled && m_confirmed == kAllConfirmed; }
    // The server will not control the line.
    bool refused() const { return m_comPort == Option::Refused; }

private:
    enum class State { Data, Command, Option, Sub, SubCommand };
    enum class Option { Off, Asked, Enabled, Refused };
    static constexpr unsigned kAllConfirmed = 0xF;

    void negotiate(uint8_t verb, uint8_t option);
    void subnegotiation();
    void sendLineSettings();
    void sendOption(uint8_t verb, uint8_t option);
    void sendComPort(uint8_t command, const QByteArray &value);

    LineSettings m_settings;
    State m_state = State::Data;
    uint8_t m_verb = 0;
    QByteArray m_sub;
    QByteArray m_outgoing;
    // Per option: ours (WILL/WONT) and the server's (DO/DONT) state.
    std::array<Option, 256> m_ours{};
    std::array<Option, 256> m_theirs{};
    Option m_comPort = Option::Off;
    unsigned m_confirmed = 0; // bit per confirmed setting: baud, data size, parity, stop size
};
