#pragma once

#include "SimUnit.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QTcpServer>
#include <QUdpSocket>
#include <functional>

// Puts a SimUnit on the network: TCP for the unit protocol, UDP for discovery.
class SimServer : public QObject {
    Q_OBJECT
public:
    struct Faults {
        int dropAfter = -1;   // after this many requests, close each connection that sends one
        int stallAfter = -1;  // after this many requests, read and never answer
        int repeatReply = -1; // answer the request with this 0-based number twice
        int latencyMs = 0;    // every reply (and the discovery answer) this much later
        int lateRepeat = -1;  // send the reply to this request again, lateRepeatMs after it
        int lateRepeatMs = 12;
        // Request number k (from 0) answered wrongly, once: letters of another command, 200
        // payload bytes, or status 3 without doing anything.
        int wrongCommandAt = -1;
        int oversizeAt = -1;
        int refuseAt = -1;
        // Memory read k answered with one payload byte fewer than it asked for (the header
        // says so; shortened() tells whether request k was such a read), or request k
        // followed by a few stray bytes that belong to no reply.
        int shortAt = -1;
        int strayAt = -1;
        // A unit scripted request by request (tests): for request k, its reply's delay, a
        // copy of the reply this much later (-1 none) and whether it is refused.
        struct Step {
            int delayMs = 0;
            int repeatAfterMs = -1;
            bool refuse = false;
        };
        std::function<Step(int k)> script = nullptr;
    };

    struct Request {
        int connection;
        QByteArray frame;
    };

    SimServer(SimOptions options, Faults faults, QObject* parent = nullptr);
    ~SimServer() override;

    // Returns false with errorString() set when a socket cannot be bound.
    bool listen(const QHostAddress& address, quint16 port);
    bool listenDiscovery(const QHostAddress& address, quint16 port);
    quint16 port() const { return m_tcp.serverPort(); }
    quint16 discoveryPort() const { return m_udp.localPort(); }
    QString errorString() const { return m_error; }

    SimUnit& unit() { return m_unit; }
    const QList<Request>& requests() const { return m_requests; }
    void clearRequests() { m_requests.clear(); }
    int connectionsAccepted() const { return m_connections; }
    int connectionsClosed() const { return m_closed; }
    int openConnections() const { return m_connections - m_closed; }
    bool shortened() const { return m_shortened; }

    static const QByteArray DiscoveryRequest;
    QByteArray discoveryReply() const;

private:
    void onNewConnection();
    void onData(QTcpSocket* socket);
    void onDatagrams();
    void persist();
    void later(QObject* context, const std::function<void()>& action, int delayMs = -1);

    void reboot();

    SimUnit m_unit;
    Faults m_faults;
    QTcpServer m_tcp;
    QUdpSocket m_udp;
    QString m_error;
    QHash<QTcpSocket*, QByteArray> m_buffers;
    QHash<QTcpSocket*, int> m_ids;
    QList<QTcpSocket*> m_stalled;
    QElapsedTimer m_clock;
    QHash<QTcpSocket*, qint64> m_lastReplyAt; // when the last scripted reply goes out
    QList<Request> m_requests;
    int m_connections = 0;
    int m_closed = 0;
    int m_requestCount = 0;
    bool m_shortened = false;
};
