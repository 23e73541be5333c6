#include "workspace/Transfers.h"
#include "base/Language.h"

#include "base/Errors.h"

#include <algorithm>
#include <cstring>

namespace {

QString communicationError() {
    return tx("workspace", "Chyba komunikace");
}

void prepareWrite(LinkPacket& packet, std::uint8_t status, int address, const ConfigImage& image,
                  int count) {
    packet.setCommand('X', 'W');
    packet.setStatus(status);
    packet.setLength(std::uint16_t(count + 3));
    packet.setPayloadU16(0, std::uint16_t(address));
    packet.payload()[2] = std::uint8_t(count);
    image.copyOut(address, count, packet.payload() + 3);
}

// "#XR": count bytes of memory from address.
void prepareRead(LinkPacket& packet, int address, int count) {
    packet.setCommand('X', 'R');
    packet.setStatus(0);
    packet.setLength(3);
    packet.setPayloadU16(0, std::uint16_t(address));
    packet.payload()[2] = std::uint8_t(count);
}

} // namespace

QString UploadReport::summary() const {
    QString line =
        tx("workspace", "Zapsáno záznamů: %1, bloků: %2").arg(recordsWritten).arg(chunksWritten);
    if (refusedAddresses.isEmpty()) {
        line += tx("workspace", "; nic nebylo odmítnuto");
    } else {
        QStringList addresses;
        for (int a : refusedAddresses)
            addresses << QString::number(a);
        line += tx("workspace", "; odmítnuto na adresách: ") + addresses.join(QStringLiteral(", "));
    }
    if (linkFailures > 0)
        line += tx("workspace", "; bez spojení: %1").arg(linkFailures);
    if (repliesInDoubt)
        line += tx("workspace", "; jednotka poslala odpověď navíc, odpovědi nelze přiřadit k "
                                "požadavkům a výsledek nahrávání není jistý");
    else if (endedEarly || sent() < planned)
        line += tx("workspace", "; nahrávání nebylo dokončeno (jednotka odpověděla na %1 z %2 "
                                "požadavků)")
                    .arg(recordsWritten + chunksWritten + int(refusedAddresses.size()))
                    .arg(planned);
    return line + QLatin1Char('.');
}

QString UploadReport::verifySummary() const {
    if (verifyIncomplete)
        return tx("workspace", "Ověření zápisu nebylo dokončeno (přečteno zpět %1 bajtů); "
                               "zápis nelze považovat za ověřený.")
            .arg(bytesVerified);
    if (mismatches.isEmpty())
        return tx("workspace", "Vše zapsáno a ověřeno čtením zpět (%1 bajtů).").arg(bytesVerified);
    // By page: "Výstupy: 372, 373".
    QStringList pages;
    QString page;
    QStringList addresses;
    auto flush = [&] {
        if (!addresses.isEmpty())
            pages << page + QStringLiteral(": ") + addresses.join(QStringLiteral(", "));
        addresses.clear();
    };
    for (const auto& [address, title] : mismatches) {
        if (title != page)
            flush();
        page = title;
        addresses << QString::number(address);
    }
    flush();
    return tx("workspace", "Ověření zápisu selhalo: počet bajtů, které jednotka drží jinak, než "
                           "byly odeslány: %1 (%2).")
        .arg(mismatches.size())
        .arg(pages.join(QStringLiteral("; ")));
}

bool readAllBlocks(DeviceLink& link, ConfigImage& image) {
    LinkPacket& packet = link.packet();
    for (int n = 0; n < mem::ReadBlockCount; ++n) {
        const int address = mem::ReadFirst + mem::ReadBlockSize * n;
        prepareRead(packet, address, mem::ReadBlockSize);
        // The connection stays open past the last reply: the caller checks that no late
        // copy of a reply put the stream behind before it takes the blocks as read.
        link.exchange(ExchangeMode::KeepOpen);
        if (link.linkFailed()) {
            link.feedback().message(communicationError());
            return false;
        }
        // A refused read is no memory, whatever bytes came with it; the read-back treats it
        // the same way.
        if (packet.status() != 0) {
            link.close();
            throw LinkBroken(tx("workspace", "Jednotka odmítla čtení adresy %1 (status %2).")
                                 .arg(address)
                                 .arg(packet.status()));
        }
        // A short reply would leave the request's own bytes in the packet; they are not
        // the unit's memory and must not reach the image.
        if (packet.length() < mem::ReadBlockSize) {
            link.close();
            throw LinkBroken(
                tx("workspace", "Jednotka vrátila na čtení adresy %1 jen %2 bajtů místo %3.")
                    .arg(address)
                    .arg(packet.length())
                    .arg(mem::ReadBlockSize));
        }
        link.feedback().log(QStringLiteral("%1 - %2").arg(n).arg(address));
        image.copyIn(address, mem::ReadBlockSize, packet.payload());
        link.feedback().progress(n + 1, mem::ReadBlockCount);
    }
    return true;
}

