#include "SimServer.h"

#include <QFile>
#include <QSaveFile>
#include <QTcpSocket>
#include <QTimer>

const QByteArray SimServer::DiscoveryRequest("Discovery: Who is out there?");

SimServer::SimServer(SimOptions options, Faults faults, QObject* parent)
    : QObject(parent), m_unit(std::move(options)), m_faults(faults) {
    m_clock.start();
    connect(&m_tcp, &QTcpServer::newConnection, this, &SimServer::onNewConnection);
    connect(&m_udp, &QUdpSocket::readyRead, this, &SimServer::onDatagrams);
}

SimServer::~SimServer() {
    // The connections are children of the listening socket, which outlives the tables
    // their signal handlers use; cut them loose first.
    const auto sockets = m_tcp.findChildren<QTcpSocket*>();
    for (QTcpSocket* socket : sockets) {
        socket->disconnect(this);
        delete socket;
    }
}

bool SimServer::listen(const QHostAddress& address, quint16 port) {
    if (!m_tcp.listen(address, port)) {
        m_error = m_tcp.errorString();
        return false;
    }
    return true;
}

bool SimServer::listenDiscovery(const QHostAddress& address, quint16 port) {
    if (!m_udp.bind(address, port)) {
        m_error = m_udp.errorString();
        return false;
    }
    return true;
}

QByteArray SimServer::discoveryReply() const {
    const QByteArray& m = m_unit.memory();
    const QByteArray name = m.mid(91, 16).split('\0').first();
    QString mac;
    for (int i = 0; i < 6; ++i)
        mac += QStringLiteral("%1%2")
                   .arg(i ? QStringLiteral("-") : QString())
                   .arg(std::uint8_t(m.at(85 + i)), 2, 16, QLatin1Char('0'));
    const QString ip = QStringLiteral("%1.%2.%3.%4")
                           .arg(std::uint8_t(m.at(56)))
                           .arg(std::uint8_t(m.at(57)))
                           .arg(std::uint8_t(m.at(58)))
                           .arg(std::uint8_t(m.at(59)));
    return name + "\r\nQuel5 simulator\r\n" + ip.toLatin1() + "\r\n" + mac.toUpper().toLatin1() +
           "\r\n";
}

// A unit that restarts: its connections end, and for about a second nothing listens.
void SimServer::reboot() {
    const QHostAddress address = m_tcp.serverAddress();
    const quint16 port = m_tcp.serverPort();
    m_tcp.close();
    QTimer::singleShot(1000, this, [this, address, port] {
        if (!m_tcp.listen(address, port))
            m_error = m_tcp.errorString();
    });
}

void SimServer::onNewConnection() {
    while (QTcpSocket* socket = m_tcp.nextPendingConnection()) {
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_ids.insert(socket, ++m_connections);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] { onData(socket); });
        connect(socket, &QTcpSocket::disconnected, this, [this, socket] {
            ++m_closed;
            m_buffers.remove(socket);
            m_ids.remove(socket);
            m_stalled.removeAll(socket);
            m_lastReplyAt.remove(socket);
            socket->deleteLater();
        });
    }
}

