#include <gtest/gtest.h>

#include "files/DesignExtension.h"
#include "tests/support/DesignFileVectors.h"

using namespace kestrel::designfile;
using kestrel::reference::defaultDesignFile;
using kestrel::reference::withTextRecords;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes withTail(Bytes file, Bytes tail) {
    file.insert(file.end(), tail.begin(), tail.end());
    return file;
}

TEST(DesignExtension, ReadsWhatFollowsRecord14) {
    const std::vector<NamedValue> two = {{"cboLOHar", "8"}, {"cboWanted", "a=b"}};
    Bytes longRecord = withTextRecords(defaultDesignFile(), {"KESTREL-EXT 1 1"});
    longRecord.insert(longRecord.end(), {124, 0});
    struct Case {
        const char* what;
        Bytes file;
        std::optional<std::vector<NamedValue>> values; // nullopt: broken
        ExtensionError error = ExtensionError::BadSignature;
    };
    const Case cases[] = {
        {"14 records only", defaultDesignFile(), std::vector<NamedValue>{}},
        {"record 14 padded", defaultDesignFile(1750), std::vector<NamedValue>{}},
        {"other bytes are ignored", withTail(defaultDesignFile(1750), Bytes(300, 'K')), std::vector<NamedValue>{}},
        {"two values", withTextRecords(defaultDesignFile(), {"KESTREL-EXT 1 2", "cboLOHar=8", "cboWanted=a=b"}), two},
        {"later records ignored", withTextRecords(defaultDesignFile(), {"KESTREL-EXT 1 2", "cboLOHar=8", "cboWanted=a=b", "x"}), two},
        {"a newer version", withTextRecords(defaultDesignFile(), {"KESTREL-EXT 2 0"}), std::vector<NamedValue>{}},
        {"no count", withTextRecords(defaultDesignFile(), {"KESTREL-EXT 1"}), std::nullopt},
        {"version 0", withTextRecords(defaultDesignFile(), {"KESTREL-EXT 0 1", "a=1"}), std::nullopt},
        {"count not a number", withTextRecords(defaultDesignFile(), {"KESTREL-EXT 1 x"}), std::nullopt},
        {"negative count", withTextRecords(defaultDesignFile(), {"KESTREL-EXT 1 -1"}), std::nullopt},
        {"huge count", withTextRecords(defaultDesignFile(), {"KESTREL-EXT 1 99999"}), std::nullopt},
        {"records missing", withTextRecords(defaultDesignFile(), {"KESTREL-EXT 1 3", "a=1", "b=2"}), std::nullopt,
         ExtensionError::TooShort},
        {"no equals", withTextRecords(defaultDesignFile(), {"KESTREL-EXT 1 1", "cboLOHar"}), std::nullopt,
         ExtensionError::NoEquals},
        {"no name", withTextRecords(defaultDesignFile(), {"KESTREL-EXT 1 1", "=8"}), std::nullopt,
         ExtensionError::NoEquals},
        {"length over 123", longRecord, std::nullopt, ExtensionError::TextTooLong},
    };
    for (const Case& c : cases) {
        const ExtensionRead read = readExtension(c.file);
        EXPECT_EQ(read.values, c.values) << c.what;
        if (!c.values) {
            EXPECT_EQ(read.error, c.error) << c.what;
        }
    }
}

TEST(DesignExtension, WritesPaddedRecordsThatReadBack) {
    const std::vector<NamedValue> values = {{"cboSteps", "10"}, {"txtThreshold", "-60"}};
    const auto file = withExtension(defaultDesignFile(), values);
    ASSERT_TRUE(file);
    EXPECT_EQ(*file, withTextRecords(defaultDesignFile(), {"KESTREL-EXT 1 2", "cboSteps=10", "txtThreshold=-60"}));
    EXPECT_EQ(readExtension(*file).values, values);

    for (const NamedValue& bad : {NamedValue{"", "1"}, NamedValue{"a=b", "1"},
                                  NamedValue{"n", std::string(122, 'x')}})
        EXPECT_FALSE(writeExtension({bad})) << bad.name;
    EXPECT_TRUE(writeExtension({NamedValue{"n", std::string(121, 'x')}}));
}

} // namespace
