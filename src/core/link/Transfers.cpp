#include "link/Transfers.h"

#include "image/RawRegionPage.h"
#include "link/Errors.h"

#include <algorithm>
#include <cstring>

const std::array<UploadRecord, 10> UploadRecords{{
    {1, PageSlot::Network, mem::AppConfig.first, mem::AppConfigUploadSize, 1, "Save - App Config",
     true},
    {2, PageSlot::Network, mem::BiosName.first, mem::BiosName.size, 0, "Save - Bios Name", false},
    {3, PageSlot::Network, mem::Popis.first, mem::Popis.size, 0, "Save - Popis", false},
    {4, PageSlot::Network, mem::SnmpComm.first, mem::SnmpComm.size, 0, "Save - SNMP COMM", false},
    {5, PageSlot::Network, mem::EthConfig.first, mem::EthConfig.size, 5, "Save - Eth Config",
     false},
    {6, PageSlot::Inputs, mem::InpConfig.first, mem::InpConfig.size, 6, "Save - Inp Config", true},
    {7, PageSlot::Outputs, mem::OutConfig.first, mem::OutConfig.size, 7, "Save - Out Config", true},
    {8, PageSlot::Analog, mem::Out10Config.first, mem::Out10Config.size, 8, "Save - Out10 Config",
     true},
    {9, PageSlot::Modes, mem::RezimConfig.first, mem::RezimConfig.size, 9, "Save - Rezim Config",
     true},
    {10, PageSlot::Thermometers, mem::Quel5Config.first, mem::Quel5Config.size, 10,
     "Save - Quel5 Config", true},
}};

namespace {

const QString CommunicationError = QStringLiteral("Chyba komunikace");

void prepareWrite(LinkPacket& packet, std::uint8_t status, int address, const ConfigImage& image,
                  int count) {
    packet.setCommand('X', 'W');
    packet.setStatus(status);
    packet.setLength(std::uint16_t(count + 3));
    packet.setPayloadU16(0, std::uint16_t(address));
    packet.payload()[2] = std::uint8_t(count);
    image.copyOut(address, count, packet.payload() + 3);
}

// The description range that follows a page's record.
const mem::Region* descriptionsAfter(int recordNumber) {
    switch (recordNumber) {
    case 6:
        return &mem::InputDescriptions;
    case 7:
        return &mem::OutputDescriptions;
    case 8:
        return &mem::Out10Descriptions;
    case 10:
        return &mem::ThermometerDescriptions;
    default:
        return nullptr;
    }
}

} // namespace

QString UploadReport::summary() const {
    QString line =
        QStringLiteral("Zapsáno záznamů: %1, bloků: %2").arg(recordsWritten).arg(chunksWritten);
    if (refusedAddresses.isEmpty()) {
        line += QStringLiteral("; nic nebylo odmítnuto");
    } else {
        QStringList addresses;
        for (int a : refusedAddresses)
            addresses << QString::number(a);
        line += QStringLiteral("; odmítnuto na adresách: ") + addresses.join(QStringLiteral(", "));
    }
    if (linkFailures > 0)
        line += QStringLiteral("; bez spojení: %1").arg(linkFailures);
    if (endedEarly || sent() < planned)
        line += QStringLiteral("; nahrávání nebylo dokončeno (jednotka odpověděla na %1 z %2 "
                               "požadavků)")
                    .arg(recordsWritten + chunksWritten + int(refusedAddresses.size()))
                    .arg(planned);
    return line + QLatin1Char('.');
}

