#include "link/DeviceLink.h"

#include "link/Errors.h"

#include <QTimer>

namespace {
// Marks the link busy for the span of one exchange, also when it throws.
struct BusyScope {
    bool& flag;
    explicit BusyScope(bool& f) : flag(f) { flag = true; }
    ~BusyScope() { flag = false; }
};
} // namespace

DeviceLink::DeviceLink(ConnectionTarget& target, Feedback& feedback)
    : m_target(target), m_feedback(feedback) {}

DeviceLink::~DeviceLink() {
    m_socket.abort();
}

bool DeviceLink::isOpen() const {
    return m_socket.state() == QAbstractSocket::ConnectedState;
}

void DeviceLink::close() {
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        m_socket.disconnectFromHost();
    if (m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.abort();
}

void DeviceLink::fail(const QString& why) {
    close();
    throw LinkBroken(why);
}

bool DeviceLink::waitUntil(const std::function<bool()>& ready, int timeoutMs) {
    if (ready())
        return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    auto check = [&] {
        if (ready())
            loop.quit();
    };
    QObject::connect(&m_socket, &QIODevice::readyRead, &loop, check);
    QObject::connect(&m_socket, &QAbstractSocket::connected, &loop, check);
    QObject::connect(&m_socket, &QIODevice::bytesWritten, &loop, check);
    QObject::connect(&m_socket, &QAbstractSocket::disconnected, &loop, &QEventLoop::quit);
    QObject::connect(&m_socket, &QAbstractSocket::errorOccurred, &loop, &QEventLoop::quit);
    timer.start(timeoutMs);
    loop.exec(m_feedback.waitFlags());
    return ready();
}

bool DeviceLink::connectToTarget() {
    const QString host = m_target.host().trimmed();
    if (host.isEmpty()) {
        m_feedback.message(QStringLiteral("Zadej IP adresu"));
        return false;
    }
    if (m_target.port() == 0)
        m_target.setPort(DefaultPort);
    const quint16 port = m_target.port();

    m_socket.abort();
    m_socket.connectToHost(host, port);
    const bool connected = waitUntil(
        [this] {
            return m_socket.state() == QAbstractSocket::ConnectedState ||
                   m_socket.state() == QAbstractSocket::UnconnectedState;
        },
        ConnectTimeoutMs);
    if (connected && m_socket.state() == QAbstractSocket::ConnectedState) {
        // Each request is one small write; do not let it wait for an acknowledgement.
        m_socket.setSocketOption(QAbstractSocket::LowDelayOption, 1);
        return true;
    }
    QString text = m_socket.errorString();
    if (m_socket.state() != QAbstractSocket::UnconnectedState || text.isEmpty())
        text = QStringLiteral("Socket operation timed out");
    m_socket.abort();
    m_feedback.setWaitCursor(false);
    m_feedback.message(text);
    return false;
}

void DeviceLink::readExactly(std::uint8_t* into, qint64 count) {
    const bool ok = waitUntil([&] { return m_socket.bytesAvailable() >= count; }, m_readTimeoutMs);
    if (!ok) {
        if (m_socket.state() != QAbstractSocket::ConnectedState)
            fail(QStringLiteral("Jednotka ukončila spojení: %1").arg(m_socket.errorString()));
        fail(QStringLiteral("Jednotka neodpověděla do %1 ms, spojení bylo ukončeno.")
                 .arg(m_readTimeoutMs));
    }
    const qint64 got = m_socket.read(reinterpret_cast<char*>(into), count);
    if (got != count)
        fail(QStringLiteral("Chyba čtení ze spojení: %1").arg(m_socket.errorString()));
}

void DeviceLink::exchange(ExchangeMode mode) {
    if (m_busy)
        throw LinkBusy(QStringLiteral("Spojení s jednotkou je obsazeno jinou operací."));
    BusyScope busy(m_busy);

    if (m_packet.length() > LinkPacket::PayloadCapacity)
        throw OperationError(
            QStringLiteral("Požadavek nemá místo v paketu (%1 bajtů dat).").arg(m_packet.length()));

    if (isOpen()) {
        // A unit that closed its end since the last exchange is connected again; bytes
        // nobody asked for are no reply to this request.
        if (m_socket.bytesAvailable() == 0)
            m_socket.waitForReadyRead(0);
        m_socket.readAll();
        if (m_socket.state() != QAbstractSocket::ConnectedState)
            m_socket.abort();
    }
    if (!isOpen()) {
        if (!connectToTarget()) {
            // An address box left empty keeps the status byte of the request.
            if (!m_target.host().trimmed().isEmpty())
                m_packet.setStatus(1);
            m_linkFailed = true;
            return;
        }
    }
    m_linkFailed = false;

    const qint64 size = qint64(LinkPacket::HeaderSize) + m_packet.length();
    if (m_socket.write(reinterpret_cast<const char*>(m_packet.bytes.data()), size) != size)
        fail(QStringLiteral("Chyba zápisu do spojení: %1").arg(m_socket.errorString()));
    m_socket.flush();
    if (!waitUntil([this] { return m_socket.bytesToWrite() == 0; }, m_readTimeoutMs))
        fail(QStringLiteral("Chyba zápisu do spojení: %1").arg(m_socket.errorString()));

    if (mode == ExchangeMode::SendOnly) {
        m_feedback.setWaitCursor(true);
        // The unit is restarting; whether it closes its end early or not, give it the
        // whole pause before the connection is let go.
        QEventLoop loop;
        QTimer::singleShot(m_sendOnlyWaitMs, &loop, &QEventLoop::quit);
        loop.exec(m_feedback.waitFlags());
        m_feedback.setWaitCursor(false);
        close();
        return;
    }

    readExactly(m_packet.bytes.data(), LinkPacket::HeaderSize);
    const std::uint16_t length = m_packet.length();
    if (length > LinkPacket::PayloadCapacity)
        fail(QStringLiteral("Odpověď jednotky má chybnou délku (%1 bajtů dat, nejvýše %2).")
                 .arg(length)
                 .arg(LinkPacket::PayloadCapacity));
    if (length > 0)
        readExactly(m_packet.payload(), length);

    if (mode == ExchangeMode::CloseAfterReply)
        close();
}
