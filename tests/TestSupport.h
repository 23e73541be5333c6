#pragma once

#include "SimServer.h"
#include "image/Page.h"
#include "link/DeviceLink.h"
#include "workspace/PageRegistry.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

// Readable failure output for Qt strings.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& l, std::ostream* os) {
    *os << "{ ";
    for (const QString& s : l)
        *os << '"' << s.toStdString() << "\" ";
    *os << "}";
}
inline void PrintTo(const QByteArray& b, std::ostream* os) {
    *os << b.toHex(' ').toStdString();
}

// Records everything the core shows the user, in order: "log:<line>", "msg:<text>",
// "cursor:on", "cursor:off".
class RecordingFeedback : public Feedback {
public:
    void message(const QString& text, Severity severity = Severity::Error,
                 const QString& detail = {}) override {
        messages << text;
        severities << severity;
        details << detail;
        events << QStringLiteral("msg:") + text;
    }
    void progress(int done, int planned) override {
        progressSeen << QStringLiteral("%1/%2").arg(done).arg(planned);
    }
    void log(const QString& line) override {
        logs << line;
        events << QStringLiteral("log:") + line;
    }
    void setWaitCursor(bool on) override {
        waitCursor = on;
        events << (on ? QStringLiteral("cursor:on") : QStringLiteral("cursor:off"));
    }
    QEventLoop::ProcessEventsFlags waitFlags() const override { return QEventLoop::AllEvents; }

    QStringList messages, logs, events, details, progressSeen;
    QList<Severity> severities;
    bool waitCursor = false;
};

// An in-process simulated unit on a free loopback port, with a link aimed at it. The link
// waits in a nested event loop, which also serves the simulator in the same thread.
struct SimRig {
    explicit SimRig(SimOptions options = {}, SimServer::Faults faults = {});

    SimServer server;
    FixedTarget target;
    RecordingFeedback feedback;
    DeviceLink link;

    // Runs events until the simulator has seen every connection closed (or 2 s pass).
    bool waitForClosedConnections();
};

// A way a unit fails at one request k (counted from 0): dropped, stalled, answered with
// another command, with an oversized reply, refused. Walks fault every request in turn.
struct SimFault {
    const char* name;
    void (*set)(SimServer::Faults& faults, int k);
    SimServer::Faults at(int k) const {
        SimServer::Faults faults;
        set(faults, k);
        return faults;
    }
};
extern const SimFault SimFaults[5];
// The walk of the core meets a few more: a reply one byte short, and stray bytes behind a
// reply (a reply sent twice is the transfers' property's).
extern const SimFault LinkFaults[7];

// The requests a front end's walk faults: the first, one in the middle, the last of the work
// and the last of all (the check or the logout). The core walks every request.
std::vector<int> chosenRequests(int count);
// The requests the core's walk faults: every one, but a stall only at the chosen ones (each
// stall costs a whole time-out, and every request meets the same wait).
std::vector<int> walkedRequests(const SimFault& fault, int count);

// A loopback port that nobody listens on.
quint16 closedPort();

// A generated configuration image for properties: every fourth seed wholly random, the
// others the simulator's own image with a few hundred bytes changed.
ConfigImage generatedImage(int seed);

// The #XW requests the simulator saw, as "address n status".
QStringList writesSeen(const SimServer& server);

// A page that counts its scatters and gathers, and can refuse to gather.
class ProbePage : public Page {
public:
    int scatters = 0;
    int gathers = 0;
    bool refuse = false;

protected:
    void scatterImage(const ConfigImage&) override { ++scatters; }
    void gatherImage(ConfigImage& image) override;
};

// A simulated unit whose administrator ("admin") has this password.
inline SimOptions adminPassword(const QString& password) {
    SimOptions options;
    options.adminPassword = password;
    return options;
}

// One 91-byte record of a station list file.
QByteArray stationRecord(const QByteArray& name, const QByteArray& ip, quint16 port,
                         quint8 type = 0, const QByteArray& description = {}, quint8 kind = 0);

// Runs events until done() or the time runs out; returns done().
bool spinUntil(const std::function<bool()>& done, int timeoutMs = 2000);

// The text of a PDF as pdftotext reads it (extra: its options, as "-bbox"); empty when
// the tool is missing or fails.
QString pdfText(const QString& pdfPath, const QStringList& extra = {});
QString pdfText(const QByteArray& pdf, const QString& scratchDir);
