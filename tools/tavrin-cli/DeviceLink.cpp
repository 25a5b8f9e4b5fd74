#include "DeviceLink.h"

#include "device/CComm.h"
#include "device/SerialReceiver.h"

// Hands what the port hears to the link's callbacks.
class DeviceLinkReceiver : public SerialReceiver {
public:
    explicit DeviceLinkReceiver(DeviceLink &link)
        : m_link(link)
    {
    }
    void serialReceived(const uint8_t *data, size_t size) override
    {
        if (m_link.onReceived)
            m_link.onReceived(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    }
    void serialFailed(const QString &) override
    {
        if (m_link.onLost)
            m_link.onLost();
    }

private:
    DeviceLink &m_link;
};

namespace {
// The line the dialogs configure: port 1 unless named, 9600 baud, 8 data bits, one stop bit,
// no parity.
constexpr uint8_t kPortNumber = 1;
constexpr uint32_t kBaudRate = 9600;
constexpr uint8_t kDataBits = 8;
constexpr uint8_t kOneStopBit = 0;
constexpr uint8_t kNoParity = 0;
} // namespace

DeviceLink::DeviceLink()
    : m_comm(std::make_unique<CComm>())
    , m_receiver(std::make_unique<DeviceLinkReceiver>(*this))
{
}

DeviceLink::~DeviceLink()
{
    close();
}

bool DeviceLink::open(const QString &portName, QString &error)
{
    m_comm->Configure(kPortNumber, kBaudRate, kDataBits, kOneStopBit, kNoParity);
    m_comm->setPortName(portName);
    if (m_comm->OpenIfClosed(m_receiver.get()))
        return true;
    error = m_comm->openFailure();
    return false;
}

void DeviceLink::write(const QByteArray &frame)
{
    m_comm->Write(reinterpret_cast<const uint8_t *>(frame.constData()), size_t(frame.size()));
}

bool DeviceLink::drain(int timeoutMs) { return m_comm->Drain(timeoutMs); }

void DeviceLink::close() { m_comm->Shutdown(); }
