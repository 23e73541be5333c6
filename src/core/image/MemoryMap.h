#pragma once

#include <cstdint>

// Addresses of the unit's configuration memory. The image offset is the memory address.
namespace mem {

constexpr int ImageSize = 8000;

struct Region {
    int first;
    int size;
    constexpr int end() const { return first + size; }
};

// Fixed records.
constexpr Region AppConfig{56, 35};
constexpr int AppConfigUploadSize = 28; // the upload sends only the first 28 bytes
constexpr Region BiosName{91, 16};
constexpr Region Popis{107, 50};
constexpr Region SnmpComm{157, 58};
constexpr Region EthConfig{215, 97};
constexpr Region InpConfig{360, 10};
constexpr Region OutConfig{370, 24};
constexpr Region Out10Config{394, 31};
constexpr Region RezimConfig{425, 12};
constexpr Region Quel5Config{437, 20};

// Thermostats: mask, 32 records of 12 bytes, and 80 bytes that travel with the region.
constexpr Region ThermostatRegion{1000, 468};
constexpr int ThermostatMask = 1000;
constexpr int ThermostatTable = 1004;
constexpr int ThermostatRecordSize = 12;
constexpr int ThermostatCount = 32;

// Virtual relays: mask, code length, 32 index entries of 4 bytes, then the code.
constexpr int RelayArea = 1468;
constexpr int RelayMask = 1468;
constexpr int RelayCodeLength = 1472;
constexpr int RelayIndex = 1474;
constexpr int RelayIndexEntrySize = 4;
constexpr int RelayIndexCount = 32;
constexpr int RelayCode = 1602;
constexpr int RelayAreaFixedSize = RelayCode - RelayArea; // 134
// The relay code may grow up to the description area and no further.
constexpr int RelayCodeLimit = 5000;

// Description slots: 20 bytes each, at most 19 characters and a zero byte.
constexpr int DescriptionArea = 5000;
constexpr int DescriptionSlotSize = 20;
constexpr int DescriptionMaxChars = 19;
constexpr Region InputDescriptions{5000, 160};
constexpr Region OutputDescriptions{5160, 320};
constexpr Region ThermometerDescriptions{5480, 100};
constexpr Region Out10Descriptions{5580, 80};
constexpr Region ThermostatDescriptions{5660, 640};
constexpr Region RelayDescriptions{6300, 640};

// What ReadAll covers: 79 blocks of 100 bytes from 56.
constexpr int ReadFirst = 56;
constexpr int ReadBlockSize = 100;
constexpr int ReadBlockCount = 79;

} // namespace mem
