#include "image/Workspace.h"

#include "image/ConfigFile.h"
#include "image/RawRegionPage.h"
#include "link/Errors.h"

#include <QFileInfo>

bool Selectors::selects(PageSlot slot) const {
    switch (slot) {
    case PageSlot::Network:
        return network;
    case PageSlot::Inputs:
        return pages & Inputs;
    case PageSlot::Outputs:
        return pages & Outputs;
    case PageSlot::Analog:
        return pages & Analog;
    case PageSlot::Modes:
        return pages & Modes;
    case PageSlot::Thermometers:
        return pages & Thermometers;
    case PageSlot::Thermostats:
        return thermostats;
    case PageSlot::Relays:
        return relays;
    }
    return false;
}

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
    for (int i = 0; i < PageSlotCount; ++i) {
        const auto slot = PageSlot(i);
        if (slot != PageSlot::Network && slot != PageSlot::Relays)
            m_standIns[i] = std::make_unique<RawRegionPage>(RawRegionPage::regionsOf(slot));
        m_pages[i] = defaultPage(slot);
    }
    m_relays.onMessage = [this](const QString& text, int row) {
        m_link.feedback().message(text, Severity::Warning, QStringLiteral("R%1").arg(row + 1));
    };
}

Page* Workspace::defaultPage(PageSlot slot) {
    if (slot == PageSlot::Network)
        return &m_network;
    if (slot == PageSlot::Relays)
        return &m_relays;
    return m_standIns[int(slot)].get();
}

Workspace::~Workspace() = default;

void Workspace::setPage(PageSlot slot, Page* page) {
    const int i = int(slot);
    m_pages[i] = page ? page : defaultPage(slot);
}

Page& Workspace::page(PageSlot slot) {
    return *m_pages[int(slot)];
}

void Workspace::gatherPages(const Selectors& selectors) {
    if (selectors.isEverything())
        m_image.clear();
    static constexpr PageSlot order[] = {
        PageSlot::Network, PageSlot::Inputs,       PageSlot::Outputs,     PageSlot::Analog,
        PageSlot::Modes,   PageSlot::Thermometers, PageSlot::Thermostats, PageSlot::Relays};
    for (PageSlot slot : order)
        if (selectors.selects(slot))
            page(slot).gather(m_image);
}

void Workspace::scatterAll() {
    static constexpr PageSlot order[] = {
        PageSlot::Network, PageSlot::Analog,      PageSlot::Thermometers, PageSlot::Inputs,
        PageSlot::Outputs, PageSlot::Thermostats, PageSlot::Relays,       PageSlot::Modes};
    for (PageSlot slot : order)
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

bool Workspace::readAll() {
    OperationScope scope(*this);
    bool complete = false;
    try {
        complete = readAllBlocks(m_link, m_image);
    } catch (...) {
        m_link.close();
        throw;
    }
    if (complete)
        scatterAll();
    return complete;
}

UploadReport Workspace::uploadConfig(const Selectors& selectors) {
    OperationScope scope(*this);
    Feedback& feedback = m_link.feedback();
    UploadReport report;
    feedback.setWaitCursor(true);
    try {
        gatherPages(selectors);
    } catch (...) {
        feedback.setWaitCursor(false);
        throw;
    }
    try {
        uploadImage(m_link, m_image, selectors, report);
    } catch (...) {
        // What was written stays written; the log says how far the upload got.
        report.endedEarly = true;
        feedback.setWaitCursor(false);
        m_link.close();
        feedback.log(report.summary());
        throw;
    }
    feedback.setWaitCursor(false);
    m_link.close();
    feedback.log(report.summary());
    return report;
}
