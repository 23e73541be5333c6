#include "workspace/Workspace.h"
#include "base/Language.h"

#include "base/Text.h"

#include "base/Errors.h"
#include "image/ConfigFile.h"
#include "workspace/Transfers.h"

#include <QFileInfo>

// Refuses a second transfer while one runs.
class Workspace::OperationScope {
public:
    explicit OperationScope(Workspace& ws) : m_ws(ws) {
        if (ws.isBusy())
            throw LinkBusy(tx("workspace", "Probíhá jiný přenos, počkej na jeho konec."));
        ws.m_busy = true;
    }
    ~OperationScope() { m_ws.m_busy = false; }

private:
    Workspace& m_ws;
};

Workspace::Workspace(DeviceLink& link) : m_link(link) {
    for (const PageInfo& info : pageRegistry()) {
        Page& own = m_own.page(info.slot);
        // What a page reports without ending the gather reaches the user.
        own.onMessage = [this](const QString& text, const QString& detail) {
            m_link.feedback().message(text, Severity::Warning, detail);
        };
        m_pages[size_t(info.slot)] = &own;
    }
}

Workspace::~Workspace() = default;

void Workspace::setPage(PageSlot slot, Page* page) {
    m_pages[size_t(slot)] = page ? page : &m_own.page(slot);
}

void Workspace::gatherPages(const Selectors& selectors) {
    if (selectors.isEverything())
        m_image.clear();
    for (const PageInfo& info : pageRegistry())
        if (selectors.selects(info.slot))
            page(info.slot).gather(m_image);
}

void Workspace::scatterAll() {
    for (PageSlot slot : ScatterOrder)
        page(slot).scatter(m_image);
}

void Workspace::setCaptionForFile() {
    m_caption = QString::fromLatin1(BaseCaption) + QStringLiteral(" - ") +
                QFileInfo(m_currentFile).fileName();
    if (onCaptionChanged)
        onCaptionChanged(m_caption);
}

qint64 Workspace::loadConfigFile() {
    const qint64 size = readImageFile(m_currentFile, m_image);
    setCaptionForFile();
    scatterAll();
    return size;
}

void Workspace::saveConfigFile() {
    setCaptionForFile();
    gatherPages(Selectors::all());
    writeImageFile(m_currentFile, m_image);
}

bool Workspace::readInto(ConfigImage& target) {
    OperationScope scope(*this);
    bool complete = false;
    try {
        complete = readAllBlocks(m_link, target) && m_link.confirmEndOfTransfer();
        m_link.close();
    } catch (...) {
        m_link.close();
        throw;
    }
    return complete;
}

bool Workspace::readAll() {
    if (!readInto(m_image))
        return false;
    scatterAll();
    return true;
}

bool Workspace::readUnit(ConfigImage& unit) {
    ConfigImage read;
    if (!readInto(read))
        return false;
    unit = read;
    return true;
}

ConfigImage Workspace::gatheredCopy() {
    ConfigImage copy;
    for (const PageInfo& info : pageRegistry())
        page(info.slot).gather(copy);
    return copy;
}

