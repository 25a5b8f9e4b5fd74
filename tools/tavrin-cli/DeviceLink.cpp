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
    void serialFailed(const QString &reason) override
    {
        if (m_link.onLost)
            m_link.onLost(reason);
    }

private:
    DeviceLink &m_link;
};

DeviceLink::DeviceLink(const ProtocolTimings &timings)
    : m_timings(timings)
    , m_comm(std::make_unique<CComm>())
    , m_receiver(std::make_unique<DeviceLinkReceiver>(*this))
{
}

DeviceLink::~DeviceLink()
{
    close();
}

bool DeviceLink::open(const QString &portName, QString &error)
{
    m_comm->ConfigureForDevice();
    m_comm->setPortName(portName);
    m_comm->setConnectTimeout(m_timings.connectTimeoutMs);
    if (m_comm->OpenIfClosed(m_receiver.get()))
        return true;
    error = m_comm->openFailure();
    return false;
}

void DeviceLink::write(const QByteArray &frame)
{
    m_comm->Write(reinterpret_cast<const uint8_t *>(frame.constData()), size_t(frame.size()));
}

bool DeviceLink::drain()
{
    return m_comm->Drain(m_timings.drainTimeoutMs);
}

void DeviceLink::close()
{
    m_comm->Shutdown();
}
