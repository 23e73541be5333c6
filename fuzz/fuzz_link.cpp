// The unit's side of the link from the input. Every request the tool sends gets the next
// reply the input holds: a length byte, then that many bytes (a length of 0 closes the
// connection, 255 answers nothing). The replies go to a whole read, an upload with its
// read-back, a status request and a station backup, in that order.
// Then the same input scripts the simulated unit's timing, request by request: replies
// late (the last one too), sent again a little later, refused, or a drop or a stall. A read
// that reports success must hold the unit's memory, an upload that reports success must
// have left the unit holding what was sent.
#include "FuzzSupport.h"
#include "SimServer.h"
#include "base/Errors.h"
#include "monitor/DeviceStatus.h"
#include "operations/StationBackup.h"
#include "workspace/Workspace.h"

#include <QCoreApplication>
#include <QDir>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

namespace {

class FakeUnit {
public:
    explicit FakeUnit(QByteArray script) : m_script(std::move(script)) {
        m_server.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* socket = m_server.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket,
                                 [this, socket] { serve(socket); });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    quint16 port() const { return m_server.serverPort(); }

private:
    void serve(QTcpSocket* socket) {
        QByteArray& waiting = m_buffers[socket];
        waiting += socket->readAll();
        // A request is its six header bytes and the data its length names.
        while (waiting.size() >= qsizetype(LinkPacket::HeaderSize)) {
            const int frame = int(LinkPacket::HeaderSize) +
                              (std::uint8_t(waiting[4]) | (std::uint8_t(waiting[5]) << 8));
            if (waiting.size() < frame)
                return;
            waiting.remove(0, frame);
            if (m_at >= m_script.size()) {
                socket->disconnectFromHost();
                return;
            }
            const int length = std::uint8_t(m_script[m_at++]);
            if (length == 0) {
                socket->disconnectFromHost();
                return;
            }
            if (length == 255)
                continue;
            socket->write(m_script.mid(m_at, length));
            m_at += length;
        }
    }

    QTcpServer m_server;
    QByteArray m_script;
    qsizetype m_at = 0;
    QHash<QTcpSocket*, QByteArray> m_buffers;
};

constexpr int TimeoutMs = 20;

// Request k's timing from the input's byte k (past its end: none).
SimServer::Faults scripted(const QByteArray& input) {
    SimServer::Faults faults;
    if (!input.isEmpty()) {
        const auto first = std::uint8_t(input[0]);
        if (first % 16 == 1)
            faults.dropAfter = first / 16 * 6;
        else if (first % 16 == 2)
            faults.stallAfter = first / 16 * 6;
    }
    faults.script = [input](int k) {
        SimServer::Faults::Step step;
        if (k + 1 >= input.size())
            return step;
        const auto b = std::uint8_t(input[k + 1]);
        step.delayMs = b & 0x07;                         // 0-7 ms late
        step.repeatAfterMs = b & 0x08 ? (b >> 4) : -1;   // a copy 0-15 ms later
        step.refuse = (b & 0xF0) == 0xF0 && !(b & 0x08); // refused now and then
        return step;
    };
    return faults;
}

bool sameBytes(const std::uint8_t* image, const QByteArray& unit, int first, int end) {
    return std::equal(image + first, image + end,
                      reinterpret_cast<const std::uint8_t*>(unit.constData()) + first);
}

// A scripted unit and a workspace on its own link.
struct ScriptedRig {
    explicit ScriptedRig(const QByteArray& input) : sim({}, scripted(input)) {
        sim.listen(QHostAddress::LocalHost, 0);
        target.setPort(sim.port());
        link.setReadTimeoutMs(TimeoutMs);
    }
    SimServer sim;
    FixedTarget target{QStringLiteral("127.0.0.1"), 0};
    SilentFeedback feedback;
    DeviceLink link{target, feedback};
    Workspace workspace{link};
};

// The scripted unit against a read and against an upload of the outputs without read-back
// (the check at the end alone stands between a late copy and a false success).
void truthOfSuccess(const QByteArray& input) {
    {
        ScriptedRig rig(input);
        ConfigImage read;
        bool ok = false;
        try {
            ok = rig.workspace.readUnit(read);
        } catch (const OperationError&) {
        }
        if (ok && !sameBytes(read.data(), rig.sim.unit().memory(), 56, 7956))
            __builtin_trap();
    }
    ScriptedRig rig(input);
    Workspace& workspace = rig.workspace;
    workspace.setVerifyUploads(false);
    for (int a = 370; a < 394; ++a)
        workspace.image()[a] = std::uint8_t(a * 7);
    workspace.scatterAll();
    bool ok = false;
    try {
        ok = workspace.uploadConfig(Selectors::only(PageSlot::Outputs)).ok();
    } catch (const OperationError&) {
    }
    if (ok) {
        const PageInfo& page = pageInfo(PageSlot::Outputs);
        const QByteArray& unit = rig.sim.unit().memory();
        for (const UploadRecord& record : page.records)
            if (!sameBytes(workspace.image().data(), unit, record.address,
                           record.address + record.size))
                __builtin_trap();
        for (const UploadRange& range : page.ranges)
            if (!sameBytes(workspace.image().data(), unit, range.first,
                           range.endIn(workspace.image())))
                __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FakeUnit unit(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    FixedTarget target(QStringLiteral("127.0.0.1"), unit.port());
    SilentFeedback feedback;
    DeviceLink link(target, feedback);
    link.setReadTimeoutMs(TimeoutMs);
    link.setConnectTimeoutMs(500);
    Workspace workspace(link);
    try {
        workspace.readAll();
    } catch (const OperationError&) {
    }
    try {
        workspace.uploadConfig(Selectors::only(PageSlot::Outputs));
    } catch (const OperationError&) {
    }
    try {
        prepareStatusRequest(link.packet());
        link.exchange(ExchangeMode::CloseAfterReply);
        if (!link.linkFailed())
            (void)statusLines(decodeStatus(link.packet().payload(), link.packet().length()));
    } catch (const OperationError&) {
    }
    link.close();
    static QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("unit.ql5"));
    QFile::remove(file);
    Station station{QStringLiteral("Unit"), {}, QStringLiteral("127.0.0.1"), unit.port()};
    const stations::StationResult result = stations::backUp(station, file, TimeoutMs);
    // A file is written only for a complete read.
    if (!result.ok && QFile::exists(file))
        __builtin_trap();
    truthOfSuccess(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    return 0;
}
