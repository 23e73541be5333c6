#include "link/DeviceLink.h"
#include "base/Language.h"

#include "base/Errors.h"

#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>

namespace {
// Marks the link busy for the span of one exchange, also when it throws.
struct BusyScope {
    bool& flag;
    explicit BusyScope(bool& f) : flag(f) { flag = true; }
    ~BusyScope() { flag = false; }
};

QString cancelledText() {
    return tx("link", "Přenos byl přerušen.");
}

QString commandName(char l1, char l2) {
    auto printable = [](char c) {
        return c >= 0x20 && c < 0x7F
                   ? QString(QLatin1Char(c))
                   : QStringLiteral("\\x%1").arg(std::uint8_t(c), 2, 16, QLatin1Char('0'));
    };
    return QStringLiteral("#") + printable(l1) + printable(l2);
}
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
    // What the unit sent on a connection the tool lets go belongs to no later request.
    if (m_socket.isOpen() && m_socket.bytesAvailable() > 0)
        m_socket.readAll();
    if (m_socket.state() == QAbstractSocket::ConnectedState)
        m_socket.disconnectFromHost();
    if (m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.abort();
}

void DeviceLink::cancel() {
    m_cancelled = true;
    if (m_waiting)
        m_waiting->quit();
}

void DeviceLink::fail(const QString& why) {
    close();
    throw LinkBroken(why);
}

bool DeviceLink::waitUntil(const std::function<bool()>& ready, int timeoutMs) {
    if (m_cancelled) {
        close();
        throw Cancelled(cancelledText());
    }
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
    QEventLoop* outer = m_waiting;
    m_waiting = &loop;
    loop.exec(m_feedback.waitFlags());
    m_waiting = outer;
    if (m_cancelled) {
        close();
        throw Cancelled(cancelledText());
    }
    return ready();
}

bool DeviceLink::connectToTarget() {
    const QString host = m_target.host().trimmed();
    if (host.isEmpty()) {
        m_feedback.message(tx("link", "Zadej IP adresu"), Severity::Warning);
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
        m_connectTimeoutMs);
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
            fail(tx("link", "Jednotka ukončila spojení: %1").arg(m_socket.errorString()));
        fail(tx("link", "Jednotka neodpověděla do %1 ms, spojení bylo ukončeno.")
                 .arg(m_readTimeoutMs));
    }
    const qint64 got = m_socket.read(reinterpret_cast<char*>(into), count);
    if (got != count)
        fail(tx("link", "Chyba čtení ze spojení: %1").arg(m_socket.errorString()));
}

void DeviceLink::refuseUnaskedBytes(const char* when) {
    if (m_socket.state() == QAbstractSocket::UnconnectedState && m_socket.bytesAvailable() == 0)
        return;
    if (m_socket.bytesAvailable() == 0 && m_socket.state() == QAbstractSocket::ConnectedState)
        m_socket.waitForReadyRead(0);
    const qint64 stray = m_socket.bytesAvailable();
    if (stray > 0)
        fail(tx("link", "Jednotka poslala %1 bajtů, o které nikdo nežádal (%2). Spojení bylo "
                        "ukončeno a operace přerušena.")
                 .arg(stray)
                 .arg(tx("link", when)));
}