QStringList Workspace::guardedChanges(const ConfigImage& unit, const ConfigImage& image) {
    QStringList changes;
    const int app = mem::AppConfig.first;
    const int eth = mem::EthConfig.first;
    for (const auto& [name, at] : {std::pair{"IP adresa", app}, std::pair{"Maska", app + 4},
                                   std::pair{"Gateway", app + 8}}) {
        const QString was = formatIpAddress(unit.data() + at);
        const QString is = formatIpAddress(image.data() + at);
        if (was != is)
            changes << QStringLiteral("%1: %2 → %3").arg(QString::fromUtf8(name), was, is);
    }
    for (const auto& [name, at] :
         {std::pair{"UDP port", eth + 47}, std::pair{"TCP port1", eth + 49},
          std::pair{"TCP port2", eth + 51}})
        if (unit.u16(at) != image.u16(at))
            changes << QStringLiteral("%1: %2 → %3")
                           .arg(QString::fromUtf8(name))
                           .arg(unit.u16(at))
                           .arg(image.u16(at));
    // The accounts the tool logs in with; a name is at most 8 characters and its zero.
    auto name = [](const ConfigImage& i, int at) {
        return visibleText(getZeroTerminated(i.data() + at, 9));
    };
    for (const auto& [label, at] : {std::pair{QT_TRANSLATE_NOOP("fields", "Uživatel"), eth + 29},
                                    std::pair{QT_TRANSLATE_NOOP("fields", "Admin"), eth + 38}})
        if (name(unit, at) != name(image, at))
            changes << QStringLiteral("%1: „%2“ → „%3“")
                           .arg(tx("fields", label), name(unit, at), name(image, at));
    // The MAC is the unit's own: another one means the configuration is another unit's.
    const int mac = app + 29;
    auto macText = [](const std::uint8_t* b) {
        QStringList parts;
        for (int i = 0; i < 6; ++i)
            parts << QStringLiteral("%1").arg(b[i], 2, 16, QLatin1Char('0')).toUpper();
        return parts.join(QLatin1Char('-'));
    };
    if (!std::equal(image.data() + mac, image.data() + mac + 6, unit.data() + mac))
        changes << tx("workspace", "MAC: %1 (jednotka) → %2 (konfigurace)")
                       .arg(macText(unit.data() + mac), macText(image.data() + mac));
    return changes;
}

UploadReport Workspace::uploadConfig(const Selectors& selectors) {
    OperationScope scope(*this);
    Feedback& feedback = m_link.feedback();
    UploadReport report;
    const WaitCursor hourglass(feedback);
    gatherPages(selectors);
    if (selectors.network()) {
        // What the unit holds now, whoever uploads and whatever was read before.
        ConfigImage unit;
        bool read = false;
        try {
            read = readRange(m_link, unit, mem::AppConfig.first, mem::EthConfig.end()) &&
                   m_link.confirmEndOfTransfer();
        } catch (...) {
            m_link.close();
            report.planned = plannedRequests(m_image, selectors);
            report.endedEarly = true;
            feedback.log(report.summary());
            throw;
        }
        if (!read) {
            const bool unreachable = m_link.linkFailed();
            m_link.close();
            if (unreachable) { // the user was told why
                report.linkFailures = 1;
                report.endedEarly = true;
                feedback.log(report.summary());
                return report;
            }
            throw OperationError(tx("workspace", "Síťová nastavení jednotky se nepodařilo "
                                                 "přečíst; do jednotky nebylo nic odesláno."));
        }
        const QStringList changes = guardedChanges(unit, m_image);
        if (!changes.isEmpty() && !(confirmGuarded && confirmGuarded(changes))) {
            m_link.close();
            throw Cancelled(
                tx("workspace", "Nahrávání zrušeno, do jednotky nebylo nic odesláno: ") +
                changes.join(QStringLiteral("; ")));
        }
    }
    try {
        uploadImage(m_link, m_image, selectors, report);
    } catch (...) {
        // What was written stays written; the log says how far the upload got.
        report.endedEarly = true;
        m_link.close();
        feedback.log(report.summary());
        throw;
    }
    // Every upload ends with the check: a refused last chunk behind a late copy of an
    // earlier reply would otherwise read as written. A read-back that follows asks
    // another command, whose first reply shows a stream behind as well; the check then
    // comes after it.
    const bool verifying = m_verifyUploads && report.ok();
    try {
        if (!verifying && !report.endedEarly && report.linkFailures == 0 &&
            !m_link.confirmEndOfTransfer())
            report.repliesInDoubt = true;
    } catch (const LinkBroken&) {
        report.repliesInDoubt = true;
        feedback.log(report.summary());
        throw;
    }
    feedback.log(report.summary());
    // What the unit took is read back and compared, unless the upload already failed.
    if (m_verifyUploads && report.ok()) {
        try {
            if (verifyUpload(m_link, m_image, selectors, report) && !m_link.confirmEndOfTransfer())
                report.verifyIncomplete = true;
        } catch (const OperationError&) {
            report.verifyIncomplete = true;
            m_link.close();
            feedback.log(report.verifySummary());
            throw;
        }
        feedback.log(report.verifySummary());
    }
    m_link.close();
    return report;
}
