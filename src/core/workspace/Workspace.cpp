#include "workspace/Workspace.h"

#include "base/Text.h"

#include "base/Errors.h"
#include "image/ConfigFile.h"
#include "image/RawRegionPage.h"

#include <QFileInfo>

// Refuses a second transfer while one runs.
class Workspace::OperationScope {
public:
    explicit OperationScope(Workspace& ws) : m_ws(ws) {
        if (ws.isBusy())
            throw LinkBusy(QStringLiteral("Probíhá jiný přenos, počkej na jeho konec."));
        ws.m_busy = true;
    }
    ~OperationScope() { m_ws.m_busy = false; }

private:
    Workspace& m_ws;
};

Workspace::Workspace(DeviceLink& link) : m_link(link) {
    for (const PageInfo& info : pageRegistry()) {
        auto& own = m_own[size_t(info.slot)];
        own = info.createModel ? info.createModel() : std::make_unique<RawRegionPage>(info.regions);
        // What a page reports without ending the gather reaches the user.
        own->onMessage = [this](const QString& text, const QString& detail) {
            m_link.feedback().message(text, Severity::Warning, detail);
        };
        m_pages[size_t(info.slot)] = own.get();
    }
}

Workspace::~Workspace() = default;

void Workspace::setPage(PageSlot slot, Page* page) {
    m_pages[size_t(slot)] = page ? page : m_own[size_t(slot)].get();
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
    m_link.beginTransfer();
    try {
        complete = readAllBlocks(m_link, target);
        if (complete)
            m_link.awaitQuiet();
        m_link.close();
    } catch (...) {
        m_link.close();
        throw;
    }
    if (complete)
        rememberUnit(m_link.target().host(), target);
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

void Workspace::rememberUnit(const QString& host, const ConfigImage& image) {
    m_lastReadHost = host;
    m_lastRead = image;
}

QStringList Workspace::guardedChanges(const QString& host, const ConfigImage& image) const {
    QStringList changes;
    if (m_lastReadHost.isEmpty() || host != m_lastReadHost)
        return changes;
    const struct {
        const char* name;
        int at;
    } addresses[] = {{"IP adresa", mem::AppConfig.first},
                     {"Maska", mem::AppConfig.first + 4},
                     {"Gateway", mem::AppConfig.first + 8}};
    for (const auto& a : addresses) {
        const QString was = formatIpAddress(m_lastRead.data() + a.at);
        const QString is = formatIpAddress(image.data() + a.at);
        if (was != is)
            changes << QStringLiteral("%1: %2 → %3").arg(QString::fromUtf8(a.name), was, is);
    }
    // The MAC is the unit's own: another one means the configuration is another unit's.
    const int mac = mem::AppConfig.first + 29;
    auto macText = [](const std::uint8_t* b) {
        QStringList parts;
        for (int i = 0; i < 6; ++i)
            parts << QStringLiteral("%1").arg(b[i], 2, 16, QLatin1Char('0')).toUpper();
        return parts.join(QLatin1Char('-'));
    };
    if (!std::equal(image.data() + mac, image.data() + mac + 6, m_lastRead.data() + mac))
        changes << QStringLiteral("MAC: %1 (jednotka) → %2 (konfigurace)")
                       .arg(macText(m_lastRead.data() + mac), macText(image.data() + mac));
    return changes;
}

UploadReport Workspace::uploadConfig(const Selectors& selectors) {
    OperationScope scope(*this);
    Feedback& feedback = m_link.feedback();
    UploadReport report;
    const WaitCursor hourglass(feedback);
    gatherPages(selectors);
    if (selectors.network()) {
        const QStringList changes = guardedChanges(m_link.target().host(), m_image);
        if (!changes.isEmpty() && !(confirmGuarded && confirmGuarded(changes)))
            throw Cancelled(QStringLiteral("Nahrávání zrušeno, do jednotky nebylo nic odesláno: ") +
                            changes.join(QStringLiteral("; ")));
    }
    m_link.beginTransfer();
    try {
        uploadImage(m_link, m_image, selectors, report);
    } catch (...) {
        // What was written stays written; the log says how far the upload got.
        report.endedEarly = true;
        m_link.close();
        feedback.log(report.summary());
        throw;
    }
    try {
        m_link.awaitQuiet();
    } catch (const LinkBroken&) {
        report.repliesInDoubt = true;
        feedback.log(report.summary());
        throw;
    }
    feedback.log(report.summary());
    // What the unit took is read back and compared, unless the upload already failed.
    if (m_verifyUploads && report.ok()) {
        try {
            if (verifyUpload(m_link, m_image, selectors, report))
                m_link.awaitQuiet();
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
