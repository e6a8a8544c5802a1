#pragma once
// The start-up design as the bytes of a design file, written out by hand:
// each value at its record's offset, everything else zero, record 14 not
// padded (1,630 bytes); and what a save adds after it.

#include <cstdint>
#include <string>
#include <vector>

namespace kestrel::reference {

struct BytesAt {
    std::size_t offset;
    std::vector<std::uint8_t> bytes;
};

inline const std::vector<BytesAt> kDefaultDesignValues = {
    {0, {0x00, 0x00, 0x00, 0x00}},    // unchecked tracking LO
    {125, {0x00, 0x00, 0x1A, 0x42}},  // LO offset 38.5
    {250, {0x00, 0x00, 0xC0, 0x41}},  // LO 24
    {375, {0x00, 0x00, 0x00, 0x41}},  // LO power 8
    {500, {0x00, 0x00, 0x48, 0x41}},  // RF start 12.5
    {625, {0x00, 0x00, 0x84, 0x41}},  // RF stop 16.5
    {750, {0x00, 0x00, 0xA0, 0xC0}},  // RF power -5
    {875, {0x00, 0x00, 0xF0, 0x41}},  // IF start 30
    {1000, {0x00, 0x00, 0x14, 0x42}}, // marker 1 37
    {1125, {0x00, 0x00, 0x20, 0x42}}, // marker 2 40
    {1250, {0x00, 0x00, 0x48, 0x42}}, // IF stop 50
    {1375, {12, 0, 'P', 'r', 'o', 'j', 'e', 'c', 't', ' ', 'I', 'n', 'f', 'o'}},
    {1500, {0x00, 0x00, 0x00, 0x00}}, // unchecked project box
    {1625, {3, 0, 'G', 'H', 'z'}},
};

inline std::vector<std::uint8_t> defaultDesignFile(std::size_t size = 1630) {
    std::vector<std::uint8_t> file(size, 0);
    for (const BytesAt& v : kDefaultDesignValues)
        for (std::size_t i = 0; i < v.bytes.size(); ++i) file[v.offset + i] = v.bytes[i];
    return file;
}

// What a save of the start-up design writes after record 14, in record order.
inline const std::vector<std::string> kDefaultExtension = {
    "KESTREL-EXT 1 33", "cboLOHar=8",          "cboRFHar=8",        "cboSteps=10",
    "cboSweepSpeed=25", "chkSUMONLY=0",        "chkSingle=1",       "txtConversionLoss=8",
    "txtRFIsolation=25", "txtLOIsolation=25",
    "cboWanted=Automatic (from the markers)",  "txtThreshold=-60",
    "cboMaxOrder=Any",  "chkShade=0",          "chkShadeBands=0",
    // The mixer's spur table: empty but for the wanted 1x1, one row per RF order.
    "gridIMT(0)=,,,,,,,,,,", "gridIMT(1)=,0,,,,,,,,,", "gridIMT(2)=,,,,,,,,,,",
    "gridIMT(3)=,,,,,,,,,,", "gridIMT(4)=,,,,,,,,,,", "gridIMT(5)=,,,,,,,,,,",
    "gridIMT(6)=,,,,,,,,,,", "gridIMT(7)=,,,,,,,,,,", "gridIMT(8)=,,,,,,,,,,",
    "txtIMTRFRef=-10", "txtIMTLORef=7", "chkUseIMT=0",
    // The IF planner's inputs.
    "cboPlanWanted=LO - RF", "cboPlanPoints=1001", "txtPlanFrom=20", "txtPlanTo=40",
    "txtPlanGuard=0", "txtPlanThreshold=-60", "chkPlanAutoScan=1",
};

// Text records from record 15 on, each a 2-byte length and its text,
// padded to 125 bytes, after records 1 to 14 padded to their full length.
inline std::vector<std::uint8_t> withTextRecords(std::vector<std::uint8_t> file,
                                                 const std::vector<std::string>& texts) {
    file.resize(1750, 0);
    for (const std::string& t : texts) {
        std::vector<std::uint8_t> record(125, 0);
        record[0] = std::uint8_t(t.size());
        for (std::size_t i = 0; i < t.size(); ++i) record[2 + i] = std::uint8_t(t[i]);
        file.insert(file.end(), record.begin(), record.end());
    }
    return file;
}

inline std::vector<std::uint8_t> defaultSavedFile() {
    return withTextRecords(defaultDesignFile(), kDefaultExtension);
}

// Overwrites bytes of a file image, e.g. one record's value.
inline void patch(std::vector<std::uint8_t>& file, std::size_t offset,
                  std::vector<std::uint8_t> bytes) {
    if (file.size() < offset + bytes.size()) file.resize(offset + bytes.size(), 0);
    for (std::size_t i = 0; i < bytes.size(); ++i) file[offset + i] = bytes[i];
}

} // namespace kestrel::reference
