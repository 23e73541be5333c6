#pragma once

#include "editors/NetworkPage.h"
#include "image/ConfigImage.h"
#include "image/Page.h"
#include "link/DeviceLink.h"
#include "link/Transfers.h"
#include "logic/RelayPage.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>

// One unit's configuration as the tool holds it: the image, the current file and the
// pages, with the operations that move the configuration between them, files and the unit.
// The main window owns one; quel5ctl makes one per run.
class Workspace {
public:
    static constexpr const char* BaseCaption = "Quel5.00.04";

    explicit Workspace(DeviceLink& link);
    ~Workspace();

    ConfigImage& image() { return m_image; }
    const ConfigImage& image() const { return m_image; }
    DeviceLink& link() { return m_link; }

    // Plugs a page in (the workspace does not own it); nullptr puts back the default: the
    // page model for the network records and the relays, and for pages without a model
    // of their own a stand-in that carries their regions unchanged.
    void setPage(PageSlot slot, Page* page);
    Page& page(PageSlot slot);
    NetworkPage& network() { return m_network; }
    RelayPage& relays() { return m_relays; }

    // Runs the gathers of the selected pages; with everything selected the image is
    // cleared first, so it holds exactly what the pages hold.
    void gatherPages(const Selectors& selectors);
    void scatterAll();

    const QString& currentFile() const { return m_currentFile; }
    void setCurrentFile(const QString& path) { m_currentFile = path; }
    // Reads the current file into the image and scatters it. Returns how many bytes the
    // file gave (a short file fills only its own length).
    qint64 loadConfigFile();
    // Gathers everything and writes the image to the current file.
    void saveConfigFile();

    QString caption() const { return m_caption; }
    std::function<void(const QString&)> onCaptionChanged;

    // Reads the unit's whole memory; scatters when every block arrived. Returns whether
    // it did.
    bool readAll();
    // Gathers the selected pages and sends their records and ranges.
    UploadReport uploadConfig(const Selectors& selectors);

    // True while a transfer is running; a second one is refused.
    bool isBusy() const { return m_busy || m_link.isBusy(); }

private:
    void setCaptionForFile();
    Page* defaultPage(PageSlot slot);
    class OperationScope;

    DeviceLink& m_link;
    ConfigImage m_image;
    QString m_currentFile;
    QString m_caption = QString::fromLatin1(BaseCaption);
    NetworkPage m_network;
    RelayPage m_relays;
    std::array<std::unique_ptr<Page>, PageSlotCount> m_standIns;
    std::array<Page*, PageSlotCount> m_pages{};
    bool m_busy = false;
};
