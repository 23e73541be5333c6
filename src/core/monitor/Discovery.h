#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QString>
#include <functional>

class Feedback;
class QUdpSocket;

// Finding units by UDP: a fixed request to every unit of the segment (or to the target
// the settings name), each answer listed as one line.
namespace discovery {

constexpr quint16 DefaultPort = 30303;
constexpr int WaitMs = 1000;        // for each answer after the previous one
constexpr int ReceiveBuffer = 8192; // a larger datagram is listed from its first bytes
const QString DefaultTarget = QStringLiteral("255.255.255.255");

// The 28 bytes "Discovery: Who is out there?", nothing more.
QByteArray request();

// An answer as text: LF turns the output on, CR adds two spaces (also while it is off),
// NUL turns it off, any other byte is added while it is on.
QString render(const QByteArray& reply);

// "%s   %s": the sender's address, three spaces, the rendered answer.
QString logLine(const QHostAddress& sender, const QByteArray& reply);

// One search on a socket the caller owns: sends the request to target:port and lists each
// datagram that follows the previous one within waitMs, until none comes or an empty one
// does. Waits with the feedback's event flags, so windows keep painting. Throws
// OperationError on a socket error other than a datagram too long for the buffer.
void search(QUdpSocket& socket, const QHostAddress& target, quint16 port, Feedback& feedback,
            const std::function<void(const QString& line)>& listed, int waitMs = WaitMs);

} // namespace discovery
