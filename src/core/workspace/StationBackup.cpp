#include "workspace/StationBackup.h"

#include "base/Errors.h"
#include "base/Text.h"
#include "image/ConfigFile.h"
#include "workspace/Workspace.h"

#include <QFileInfo>

namespace stations {

namespace {

// Collects what one station's read shows, for its result line.
class QuietFeedback : public Feedback {
public:
    void message(const QString& text, Severity, const QString&) override { messages << text; }
    void log(const QString&) override {}
    void setWaitCursor(bool) override {}
    QEventLoop::ProcessEventsFlags waitFlags() const override { return QEventLoop::AllEvents; }
    QStringList messages;
};

bool standsAsLink(const QString& file) {
    return QFileInfo(file).isSymLink();
}

const QString LinkRefused = QStringLiteral(
    "Na místě souboru zálohy je symbolický odkaz; přes odkaz se nezapisuje, nic nebylo zapsáno.");

} // namespace

BackupResult backUp(const Station& station, const QString& file, int readTimeoutMs) {
    const QString name = visibleText(station.name);
    const QString where = QStringLiteral("%1:%2").arg(visibleText(station.ip)).arg(station.port);
    const auto failed = [&](const QString& why) {
        return BackupResult{false, QStringLiteral("CHYBA\t%1\t%2\t%3").arg(name, where, why)};
    };
    // A station's address is a dotted address or nothing: no name is looked up.
    if (!parseIpAddress(station.ip))
        return failed(QStringLiteral("Špatná IP adresa"));
    if (standsAsLink(file))
        return failed(LinkRefused);
    FixedTarget target(station.ip, station.port);
    QuietFeedback feedback;
    DeviceLink link(target, feedback);
    link.setReadTimeoutMs(readTimeoutMs);
    Workspace workspace(link);
    try {
        if (!workspace.readAll())
            return failed(feedback.messages.join(QStringLiteral("; ")));
        // A link may have been put there while the station was read.
        if (standsAsLink(file))
            return failed(LinkRefused);
        writeImageFile(file, workspace.image(), false);
    } catch (const OperationError& e) {
        return failed(e.text());
    }
    return {true, QStringLiteral("OK\t%1\t%2\t%3").arg(name, where, file)};
}

} // namespace stations