void writeRange(DeviceLink& link, const ConfigImage& image, int first, int end,
                const QString& label, UploadReport& report) {
    Feedback& feedback = link.feedback();
    LinkPacket& packet = link.packet();
    feedback.log(label);
    const int span = std::max(0, end - first);
    const int full = span / 100;
    const int rest = span % 100;
    int address = first;
    auto count = [&](int at) {
        if (link.linkFailed()) {
            ++report.linkFailures;
        } else if (packet.status() != 0) {
            ++report.refusedChunks;
            report.refusedAddresses.append(at);
        } else {
            ++report.chunksWritten;
        }
        feedback.progress(report.sent(), report.planned);
    };
    for (int i = 0; i < full; ++i) {
        prepareWrite(packet, 0, address, image, 100);
        link.exchange(ExchangeMode::KeepOpen);
        count(address);
        if (link.linkFailed()) {
            feedback.message(communicationError());
            feedback.setWaitCursor(false);
            return;
        }
        feedback.log(QStringLiteral("%1 - %2 %3").arg(i).arg(address).arg(packet.status()));
        address += 100;
    }
    if (rest > 0) {
        prepareWrite(packet, 0, address, image, rest);
        link.exchange(ExchangeMode::KeepOpen);
        count(address);
        feedback.log(QStringLiteral("%1 - %2 %3").arg(rest).arg(address).arg(packet.status()));
    }
}

namespace {
int chunksOf(int first, int end) {
    const int span = std::max(0, end - first);
    return span / 100 + (span % 100 ? 1 : 0);
}
} // namespace

int plannedRequests(const ConfigImage& image, const Selectors& selectors) {
    int planned = 0;
    for (const PageInfo& page : pageRegistry()) {
        if (!selectors.selects(page.slot))
            continue;
        planned += int(page.records.size());
        for (const UploadRange& range : page.ranges)
            planned += chunksOf(range.first, range.endIn(image));
    }
    return planned;
}

namespace {

// Returns false when the upload must end (an unreachable unit at a record with link test).
bool sendRecord(DeviceLink& link, const ConfigImage& image, const UploadRecord& record,
                UploadReport& report) {
    Feedback& feedback = link.feedback();
    LinkPacket& packet = link.packet();
    prepareWrite(packet, record.status, record.address, image, record.size);
    link.exchange(ExchangeMode::KeepOpen);
    if (link.linkFailed())
        ++report.linkFailures;
    else if (packet.status() == 0)
        ++report.recordsWritten;
    else
        report.refusedAddresses.append(record.address);
    feedback.progress(report.sent(), report.planned);
    if (record.linkTest && link.linkFailed()) {
        report.endedEarly = true;
        feedback.message(communicationError());
        feedback.setWaitCursor(false);
        return false;
    }
    // An unreachable unit leaves status 1, which reads as a refusal of the record.
    if (packet.status() != 0) {
        report.refusedRecords.append(record.number);
        feedback.message(tx("workspace", "Chyba uložení %1").arg(record.number));
    }
    feedback.log(tx("transfers", record.logLine));
    return true;
}

} // namespace

bool readRange(DeviceLink& link, ConfigImage& image, int first, int end) {
    LinkPacket& packet = link.packet();
    for (int address = first; address < end; address += mem::ReadBlockSize) {
        const int count = std::min(mem::ReadBlockSize, end - address);
        prepareRead(packet, address, count);
        link.exchange(ExchangeMode::KeepOpen);
        if (link.linkFailed() || packet.status() != 0 || packet.length() < count)
            return false;
        image.copyIn(address, count, packet.payload());
    }
    return true;
}

namespace {

// Reads [first, end) back and notes every byte that differs from the image.
bool readBack(DeviceLink& link, const ConfigImage& image, int first, int end, const QString& page,
              UploadReport& report) {
    ConfigImage held;
    if (!readRange(link, held, first, end))
        return false;
    for (int a = first; a < end; ++a)
        if (held[a] != image[a])
            report.mismatches.append({a, page});
    report.bytesVerified += end - first;
    return true;
}

} // namespace

bool verifyUpload(DeviceLink& link, const ConfigImage& image, const Selectors& selectors,
                  UploadReport& report) {
    report.verified = true;
    for (const PageInfo& page : pageRegistry()) {
        if (!selectors.selects(page.slot))
            continue;
        const QString title = QString::fromUtf8(page.title);
        for (const UploadRecord& record : page.records)
            if (!readBack(link, image, record.address, record.address + record.size, title,
                          report)) {
                report.verifyIncomplete = true;
                return false;
            }
        for (const UploadRange& range : page.ranges)
            if (!readBack(link, image, range.first, range.endIn(image), title, report)) {
                report.verifyIncomplete = true;
                return false;
            }
    }
    return true;
}

void uploadImage(DeviceLink& link, const ConfigImage& image, const Selectors& selectors,
                 UploadReport& report) {
    report.planned = plannedRequests(image, selectors);
    for (const PageInfo& page : pageRegistry()) {
        if (!selectors.selects(page.slot))
            continue;
        for (const UploadRecord& record : page.records)
            if (!sendRecord(link, image, record, report))
                return;
        // A page's description range follows right after its record.
        for (const UploadRange& range : page.ranges)
            writeRange(link, image, range.first, range.endIn(image), tx("transfers", range.label),
                       report);
    }
}