void DeviceLink::exchange(ExchangeMode mode) {
    if (m_busy)
        throw LinkBusy(tx("link", "Spojení s jednotkou je obsazeno jinou operací."));
    BusyScope busy(m_busy);
    if (m_cancelled) {
        close();
        throw Cancelled(cancelledText());
    }

    if (m_packet.length() > LinkPacket::PayloadCapacity)
        throw OperationError(
            tx("link", "Požadavek nemá místo v paketu (%1 bajtů dat).").arg(m_packet.length()));

    // A reply is never matched by luck: whatever the unit sent since the last reply
    // belongs to no request.
    refuseUnaskedBytes(QT_TRANSLATE_NOOP("link", "před požadavkem"));
    // A unit that closed its end since the last exchange is connected again.
    if (m_socket.state() != QAbstractSocket::ConnectedState &&
        m_socket.state() != QAbstractSocket::UnconnectedState)
        m_socket.abort();
    if (!isOpen()) {
        m_socket.abort();
        if (!connectToTarget()) {
            // An address box left empty keeps the status byte of the request.
            if (!m_target.host().trimmed().isEmpty())
                m_packet.setStatus(1);
            m_linkFailed = true;
            return;
        }
    }
    m_linkFailed = false;

    const char letter1 = m_packet.letter1();
    const char letter2 = m_packet.letter2();
    const qint64 size = qint64(LinkPacket::HeaderSize) + m_packet.length();
    if (m_socket.write(reinterpret_cast<const char*>(m_packet.bytes.data()), size) != size)
        fail(tx("link", "Chyba zápisu do spojení: %1").arg(m_socket.errorString()));
    m_socket.flush();
    if (!waitUntil([this] { return m_socket.bytesToWrite() == 0; }, m_readTimeoutMs))
        fail(tx("link", "Chyba zápisu do spojení: %1").arg(m_socket.errorString()));

    if (mode == ExchangeMode::SendOnly) {
        {
            const WaitCursor hourglass(m_feedback);
            // The unit is restarting; whether it closes its end early or not, give it the
            // whole pause before the connection is let go.
            QEventLoop loop;
            QTimer::singleShot(m_sendOnlyWaitMs, &loop, &QEventLoop::quit);
            QEventLoop* outer = m_waiting;
            m_waiting = &loop;
            loop.exec(m_feedback.waitFlags());
            m_waiting = outer;
        }
        close();
        if (m_cancelled)
            throw Cancelled(cancelledText());
        return;
    }

    readExactly(m_packet.bytes.data(), LinkPacket::HeaderSize);
    if (m_packet.bytes[0] != '#' || m_packet.letter1() != letter1 || m_packet.letter2() != letter2)
        fail(tx("link", "Jednotka odpověděla na požadavek %1 hlavičkou %2%3. Spojení bylo "
                        "ukončeno a operace přerušena.")
                 .arg(commandName(letter1, letter2),
                      m_packet.bytes[0] == '#'
                          ? QString()
                          : tx("link", "bez znaku # (0x%1) ")
                                .arg(m_packet.bytes[0], 2, 16, QLatin1Char('0')),
                      commandName(m_packet.letter1(), m_packet.letter2())));
    const std::uint16_t length = m_packet.length();
    if (length > LinkPacket::PayloadCapacity)
        fail(tx("link", "Odpověď jednotky má chybnou délku (%1 bajtů dat, nejvýše %2).")
                 .arg(length)
                 .arg(LinkPacket::PayloadCapacity));
    if (length > 0)
        readExactly(m_packet.payload(), length);
    refuseUnaskedBytes(QT_TRANSLATE_NOOP("link", "za odpovědí"));

    if (mode == ExchangeMode::CloseAfterReply)
        close();
}

bool DeviceLink::confirmEndOfTransfer() {
    m_packet.setCommand('G', 'S');
    m_packet.setStatus(0);
    m_packet.setLength(0);
    m_packet.payload()[0] = 0;
    const QString behind = tx(
        "link", "Jednotka poslala odpověď navíc, o kterou nikdo nežádal: odpovědi nelze přiřadit k "
                "požadavkům, proto přenos neplatí. Spojení bylo ukončeno.");
    try {
        exchange(ExchangeMode::KeepOpen);
    } catch (const LinkBroken&) {
        // Another command's reply in its place: the stream was behind.
        if (m_packet.bytes[0] == '#' && (m_packet.letter1() != 'G' || m_packet.letter2() != 'S'))
            throw LinkBroken(behind);
        throw;
    }
    if (m_linkFailed)
        return false;
    if (m_packet.status() != 0) {
        close();
        fail(tx("link", "Jednotka nepotvrdila konec přenosu (status %1), proto přenos neplatí. "
                        "Spojení bylo ukončeno.")
                 .arg(m_packet.status()));
    }
    return true;
}
