#include "monitor/Discovery.h"
#include "base/Language.h"

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

Search::Search(QUdpSocket& socket, Limits limits)
    : m_socket(socket), m_limits(limits), m_quiet(new QTimer), m_total(new QTimer) {
    m_quiet->setSingleShot(true);
    m_total->setSingleShot(true);
    QObject::connect(m_quiet, &QTimer::timeout, [this] { finish(End::Quiet, {}); });
    QObject::connect(m_total, &QTimer::timeout, [this] {
        finish(End::TimeLimit,
               tx("monitor", "Hledání skončilo po %1 s, jednotky mohly odpovídat dál.")
                   .arg(QString::number(m_limits.totalMs / 1000.0, 'g', 3)
                            .replace(QLatin1Char('.'), QLatin1Char(','))));
    });
}

Search::~Search() {
    QObject::disconnect(m_readyRead);
    delete m_quiet;
    delete m_total;
}

void Search::start(const QHostAddress& target, quint16 port) {
    if (m_running)
        return;
    if (m_socket.state() != QAbstractSocket::BoundState &&
        !m_socket.bind(QHostAddress(QHostAddress::AnyIPv4), 0))
        throw OperationError(m_socket.errorString());
    // Answers to an earlier search that came too late belong to no search.
    for (int n = 0; n < MaxAnswers && m_socket.hasPendingDatagrams(); ++n)
        m_socket.receiveDatagram(ReceiveBuffer);
    const QByteArray datagram = request();
    if (m_socket.writeDatagram(datagram, target, port) != datagram.size())
        throw OperationError(m_socket.errorString());
    m_running = true;
    m_answers = 0;
    m_readyRead = QObject::connect(&m_socket, &QUdpSocket::readyRead, [this] { drain(); });
    m_quiet->start(m_limits.waitMs);
    m_total->start(m_limits.totalMs);
    drain();
}

void Search::cancel() {
    finish(End::Cancelled, tx("monitor", "Hledání bylo zrušeno."));
}

void Search::drain() {
    // A datagram the socket cannot take may stay pending: a bounded number per wake-up.
    for (int n = 0; n < MaxAnswers && m_running && m_socket.hasPendingDatagrams(); ++n) {
        // Qt reads what fits the buffer and drops the rest of a longer datagram.
        const QNetworkDatagram answer = m_socket.receiveDatagram(ReceiveBuffer);
        if (!answer.isValid()) {
            if (m_socket.error() == QAbstractSocket::DatagramTooLargeError)
                continue;
            finish(End::Error, m_socket.errorString());
            return;
        }
        if (answer.data().isEmpty()) {
            finish(End::EmptyAnswer, {});
            return;
        }
        ++m_answers;
        m_quiet->start(m_limits.waitMs);
        if (onAnswer)
            onAnswer(logLine(answer.senderAddress(), answer.data()));
        if (m_running && m_answers >= m_limits.maxAnswers)
            finish(End::AnswerLimit,
                   tx("monitor", "Hledání skončilo po %1 odpovědích.").arg(m_answers));
    }
}

void Search::finish(End end, const QString& text) {
    if (!m_running)
        return;
    m_running = false;
    QObject::disconnect(m_readyRead);
    m_quiet->stop();
    m_total->stop();
    if (onFinished)
        onFinished(end, text);
}

void search(QUdpSocket& socket, const QHostAddress& target, quint16 port, Feedback& feedback,
            const std::function<void(const QString&)>& listed, Limits limits) {
    Search search(socket, limits);
    QEventLoop loop;
    Search::End end = Search::End::Quiet;
    QString text;
    search.onAnswer = listed;
    search.onFinished = [&](Search::End e, const QString& t) {
        end = e;
        text = t;
        loop.quit();
    };
    search.start(target, port);
    if (search.isRunning())
        loop.exec(feedback.waitFlags());
    if (end == Search::End::Error)
        throw OperationError(text);
    if (!text.isEmpty())
        feedback.log(text);
}

} // namespace discovery