bool readAllBlocks(DeviceLink& link, ConfigImage& image) {
    LinkPacket& packet = link.packet();
    for (int n = 0; n < mem::ReadBlockCount; ++n) {
        const int address = mem::ReadFirst + mem::ReadBlockSize * n;
        packet.setCommand('X', 'R');
        packet.setStatus(0);
        packet.setLength(3);
        packet.setPayloadU16(0, std::uint16_t(address));
        packet.payload()[2] = mem::ReadBlockSize;
        link.exchange(n == mem::ReadBlockCount - 1 ? ExchangeMode::CloseAfterReply
                                                   : ExchangeMode::KeepOpen);
        if (link.linkFailed()) {
            link.feedback().message(CommunicationError);
            return false;
        }
        // A short reply would leave the request's own bytes in the packet; they are not
        // the unit's memory and must not reach the image.
        if (packet.length() < mem::ReadBlockSize) {
            link.close();
            throw LinkBroken(
                QStringLiteral("Jednotka vrátila na čtení adresy %1 jen %2 bajtů místo %3.")
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
            feedback.message(CommunicationError);
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
    for (const UploadRecord& record : UploadRecords) {
        if (!selectors.selects(record.slot))
            continue;
        ++planned;
        if (const mem::Region* descriptions = descriptionsAfter(record.number))
            planned += chunksOf(descriptions->first, descriptions->end());
    }
    if (selectors.thermostats)
        planned += chunksOf(mem::ThermostatRegion.first, mem::ThermostatRegion.end()) +
                   chunksOf(mem::ThermostatDescriptions.first, mem::ThermostatDescriptions.end());
    if (selectors.relays)
        planned += chunksOf(mem::RelayArea, relayAreaEnd(image)) +
                   chunksOf(mem::RelayDescriptions.first, mem::RelayDescriptions.end());
    return planned;
}

void uploadImage(DeviceLink& link, const ConfigImage& image, const Selectors& selectors,
                 UploadReport& report) {
    Feedback& feedback = link.feedback();
    LinkPacket& packet = link.packet();
    report.planned = plannedRequests(image, selectors);
    for (const UploadRecord& record : UploadRecords) {
        if (!selectors.selects(record.slot))
            continue;
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
            feedback.message(CommunicationError);
            feedback.setWaitCursor(false);
            return;
        }
        // An unreachable unit leaves status 1, which reads as a refusal of the record.
        if (packet.status() != 0) {
            report.refusedRecords.append(record.number);
            feedback.message(QStringLiteral("Chyba uložení %1").arg(record.number));
        }
        feedback.log(QString::fromLatin1(record.logLine));
        if (const mem::Region* descriptions = descriptionsAfter(record.number))
            writeRange(link, image, descriptions->first, descriptions->end(),
                       QStringLiteral("Popisy "), report);
    }
    if (selectors.thermostats) {
        writeRange(link, image, mem::ThermostatRegion.first, mem::ThermostatRegion.end(),
                   QStringLiteral("Term "), report);
        writeRange(link, image, mem::ThermostatDescriptions.first,
                   mem::ThermostatDescriptions.end(), QStringLiteral("Popisy "), report);
    }
    if (selectors.relays) {
        writeRange(link, image, mem::RelayArea, relayAreaEnd(image), QStringLiteral("Rele "),
                   report);
        writeRange(link, image, mem::RelayDescriptions.first, mem::RelayDescriptions.end(),
                   QStringLiteral("Popisy "), report);
    }
}

void prepareI2cRead(LinkPacket& packet, std::uint8_t device, std::uint8_t reg, std::uint8_t count) {
    packet.setCommand('X', 'I');
    packet.setStatus(0);
    packet.setLength(3);
    packet.payload()[0] = device;
    packet.payload()[1] = reg;
    packet.payload()[2] = std::min<std::uint8_t>(count, LinkPacket::PayloadCapacity);
}

void prepareI2cWrite(LinkPacket& packet, std::uint8_t device, std::uint8_t reg,
                     const std::uint8_t* data, int count) {
    count = std::clamp(count, 0, int(LinkPacket::PayloadCapacity) - 3);
    packet.setCommand('X', 'i');
    packet.setStatus(0);
    packet.setLength(std::uint16_t(count + 3));
    packet.payload()[0] = device;
    packet.payload()[1] = reg;
    packet.payload()[2] = std::uint8_t(count);
    if (count > 0)
        std::memcpy(packet.payload() + 3, data, size_t(count));
}
