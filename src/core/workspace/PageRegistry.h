#pragma once

#include "image/MemoryMap.h"
#include "image/Page.h"

#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

// The configuration pages, in the order of the gather.
enum class PageSlot : std::uint8_t {
    Network,
    Inputs,
    Outputs,
    Analog,
    Modes,
    Thermometers,
    Thermostats,
    Relays
};
constexpr int PageSlotCount = 8;

// Which pages a gather or an upload takes: the four arguments of UploadConfig and
// GatherPages (network flag, page flags 1 inputs … 16 thermometers, thermostats flag,
// relays flag), held as one set of pages.
class Selectors {
public:
    Selectors() = default;
    static Selectors all();
    static Selectors allButNetwork() { return all().without(PageSlot::Network); }
    static Selectors only(PageSlot slot) { return Selectors().with(slot); }
    static Selectors fromArguments(bool network, int pageFlags, bool thermostats, bool relays);

    Selectors with(PageSlot slot) const;
    Selectors without(PageSlot slot) const;
    bool selects(PageSlot slot) const { return m_bits & bit(slot); }
    bool isEverything() const { return *this == all(); }
    bool isEmpty() const { return m_bits == 0; }

    bool network() const { return selects(PageSlot::Network); }
    int pageFlags() const;
    bool thermostats() const { return selects(PageSlot::Thermostats); }
    bool relays() const { return selects(PageSlot::Relays); }

    bool operator==(const Selectors&) const = default;

private:
    static std::uint8_t bit(PageSlot slot) { return std::uint8_t(1u << int(slot)); }
    std::uint8_t m_bits = 0;
};

// A fixed record of the upload.
struct UploadRecord {
    int number;
    int address;
    int size;
    std::uint8_t status; // the status byte sent with the record
    const char* logLine;
    bool linkTest; // an unreachable unit at this record ends the upload
};

// An address range the upload writes in chunks of 100 bytes.
struct UploadRange {
    int first;
    int end; // one past the last byte
    const char* label;
    bool endFollowsRelayCode = false; // the relay area ends behind its code
    int endIn(const ConfigImage& image) const {
        return endFollowsRelayCode ? relayAreaEnd(image) : end;
    }
};

// One page: everything the rest of the system needs to know of it.
struct PageInfo {
    PageSlot slot;
    const char* cliName;               // its name in quel5ctl --pages
    int pageFlag;                      // its bit in the page flags of the upload, 0 for the others
    std::vector<mem::Region> regions;  // what its gather writes
    std::vector<UploadRecord> records; // sent in this order …
    std::vector<UploadRange> ranges;   // … then these
    const char* windowClass;
    const char* formName;
    const char* title; // the window's title, the page's heading in quel5ctl show
    // Its model; null for a page without one yet, which a stand-in carrying its regions
    // unchanged replaces.
    std::unique_ptr<Page> (*createModel)();
    // The row of the live status whose bits colour the window's state labels lp00 …
    // (1 "Inputs", 2 "Outputs", 3 "Vrele", 4 "Vterm"; -1 none) and how many labels it has.
    int statusRow = -1;
    int statusBits = 0;
};

// In the order of the gather and of the upload.
const std::vector<PageInfo>& pageRegistry();
const PageInfo& pageInfo(PageSlot slot);
const PageInfo* pageByCliName(const QString& name);
// The order of ScatterAll.
extern const std::array<PageSlot, PageSlotCount> ScatterOrder;
