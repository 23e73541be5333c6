#pragma once

#include "base/Feedback.h"
#include "link/LinkPacket.h"

#include <QTcpSocket>
#include <functional>

enum class ExchangeMode { KeepOpen = 0, CloseAfterReply = 1, SendOnly = 2 };

// The one TCP connection to a unit and the one packet every exchange uses.
class DeviceLink {
public:
    static constexpr quint16 DefaultPort = 9760;
    static constexpr int ConnectTimeoutMs = 5000;
    static constexpr int DefaultReadTimeoutMs = 10000;
    static constexpr int SendOnlyWaitMs = 3000;

    DeviceLink(ConnectionTarget& target, Feedback& feedback);
    ~DeviceLink();
    DeviceLink(const DeviceLink&) = delete;
    DeviceLink& operator=(const DeviceLink&) = delete;

    LinkPacket& packet() { return m_packet; }
    const LinkPacket& packet() const { return m_packet; }

    // Sends the request in packet() and, unless mode is SendOnly, reads the reply into it.
    // A unit that cannot be reached sets linkFailed() (and the status byte to 1) after the
    // user has seen why. A connection that breaks, a unit that stays silent for longer than
    // the read time-out, a reply that does not fit the packet or answers another command,
    // and bytes that arrive when no reply is due throw LinkBroken, with the connection
    // closed. After cancel() it throws Cancelled.
    void exchange(ExchangeMode mode);

    // Ends the running exchange at once (the connection is closed) and every later one
    // until clearCancel(): the user's "Zrušit".
    void cancel();
    void clearCancel() { m_cancelled = false; }
    bool isCancelled() const { return m_cancelled; }

    // Every reply of the unit to a transfer's requests looks alike, so a reply the unit sent
    // twice would be taken for the answer to the next request, and the stream would stay
    // one reply behind to its end, however late that end comes. A transfer therefore ends
    // with one more request whose reply no transfer request gets: the live status "#GS".
    // A stream that is behind delivers a transfer's reply to it, which throws LinkBroken
    // (the connection closed); so does a refused or missing answer. Returns false, the
    // user told why, when the unit could not be reached for it.
    bool confirmEndOfTransfer();

    bool linkFailed() const { return m_linkFailed; }
    bool isOpen() const;
    bool isBusy() const { return m_busy; }
    void close();

    int readTimeoutMs() const { return m_readTimeoutMs; }
    void setReadTimeoutMs(int ms) { m_readTimeoutMs = ms; }
    int connectTimeoutMs() const { return m_connectTimeoutMs; }
    void setConnectTimeoutMs(int ms) { m_connectTimeoutMs = ms; }
    void setSendOnlyWaitMs(int ms) { m_sendOnlyWaitMs = ms; }

    ConnectionTarget& target() { return m_target; }
    Feedback& feedback() { return m_feedback; }

private:
    bool connectToTarget();
    void readExactly(std::uint8_t* into, qint64 count);
    // Fails when the unit has sent bytes that no request asked for.
    void refuseUnaskedBytes(const char* when);
    [[noreturn]] void fail(const QString& why);
    // Runs events (with the feedback's flags) until ready() holds, the socket fails or
    // timeoutMs passes; returns ready().
    bool waitUntil(const std::function<bool()>& ready, int timeoutMs);

    ConnectionTarget& m_target;
    Feedback& m_feedback;
    LinkPacket m_packet;
    QTcpSocket m_socket;
    bool m_linkFailed = false;
    bool m_busy = false;
    bool m_cancelled = false;
    QEventLoop* m_waiting = nullptr;
    int m_connectTimeoutMs = ConnectTimeoutMs;
    int m_readTimeoutMs = DefaultReadTimeoutMs;
    int m_sendOnlyWaitMs = SendOnlyWaitMs;
};
