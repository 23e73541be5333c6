#include "SimServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <cstdio>
#include <utility>

namespace {
int usage(const QString& text) {
    std::fprintf(stderr, "quel5-sim: %s\n", qPrintable(text));
    return 2;
}
} // namespace

// The late copy's request, which a script takes over from the plain fault.
static int lateRepeatSeen(SimServer::Faults& faults) {
    return std::exchange(faults.lateRepeat, -1);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("quel5-sim"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Simulated Quel5 unit on the local machine."));
    parser.addHelpOption();
    const QCommandLineOption bind(QStringLiteral("bind"), QStringLiteral("Address to listen on."),
                                  QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption port(QStringLiteral("port"),
                                  QStringLiteral("TCP port, 0 for a free one."),
                                  QStringLiteral("PORT"), QStringLiteral("9760"));
    const QCommandLineOption discoveryPort(QStringLiteral("discovery-port"),
                                           QStringLiteral("UDP discovery port, 0 for a free one."),
                                           QStringLiteral("PORT"), QStringLiteral("30303"));
    const QCommandLineOption image(QStringLiteral("image"),
                                   QStringLiteral("Start from this configuration file."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption persist(QStringLiteral("persist"),
                                     QStringLiteral("Write memory changes back to --image."));
    const QCommandLineOption userPassword(QStringLiteral("user-password"),
                                          QStringLiteral("Password of the user account."),
                                          QStringLiteral("PW"), QStringLiteral("user"));
    const QCommandLineOption adminPassword(QStringLiteral("admin-password"),
                                           QStringLiteral("Password of the administrator."),
                                           QStringLiteral("PW"), QStringLiteral("admin"));
    const QCommandLineOption refuseRecord(QStringLiteral("refuse-record"),
                                          QStringLiteral("Refuse writes of fixed record N."),
                                          QStringLiteral("N"));
    const QCommandLineOption refuseChunks(QStringLiteral("refuse-chunks"),
                                          QStringLiteral("Refuse writes of range chunks."));
    const QCommandLineOption frozenClock(
        QStringLiteral("frozen-clock"),
        QStringLiteral("Acknowledge writes of the clock and keep the time it had."));
    const QCommandLineOption refuseCommand(
        QStringLiteral("refuse-command"),
        QStringLiteral("Answer every request of command XY (two letters) with status 3."),
        QStringLiteral("XY"));
    const QCommandLineOption dropAfter(QStringLiteral("drop-after"),
                                       QStringLiteral("Close the connection after K requests."),
                                       QStringLiteral("K"));
    const QCommandLineOption stallAfter(QStringLiteral("stall-after"),
                                        QStringLiteral("Stop answering after K requests."),
                                        QStringLiteral("K"));
    const QCommandLineOption repeatReply(
        QStringLiteral("repeat-reply"),
        QStringLiteral("Send the reply to request K (counted from 0) twice."), QStringLiteral("K"));
    const QCommandLineOption lateRepeat(
        QStringLiteral("late-repeat"),
        QStringLiteral("Send the reply to request K again, --late-repeat-ms after it."),
        QStringLiteral("K"));
    const QCommandLineOption lateRepeatMs(QStringLiteral("late-repeat-ms"),
                                          QStringLiteral("Delay of the late copy (12 ms)."),
                                          QStringLiteral("N"));
    const QCommandLineOption latency(QStringLiteral("latency-ms"),
                                     QStringLiteral("Answer every request N ms late."),
                                     QStringLiteral("N"));
    const QCommandLineOption oversize(QStringLiteral("oversize-reply"),
                                      QStringLiteral("Answer with 200 payload bytes."));
    const QCommandLineOption clock(
        QStringLiteral("clock"),
        QStringLiteral("Start the clock from seven register bytes in hexadecimal (a time that is "
                       "not valid is held as it is)."),
        QStringLiteral("HEX"));
    const QCommandLineOption slowAt(
        QStringLiteral("slow-at"),
        QStringLiteral("Answer request K (counted from 0) --slow-ms later than the others."),
        QStringLiteral("K"));
    const QCommandLineOption slowMs(QStringLiteral("slow-ms"),
                                    QStringLiteral("How much later --slow-at answers (100 ms)."),
                                    QStringLiteral("N"));
    const QCommandLineOption state(
        QStringLiteral("state"),
        QStringLiteral("Answer the live status request with these payload bytes in hexadecimal "
                       "(at most 122)."),
        QStringLiteral("HEX"));
    const QCommandLineOption corrupt(
        QStringLiteral("corrupt-write"),
        QStringLiteral("Keep the byte at ADDR wrongly (bit 0 flipped) whenever a write covers it."),
        QStringLiteral("ADDR"));
    const QCommandLineOption wrongAt(
        QStringLiteral("wrong-command-at"),
        QStringLiteral("Answer request K (counted from 0) with the letters of another command."),
        QStringLiteral("K"));
    const QCommandLineOption oversizeAt(
        QStringLiteral("oversize-at"),
        QStringLiteral("Answer request K (counted from 0) with 200 payload bytes."),
        QStringLiteral("K"));
    const QCommandLineOption refuseAt(
        QStringLiteral("refuse-at"),
        QStringLiteral("Answer request K (counted from 0) with status 3, doing nothing."),
        QStringLiteral("K"));
    parser.addOptions({state, slowAt, slowMs});
    parser.addOptions({corrupt,      clock,       bind,          port,          discoveryPort,
                       image,        persist,     userPassword,  adminPassword, refuseRecord,
                       refuseChunks, frozenClock, refuseCommand, dropAfter,     stallAfter,
                       repeatReply,  lateRepeat,  lateRepeatMs,  latency,       oversize,
                       wrongAt,      oversizeAt,  refuseAt});
    parser.process(app);

    auto number = [&](const QCommandLineOption& option, int fallback, int max, bool* ok) {
        if (!parser.isSet(option))
            return fallback;
        const int v = parser.value(option).toInt(ok);
        if (*ok && (v < 0 || v > max))
            *ok = false;
        return v;
    };
    bool ok = true;
    SimOptions options;
    options.userPassword = parser.value(userPassword);
    options.adminPassword = parser.value(adminPassword);
    options.refuseRecord = number(refuseRecord, 0, 10, &ok);
    if (!ok)
        return usage(QStringLiteral("--refuse-record takes 1..10"));
    options.refuseChunks = parser.isSet(refuseChunks);
    options.frozenClock = parser.isSet(frozenClock);
    options.refuseCommand = parser.value(refuseCommand).toLatin1();
    if (parser.isSet(refuseCommand) && options.refuseCommand.size() != 2)
        return usage(QStringLiteral("--refuse-command takes two letters, as Xe"));
    options.clock = QByteArray::fromHex(parser.value(clock).toLatin1());
    if (parser.isSet(clock) && options.clock.size() != 7)
        return usage(QStringLiteral("--clock takes seven bytes in hexadecimal, as 8307090A050312"));
    options.state = QByteArray::fromHex(parser.value(state).toLatin1());
    if (parser.isSet(state) && (options.state.isEmpty() || options.state.size() > 122))
        return usage(QStringLiteral("--state takes 1..122 bytes in hexadecimal"));
    options.corruptAddress = number(corrupt, -1, 7999, &ok);
    if (!ok)
        return usage(QStringLiteral("--corrupt-write takes an address 0..7999"));
    options.oversizeReply = parser.isSet(oversize);
    options.persist = parser.isSet(persist);
    options.imagePath = parser.value(image);
    if (options.persist && options.imagePath.isEmpty())
        return usage(QStringLiteral("--persist needs --image"));

    SimServer::Faults faults;
    faults.dropAfter = number(dropAfter, -1, 1 << 30, &ok);
    if (!ok)
        return usage(QStringLiteral("--drop-after takes a count"));
    faults.stallAfter = number(stallAfter, -1, 1 << 30, &ok);
    if (!ok)
        return usage(QStringLiteral("--stall-after takes a count"));
    faults.repeatReply = number(repeatReply, -1, 1 << 30, &ok);
    if (!ok)
        return usage(QStringLiteral("--repeat-reply takes a count"));
    faults.lateRepeat = number(lateRepeat, -1, 1 << 30, &ok);
    if (!ok)
        return usage(QStringLiteral("--late-repeat takes a count"));
    faults.lateRepeatMs = number(lateRepeatMs, 12, 60000, &ok);
    if (!ok)
        return usage(QStringLiteral("--late-repeat-ms takes 0..60000"));
    for (const auto& [option, field] :
         {std::pair{&wrongAt, &faults.wrongCommandAt}, std::pair{&oversizeAt, &faults.oversizeAt},
          std::pair{&refuseAt, &faults.refuseAt}}) {
        *field = number(*option, -1, 1 << 30, &ok);
        if (!ok)
            return usage(QStringLiteral("--%1 takes a count").arg(option->names().first()));
    }
    faults.latencyMs = number(latency, 0, 60000, &ok);
    if (!ok)
        return usage(QStringLiteral("--latency-ms takes 0..60000"));
    const int slowRequest = number(slowAt, -1, 1 << 30, &ok);
    if (!ok)
        return usage(QStringLiteral("--slow-at takes a count"));
    const int slowBy = number(slowMs, 100, 60000, &ok);
    if (!ok)
        return usage(QStringLiteral("--slow-ms takes 0..60000"));
    if (slowRequest >= 0) {
        // Every reply at the usual latency, one of them later; the unit keeps their order.
        const int late = lateRepeatSeen(faults);
        faults.script = [slowRequest, slowBy, base = faults.latencyMs, late,
                         lateMs = faults.lateRepeatMs](int k) {
            SimServer::Faults::Step step;
            step.delayMs = base + (k == slowRequest ? slowBy : 0);
            if (k == late)
                step.repeatAfterMs = lateMs;
            return step;
        };
    }
    const int tcpPort = number(port, 9760, 65535, &ok);
    if (!ok)
        return usage(QStringLiteral("--port takes 0..65535"));
    const int udpPort = number(discoveryPort, 30303, 65535, &ok);
    if (!ok)
        return usage(QStringLiteral("--discovery-port takes 0..65535"));
    const QHostAddress address(parser.value(bind));
    if (address.isNull())
        return usage(QStringLiteral("--bind takes an IP address"));

    SimServer server(options, faults);
    if (!options.imagePath.isEmpty()) {
        QFile file(options.imagePath);
        if (file.open(QIODevice::ReadOnly)) {
            const QByteArray content = file.read(SimUnit::MemorySize);
            server.unit().memory().replace(0, content.size(), content);
        } else if (!options.persist || file.exists()) {
            return usage(QStringLiteral("%1: %2").arg(options.imagePath, file.errorString()));
        }
    }
    if (!server.listen(address, quint16(tcpPort))) {
        std::fprintf(stderr, "quel5-sim: TCP %s\n", qPrintable(server.errorString()));
        return 1;
    }
    if (!server.listenDiscovery(address, quint16(udpPort))) {
        std::fprintf(stderr, "quel5-sim: UDP %s\n", qPrintable(server.errorString()));
        return 1;
    }
    std::printf("quel5-sim: listening on %s:%u, discovery on UDP port %u\n",
                qPrintable(address.toString()), unsigned(server.port()),
                unsigned(server.discoveryPort()));
    std::printf("quel5-sim: administrator \"%s\" password \"%s\", user \"%s\" password \"%s\"\n",
                qPrintable(server.unit().adminName()), qPrintable(options.adminPassword),
                qPrintable(server.unit().userName()), qPrintable(options.userPassword));
    std::fflush(stdout);
    return app.exec();
}