void SimServer::onData(QTcpSocket* socket) {
    QByteArray& buffer = m_buffers[socket];
    buffer.append(socket->readAll());
    if (m_stalled.contains(socket))
        return;
    while (buffer.size() >= 6) {
        const int length = std::uint8_t(buffer.at(4)) | (std::uint8_t(buffer.at(5)) << 8);
        if (length > 122) {
            // Not a frame of this protocol: a unit drops such a peer.
            socket->abort();
            return;
        }
        if (buffer.size() < 6 + length)
            return;
        const QByteArray frame = buffer.left(6 + length);
        buffer.remove(0, 6 + length);
        m_requests.append({m_ids.value(socket), frame});
        const int seen = m_requestCount++;
        if (m_faults.dropAfter >= 0 && seen >= m_faults.dropAfter) {
            socket->disconnectFromHost();
            return;
        }
        if (m_faults.stallAfter >= 0 && seen >= m_faults.stallAfter) {
            m_stalled.append(socket);
            return;
        }
        const Faults::Step step = m_faults.script ? m_faults.script(seen) : Faults::Step{};
        int delayMs = -1;
        if (m_faults.script) {
            // A unit answers in order: a reply never overtakes a later one's.
            const qint64 now = m_clock.elapsed();
            const qint64 last = m_lastReplyAt.value(socket, -1);
            delayMs = int(std::max<qint64>(step.delayMs, last >= now ? last - now + 1 : 0));
            m_lastReplyAt[socket] = now + delayMs;
        }
        if (seen == m_faults.refuseAt || step.refuse) {
            const QByteArray refusal = frame.left(3) + QByteArray("\x03\0\0", 3);
            later(
                socket, [socket, refusal] { socket->write(refusal); }, delayMs);
            continue;
        }
        SimUnit::Response response = m_unit.handle(frame);
        if (seen == m_faults.wrongCommandAt && response.bytes.size() >= 3)
            response.bytes.replace(1, 2, "ZZ");
        if (seen == m_faults.oversizeAt && response.bytes.size() >= 6)
            response.bytes =
                response.bytes.left(4) + QByteArray("\xC8\0", 2) + QByteArray(200, '\x55');
        if (seen == m_faults.shortAt && frame.mid(1, 2) == "XR" && response.bytes.size() > 6) {
            m_shortened = true;
            response.bytes.chop(1);
            const int length = int(response.bytes.size()) - 6;
            response.bytes[4] = char(length & 0xFF);
            response.bytes[5] = char(length >> 8);
        }
        if (seen == m_faults.strayAt)
            response.bytes.append("#X\0", 3);
        if (m_unit.takeMemoryChanged())
            persist();
        if (response.action == SimUnit::Action::Close) {
            later(socket, [socket] { socket->disconnectFromHost(); });
            if (frame.mid(1, 2) == "IR")
                reboot();
            return;
        }
        // One reply, one write; a faulty unit may send it again unasked.
        const QByteArray bytes =
            seen == m_faults.repeatReply ? response.bytes + response.bytes : response.bytes;
        const bool repeatLate = seen == m_faults.lateRepeat || step.repeatAfterMs >= 0;
        const int repeatMs = step.repeatAfterMs >= 0 ? step.repeatAfterMs : m_faults.lateRepeatMs;
        later(
            socket,
            [socket, bytes, repeatLate, repeatMs] {
                socket->write(bytes);
                socket->flush();
                // The copy comes on its own, while the client may already wait for the next
                // reply: it cannot be told from that reply by its bytes.
                if (repeatLate)
                    QTimer::singleShot(repeatMs, socket, [socket, bytes] {
                        socket->write(bytes);
                        socket->flush();
                    });
            },
            delayMs);
    }
}

void SimServer::onDatagrams() {
    while (m_udp.hasPendingDatagrams()) {
        QByteArray datagram(int(qMax<qint64>(m_udp.pendingDatagramSize(), 0)), '\0');
        QHostAddress sender;
        quint16 senderPort = 0;
        m_udp.readDatagram(datagram.data(), datagram.size(), &sender, &senderPort);
        if (datagram == DiscoveryRequest)
            later(&m_udp, [this, sender, senderPort] {
                m_udp.writeDatagram(discoveryReply(), sender, senderPort);
            });
    }
}

void SimServer::later(QObject* context, const std::function<void()>& action, int delayMs) {
    // A unit behind a slow network: the same delay for every reply keeps their order.
    if (delayMs < 0)
        delayMs = m_faults.latencyMs;
    if (delayMs > 0)
        QTimer::singleShot(delayMs, Qt::PreciseTimer, context, action);
    else
        action();
}

void SimServer::persist() {
    const SimOptions& options = m_unit.options();
    if (!options.persist || options.imagePath.isEmpty())
        return;
    QSaveFile file(options.imagePath);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(m_unit.memory());
        file.commit();
    }
}
