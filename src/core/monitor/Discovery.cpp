#include "monitor/Discovery.h"

#include "base/Errors.h"
#include "base/Feedback.h"
#include "base/Text.h"

#include <QEventLoop>
#include <QNetworkDatagram>
#include <QTimer>
#include <QUdpSocket>

namespace discovery {

QByteArray request() {
    return QByteArrayLiteral("Discovery: Who is out there?");
}

QString render(const QByteArray& reply) {
    QByteArray shown;
    bool output = true;
    for (char c : reply) {
        if (c == '\n')
            output = true;
        else if (c == '\r')
            shown.append("  ");
        else if (c == '\0')
            output = false;
        else if (output)
            shown.append(c);
    }
    // One byte per character in the workstation's code page.
    return cp1250::decode(shown.constData(), int(shown.size()) + 1);
}

QString logLine(const QHostAddress& sender, const QByteArray& reply) {
    QHostAddress address = sender;
    bool ok = false;
    const quint32 v4 = sender.toIPv4Address(&ok); // an IPv4-mapped sender shows dotted
    if (ok)
        address = QHostAddress(v4);
    return QStringLiteral("%1   %2").arg(address.toString(), render(reply));
}

namespace {

// Waits until a datagram is pending, the socket fails, or the time is up.
bool waitForDatagram(QUdpSocket& socket, Feedback& feedback, int waitMs) {
    if (socket.hasPendingDatagrams())
        return true;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QIODevice::readyRead, &loop, &QEventLoop::quit);
    QObject::connect(&socket, &QAbstractSocket::errorOccurred, &loop, &QEventLoop::quit);
    timer.start(waitMs);
    loop.exec(feedback.waitFlags());
    return socket.hasPendingDatagrams();
}

} // namespace

void search(QUdpSocket& socket, const QHostAddress& target, quint16 port, Feedback& feedback,
            const std::function<void(const QString&)>& listed, int waitMs) {
    if (socket.state() != QAbstractSocket::BoundState &&
        !socket.bind(QHostAddress(QHostAddress::AnyIPv4), 0))
        throw OperationError(socket.errorString());
    const QByteArray datagram = request();
    if (socket.writeDatagram(datagram, target, port) != datagram.size())
        throw OperationError(socket.errorString());
    while (waitForDatagram(socket, feedback, waitMs)) {
        // Qt reads what fits the buffer and drops the rest of a longer datagram.
        const QNetworkDatagram answer = socket.receiveDatagram(ReceiveBuffer);
        if (!answer.isValid()) {
            if (socket.error() == QAbstractSocket::DatagramTooLargeError)
                continue;
            throw OperationError(socket.errorString());
        }
        if (answer.data().isEmpty())
            return;
        listed(logLine(answer.senderAddress(), answer.data()));
    }
}

} // namespace discovery
