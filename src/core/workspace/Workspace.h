#pragma once

#include "image/ConfigImage.h"
#include "link/DeviceLink.h"
#include "workspace/PageModels.h"
#include "workspace/PageRegistry.h"
#include "workspace/Transfers.h"

#include <QString>
#include <array>
#include <functional>
#include <memory>

// One unit's configuration as the tool holds it: the image, the current file and the
// pages of the registry, with the operations that move the configuration between them,
// files and the unit. The main window owns one; quel5ctl makes one per run.
class Workspace {
public:
    static constexpr const char* BaseCaption = "Quel5.00.04";

    explicit Workspace(DeviceLink& link);
    ~Workspace();

    ConfigImage& image() { return m_image; }
    const ConfigImage& image() const { return m_image; }
    DeviceLink& link() { return m_link; }

    Page& page(PageSlot slot) { return *m_pages[size_t(slot)]; }
    // The page's own model; throws std::bad_cast when a test put another page there.
    template <typename T> T& pageAs(PageSlot slot) { return dynamic_cast<T&>(page(slot)); }
    // Puts another page in a slot (the workspace does not own it); nullptr puts back the
    // workspace's own.
    void setPage(PageSlot slot, Page* page);

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
    // Reads the unit's whole memory into `unit`, leaving the image and the pages as they
    // are; `unit` is set only when every block arrived. Returns whether they did.
    bool readUnit(ConfigImage& unit);
    // What a save would store: every page gathered into a blank image; the image itself
    // is left as it is.
    ConfigImage gatheredCopy();
    // An upload of the network page first reads the unit's own network record. When the
    // upload would change what the tool reaches the unit by (IP, mask, gateway, the TCP
    // and UDP ports, the user and administrator names) or carries another unit's MAC, it
    // asks confirmGuarded first, naming the old and new values; without a yes it throws
    // Cancelled and sends nothing.
    std::function<bool(const QStringList& changes)> confirmGuarded;
    // The guarded changes an upload of `image` would make to a unit holding `unit`.
    static QStringList guardedChanges(const ConfigImage& unit, const ConfigImage& image);

    // Whether an upload reads back what it wrote and compares it (on unless turned off).
    void setVerifyUploads(bool on) { m_verifyUploads = on; }
    bool verifyUploads() const { return m_verifyUploads; }
    // Gathers the selected pages and sends their records and ranges.
    UploadReport uploadConfig(const Selectors& selectors);

    // True while a transfer is running; a second one is refused.
    bool isBusy() const { return m_busy || m_link.isBusy(); }

private:
    void setCaptionForFile();
    bool readInto(ConfigImage& target);
    class OperationScope;

    DeviceLink& m_link;
    ConfigImage m_image;
    bool m_verifyUploads = true;
    QString m_currentFile;
    QString m_caption = QString::fromLatin1(BaseCaption);
    PageModels m_own;
    std::array<Page*, PageSlotCount> m_pages{};
    bool m_busy = false;
};
