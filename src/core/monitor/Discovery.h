#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QMetaObject>
#include <QString>
#include <functional>

class Feedback;
class QTimer;
class QUdpSocket;

// Finding units by UDP: a fixed request to every unit of the segment (or to the target
// the settings name), each answer listed as one line.
namespace discovery {

constexpr quint16 DefaultPort = 30303;
constexpr int WaitMs = 1000;        // for each answer after the previous one
constexpr int ReceiveBuffer = 8192; // a larger datagram is listed from its first bytes
constexpr int TotalMs = 10000;
constexpr int MaxAnswers = 1000;
const QString DefaultTarget = QStringLiteral("255.255.255.255");

// The 28 bytes "Discovery: Who is out there?", nothing more.
QByteArray request();

// An answer as text: LF turns the output on, CR adds two spaces (also while it is off),
// NUL turns it off, any other byte is added while it is on.
QString render(const QByteArray& reply);

// "%s   %s": the sender's address, three spaces, the rendered answer.
QString logLine(const QHostAddress& sender, const QByteArray& reply);

// Bounds of one search: answers may keep coming from something that never stops.
struct Limits {
    int waitMs = WaitMs;   // for each answer after the previous one
    int totalMs = TotalMs; // for the whole search
    int maxAnswers = MaxAnswers;
};

// One search on a socket the caller owns, driven by the socket's signals (no event loop of
// its own), so that a window stays free for other work while it runs. Sends the request to
// target:port and lists each datagram that follows the previous one within waitMs, until
// none comes, an empty one does, the whole time or the answer cap is reached, or cancel().
class Search {
public:
    enum class End { Quiet, EmptyAnswer, TimeLimit, AnswerLimit, Cancelled, Error };

    Search(QUdpSocket& socket, Limits limits = {});
    ~Search();
    Search(const Search&) = delete;
    Search& operator=(const Search&) = delete;

    std::function<void(const QString& line)> onAnswer;
    // Called once; text says why a search ended early (empty for a quiet end).
    std::function<void(End end, const QString& text)> onFinished;

    // Throws OperationError when the socket cannot be bound or the request not sent.
    void start(const QHostAddress& target, quint16 port);
    void cancel();
    bool isRunning() const { return m_running; }
    int answers() const { return m_answers; }

private:
    void drain();
    void finish(End end, const QString& text);

    QUdpSocket& m_socket;
    Limits m_limits;
    QTimer* m_quiet;
    QTimer* m_total;
    QMetaObject::Connection m_readyRead;
    bool m_running = false;
    int m_answers = 0;
};

// A whole search, waiting with the feedback's event flags (quel5ctl). An early end is
// logged; throws OperationError on a socket error other than a datagram too long for the
// buffer.
void search(QUdpSocket& socket, const QHostAddress& target, quint16 port, Feedback& feedback,
            const std::function<void(const QString& line)>& listed, Limits limits = {});

} // namespace discovery
