#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "files/DesignRecord.h"
#include "tests/support/DesignFileVectors.h"

using namespace kestrel::designfile;
using kestrel::reference::defaultDesignFile;
using kestrel::reference::patch;

namespace {

DesignRecord defaultDesign() {
    DesignRecord r;
    r.values = {38.5f, 24, 8, 12.5f, 16.5f, -5, 30, 37, 40, 50};
    r.project = "Project Info";
    r.unit = "GHz";
    return r;
}

TEST(DesignRecord, DefaultDesignWritesTheExpectedBytes) {
    const auto image = writeRecords(defaultDesign());
    ASSERT_TRUE(image);
    EXPECT_EQ(*image, defaultDesignFile());
}

TEST(DesignRecord, TextsAndChecksLandAtTheirRecords) {
    DesignRecord r = defaultDesign();
    r.offsetState = 1;
    r.projectState = 1;
    r.project = "";
    r.unit = "KHz";
    auto expected = defaultDesignFile();
    patch(expected, 0, {0x00, 0x00, 0x80, 0x3F});
    patch(expected, 1375, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    patch(expected, 1500, {0x00, 0x00, 0x80, 0x3F});
    patch(expected, 1625, {3, 0, 'K', 'H', 'z'});
    EXPECT_EQ(writeRecords(r), expected);
}

TEST(DesignRecord, RoundTripKeepsEveryByteOfTheTexts) {
    DesignRecord r = defaultDesign();
    r.project = std::string(123, '\xE9'); // Latin-1 e acute, the longest text
    r.values[5] = 12345.678f;
    r.values[0] = -0.0f;
    const auto image = writeRecords(r);
    ASSERT_TRUE(image);
    const ReadResult back = readRecords(*image);
    ASSERT_TRUE(back.record);
    EXPECT_EQ(*back.record, r);
}

TEST(DesignRecord, WriterRefusesWhatTheReaderWouldRefuse) {
    DesignRecord tooLong = defaultDesign();
    tooLong.project = std::string(124, 'x');
    DesignRecord badUnit = defaultDesign();
    badUnit.unit = "Hz";
    DesignRecord infinite = defaultDesign();
    infinite.values[9] = std::numeric_limits<float>::infinity();
    for (const DesignRecord& r : {tooLong, badUnit, infinite}) EXPECT_FALSE(writeRecords(r));
}

TEST(DesignRecord, ReadsPaddedUnpaddedAndLongerFiles) {
    for (std::size_t size : {std::size_t{1630}, std::size_t{1750}, std::size_t{5000}}) {
        auto file = defaultDesignFile(size);
        // Bytes after each value carry no meaning.
        for (std::size_t at = 4; at < 1375; at += 125) file[at] = 0xAB;
        patch(file, 1375 + 14, {0xFF, 0xFF});
        if (size > 1630) patch(file, 1630, {0x7F, 0x7F, 0x7F});
        const ReadResult r = readRecords(file);
        ASSERT_TRUE(r.record) << size;
        EXPECT_EQ(*r.record, defaultDesign()) << size;
    }
}

TEST(DesignRecord, CheckStatesRoundHalvesToEven) {
    struct Case {
        float stored;
        std::optional<bool> state;
    };
    const Case cases[] = {
        {0.0f, false}, {-0.0f, false}, {0.5f, false}, {-0.5f, false}, {0.49f, false},
        {1.0f, true},  {0.51f, true},  {1.49f, true},  {1.5f, std::nullopt},
        {-0.51f, std::nullopt}, {2.0f, std::nullopt}, {std::nanf(""), std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(checkState(c.stored), c.state) << c.stored;
}

TEST(DesignRecord, BrokenFilesAreRefusedWithTheirReason) {
    struct Case {
        const char* what;
        std::size_t size;
        std::size_t at;
        std::vector<std::uint8_t> bytes;
        RecordError error;
    };
    const Case cases[] = {
        {"empty", 0, 0, {}, RecordError::TooShort},
        {"one record", 125, 0, {}, RecordError::TooShort},
        {"unit text cut", 1629, 0, {}, RecordError::TooShort},
        {"unit length cut", 1626, 0, {}, RecordError::TooShort},
        {"unit text beyond the end", 1630, 1625, {5, 0}, RecordError::TooShort},
        {"project length 124", 1630, 1375, {124, 0}, RecordError::TextTooLong},
        {"project length 65535", 1750, 1375, {0xFF, 0xFF}, RecordError::TextTooLong},
        {"unit length 124", 1750, 1625, {124, 0}, RecordError::TextTooLong},
        {"tracking LO box 2", 1630, 0, {0, 0, 0, 0x40}, RecordError::BadCheckState},
        {"tracking LO box 1.5", 1630, 0, {0, 0, 0xC0, 0x3F}, RecordError::BadCheckState},
        {"project box -1", 1630, 1500, {0, 0, 0x80, 0xBF}, RecordError::BadCheckState},
        {"project box NaN", 1630, 1500, {0, 0, 0xC0, 0x7F}, RecordError::BadCheckState},
        {"LO infinite", 1630, 250, {0, 0, 0x80, 0x7F}, RecordError::NotFinite},
        {"IF stop NaN", 1630, 1250, {0, 0, 0xC0, 0xFF}, RecordError::NotFinite},
        {"unit lower case", 1630, 1625, {3, 0, 'g', 'h', 'z'}, RecordError::BadUnit},
        {"unit Hz", 1630, 1625, {2, 0, 'H', 'z'}, RecordError::BadUnit},
        {"unit with a blank", 1631, 1625, {4, 0, 'G', 'H', 'z', ' '}, RecordError::BadUnit},
        {"unit empty", 1627, 1625, {0, 0}, RecordError::BadUnit},
    };
    for (const Case& c : cases) {
        auto file = defaultDesignFile(std::max<std::size_t>(c.size, 1630));
        patch(file, c.at, c.bytes);
        file.resize(c.size);
        const ReadResult r = readRecords(file);
        EXPECT_FALSE(r.record) << c.what;
        EXPECT_EQ(r.error, c.error) << c.what;
    }
}

} // namespace
