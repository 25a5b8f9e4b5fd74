#include "device/Rfc2217Client.h"

namespace {

constexpr uint8_t kIac = 255;
constexpr uint8_t kDont = 254;
constexpr uint8_t kDo = 253;
constexpr uint8_t kWont = 252;
constexpr uint8_t kWill = 251;
constexpr uint8_t kSb = 250;
constexpr uint8_t kSe = 240;

constexpr uint8_t kBinary = 0;
constexpr uint8_t kSuppressGoAhead = 3;
constexpr uint8_t kComPortOption = 44;

// COM-PORT-OPTION commands; the server answers each with the same number plus 100.
constexpr uint8_t kSetBaudRate = 1;
constexpr uint8_t kSetDataSize = 2;
constexpr uint8_t kSetParity = 3;
constexpr uint8_t kSetStopSize = 4;
constexpr uint8_t kSetControl = 5;
constexpr uint8_t kServerOffset = 100;

constexpr uint8_t kControlNoFlowControl = 1;
constexpr uint8_t kControlDtrOn = 8;
constexpr uint8_t kControlDtrOff = 9;
constexpr uint8_t kControlRtsOn = 11;

// A subnegotiation longer than any the option knows is not one of ours: cut it off.
constexpr qsizetype kLongestSub = 64;

bool weOffer(uint8_t option)
{
    return option == kBinary || option == kSuppressGoAhead || option == kComPortOption;
}

bool weAccept(uint8_t option)
{
    return option == kBinary || option == kSuppressGoAhead;
}

} // namespace

Rfc2217Client::Rfc2217Client(const LineSettings &settings)
    : m_settings(settings)
{
}

QByteArray Rfc2217Client::start()
{
    for (uint8_t option : {kBinary, kSuppressGoAhead, kComPortOption}) {
        m_ours[option] = Option::Asked;
        sendOption(kWill, option);
    }
    for (uint8_t option : {kBinary, kSuppressGoAhead}) {
        m_theirs[option] = Option::Asked;
        sendOption(kDo, option);
    }
    m_comPort = Option::Asked;
    return takeOutgoing();
}

QByteArray Rfc2217Client::received(const QByteArray &bytes)
{
    QByteArray data;
    data.reserve(bytes.size());
    for (const char c : bytes) {
        const auto byte = uint8_t(c);
        switch (m_state) {
        case State::Data:
            if (byte == kIac)
                m_state = State::Command;
            else
                data.append(c);
            break;
        case State::Command:
            if (byte == kIac) {
                data.append(c); // a doubled 0xFF is one data byte
                m_state = State::Data;
            } else if (byte >= kWill && byte <= kDont) {
                m_verb = byte;
                m_state = State::Option;
            } else if (byte == kSb) {
                m_sub.clear();
                m_state = State::Sub;
            } else {
                m_state = State::Data; // NOP, go-ahead and the like carry nothing for us
            }
            break;
        case State::Option:
            negotiate(m_verb, byte);
            m_state = State::Data;
            break;
        case State::Sub:
            if (byte == kIac)
                m_state = State::SubCommand;
            else if (m_sub.size() < kLongestSub)
                m_sub.append(c);
            break;
        case State::SubCommand:
            if (byte == kIac) {
                if (m_sub.size() < kLongestSub)
                    m_sub.append(c);
                m_state = State::Sub;
            } else {
                if (byte == kSe)
                    subnegotiation();
                m_state = State::Data;
            }
            break;
        }
    }
    return data;
}

QByteArray Rfc2217Client::escaped(const QByteArray &data)
{
    QByteArray out;
    out.reserve(data.size() + data.count(char(kIac)));
    for (const char c : data) {
        out.append(c);
        if (uint8_t(c) == kIac)
            out.append(c);
    }
    return out;
}

QByteArray Rfc2217Client::takeOutgoing()
{
    QByteArray out;
    out.swap(m_outgoing);
    return out;
}

void Rfc2217Client::dropDtr()
{
    if (m_comPort == Option::Enabled)
        sendComPort(kSetControl, QByteArray(1, char(kControlDtrOff)));
}

void Rfc2217Client::negotiate(uint8_t verb, uint8_t option)
{
    // Answer a request only when it changes something, so two sides never echo each other.
    if (verb == kDo || verb == kDont) {
        Option &ours = m_ours[option];
        const bool wanted = verb == kDo && weOffer(option);
        if (wanted && ours != Option::Enabled) {
            if (ours != Option::Asked)
                sendOption(kWill, option);
            ours = Option::Enabled;
            if (option == kComPortOption) {
                m_comPort = Option::Enabled;
                sendLineSettings();
            }
        } else if (!wanted && ours != Option::Refused && ours != Option::Off) {
            if (ours == Option::Enabled)
                sendOption(kWont, option);
            ours = Option::Refused;
            if (option == kComPortOption)
                m_comPort = Option::Refused;
        } else if (!wanted && verb == kDo) {
            sendOption(kWont, option);
        }
        return;
    }
    Option &theirs = m_theirs[option];
    const bool wanted = verb == kWill && weAccept(option);
    if (wanted && theirs != Option::Enabled) {
        if (theirs != Option::Asked)
            sendOption(kDo, option);
        theirs = Option::Enabled;
    } else if (!wanted && theirs != Option::Refused && theirs != Option::Off) {
        if (theirs == Option::Enabled)
            sendOption(kDont, option);
        theirs = Option::Refused;
    } else if (!wanted && verb == kWill) {
        sendOption(kDont, option);
    }
}

void Rfc2217Client::subnegotiation()
{
    if (m_sub.size() < 2 || uint8_t(m_sub.at(0)) != kComPortOption)
        return;
    const auto command = uint8_t(m_sub.at(1));
    if (command >= kServerOffset + kSetBaudRate && command <= kServerOffset + kSetStopSize)
        m_confirmed |= 1u << (command - kServerOffset - kSetBaudRate);
}

void Rfc2217Client::sendLineSettings()
{
    const uint32_t baud = m_settings.baudRate;
    QByteArray rate;
    for (int shift = 24; shift >= 0; shift -= 8)
        rate.append(char((baud >> shift) & 0xFF));
    sendComPort(kSetBaudRate, rate);
    sendComPort(kSetDataSize, QByteArray(1, char(m_settings.dataBits)));
    sendComPort(kSetParity, QByteArray(1, char(m_settings.parity)));
    sendComPort(kSetStopSize, QByteArray(1, char(m_settings.stopBits)));
    for (uint8_t control : {kControlNoFlowControl, kControlDtrOn, kControlRtsOn})
        sendComPort(kSetControl, QByteArray(1, char(control)));
}

void Rfc2217Client::sendOption(uint8_t verb, uint8_t option)
{
    m_outgoing.append(char(kIac));
    m_outgoing.append(char(verb));
    m_outgoing.append(char(option));
}

void Rfc2217Client::sendComPort(uint8_t command, const QByteArray &value)
{
    m_outgoing.append(char(kIac));
    m_outgoing.append(char(kSb));
    m_outgoing.append(char(kComPortOption));
    m_outgoing.append(char(command));
    m_outgoing.append(escaped(value));
    m_outgoing.append(char(kIac));
    m_outgoing.append(char(kSe));
}
