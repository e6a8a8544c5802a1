#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <set>

#include "files/DesignCodec.h"
#include "files/ConverterKeys.h"
#include "files/DesignKeys.h"
#include "tests/support/DesignFileVectors.h"

using namespace kestrel;
using namespace kestrel::designfile;
using kestrel::reference::defaultDesignFile;
using kestrel::reference::defaultSavedFile;
using kestrel::reference::kDefaultExtension;
using kestrel::reference::patch;
using kestrel::reference::withTextRecords;
using Bytes = std::vector<std::uint8_t>;

namespace {

// The default extension with records replaced by name (`add`: appended).
Bytes savedWith(const std::vector<std::string>& extra, bool add = false) {
    std::vector<std::string> texts(kDefaultExtension.begin() + 1, kDefaultExtension.end());
    for (const std::string& e : extra) {
        const std::string name = e.substr(0, e.find('=') + 1);
        auto at = std::find_if(texts.begin(), texts.end(), [&](const std::string& t) { return t.starts_with(name); });
        if (add || at == texts.end())
            texts.push_back(e);
        else
            *at = e;
    }
    texts.insert(texts.begin(), "KESTREL-EXT 1 " + std::to_string(texts.size()));
    return withTextRecords(defaultDesignFile(), texts);
}

std::string valueOf(const Design& d, const std::string& name) {
    for (const DesignKey& k : designKeys(d))
        if (k.name == name) return k.value;
    return "<none>";
}

TEST(DesignCodec, DefaultDesignIsTheStartUpFile) {
    const DesignEncode encoded = encodeDesign(Design{});
    ASSERT_TRUE(encoded.bytes) << encoded.why;
    EXPECT_EQ(*encoded.bytes, defaultSavedFile());

    const DesignDecode decoded = decodeDesign(defaultSavedFile());
    ASSERT_TRUE(decoded.design) << decoded.why;
    EXPECT_EQ(*decoded.design, Design{});
}

TEST(DesignCodec, FilesOfFourteenRecordsKeepTheOtherValues) {
    Bytes old = defaultDesignFile();
    patch(old, 250, {0x00, 0x00, 0x90, 0x41}); // LO 18
    patch(old, 1625, {3, 0, 'M', 'H', 'z'});
    const DesignDecode plain = decodeDesign(old);
    ASSERT_TRUE(plain.design) << plain.why;
    Design expected;
    expected.loFreq = 18;
    expected.unit = "MHz";
    EXPECT_EQ(*plain.design, expected);

    // From a base: what the file does not store stays as it was.
    Design base;
    base.steps = "50";
    base.planAutoScan = false;
    const DesignDecode onBase = decodeDesign(defaultDesignFile(1750), base);
    ASSERT_TRUE(onBase.design);
    EXPECT_EQ(*onBase.design, base);
}

TEST(DesignCodec, EveryValueRoundTrips) {
    // A long row: eleven entries too many characters for one record.
    const std::string longRow = "-1234.5625,-2345.6875,-3456.8125,-4567.9375,-5678.0625,-6789.1875,"
                                "-7891.3125,-8912.4375,-9123.5625,-1111.6875,-2222.8125";
    struct Case {
        const char* name;
        const char* value; // set, and listed back as
    };
    const Case cases[] = {
        {"chkOffset", "1"},          {"txtLoOffset", "-3.25"},     {"txtLOFreq", "12345.68"},
        {"txtLOPower", "13"},        {"txtRFStart", "0.001"},      {"txtRFStop", "1.234568E+07"},
        {"txtRFPower", "-10.5"},     {"txtIFStart", "0"},          {"txtMarker1", "2.5"},
        {"txtMarker2", "3.75"},      {"txtIFStop", "7"},           {"txtProject", "Rig 4 \xE9t\xE9"},
        {"chkProject", "1"},         {"FreqUnit", "KHz"},          {"cboLOHar", "10"},
        {"cboRFHar", "1"},           {"cboSteps", "100"},          {"cboSweepSpeed", "500"},
        {"chkSUMONLY", "1"},         {"chkSingle", "0"},           {"txtConversionLoss", "6.50"},
        {"txtRFIsolation", "1e3"},   {"txtLOIsolation", "30"},     {"cboWanted", "LO + RF"},
        {"txtThreshold", "-70.0"},   {"cboMaxOrder", "18"},        {"chkShade", "1"},
        {"chkShadeBands", "1"},      {"gridIMT(0)", ",2,3,>90,,,,,,,"},
        {"gridIMT(3)", "-5,,,,,,,,,,-7.25"},                       {"gridIMT(4)", "-1234.5625,-2345.6875,-3456.8125,-4567.9375,-5678.0625,-6789.1875,,,,,"},
        {"gridIMT(4,6)", "-7891.3125,-8912.4375,-9123.5625,-1111.6875,-2222.8125"},
        {"txtIMTRFRef", "-20"},      {"txtIMTLORef", "10"},        {"chkUseIMT", "1"},
        {"cboPlanWanted", "RF - LO"}, {"cboPlanPoints", "10001"},  {"txtPlanFrom", "100"},
        {"txtPlanTo", "250.5"},      {"txtPlanGuard", "0.5"},      {"txtPlanThreshold", "-80"},
        {"chkPlanAutoScan", "0"},
        {"cboRFFilter", "Band-pass"}, {"cboRFResponse", "Chebyshev"}, {"txtRFFilterLow", "11.5"},
        {"txtRFFilterHigh", "17.25"}, {"txtRFFilterOrder", "15"},  {"txtRFFilterRipple", "0.01"},
        {"txtRFFilterLoss", "1.5"},  {"txtRFFilterFloor", "150"},  {"cboLOFilter", "Low-pass"},
        {"cboLOResponse", "Butterworth"}, {"txtLOFilterLow", "0"}, {"txtLOFilterHigh", "30"},
        {"txtLOFilterOrder", "1"},   {"txtLOFilterRipple", "3"},   {"txtLOFilterLoss", "0"},
        {"txtLOFilterFloor", "20"},  {"cboIFFilter", "Measured (Touchstone)"}, {"cboIFResponse", "Chebyshev"},
        {"txtIFFilterLow", "36"},    {"txtIFFilterHigh", "41"},    {"txtIFFilterOrder", "7"},
        {"txtIFFilterRipple", "0.5"}, {"txtIFFilterLoss", "2"},    {"txtIFFilterFloor", "90"},
        {"RFFilterDataName", "pre sel\xE9.csv"}, {"RFFilterData(0)", "1,0.5;2.5,3"},
        {"LOFilterDataName", ""},    {"IFFilterDataName", "if.s2p"},
        {"IFFilterData(0)", "0.1,1e-05;37.00000000000001,0.25;1e+20,120"},
        {"gridLimits(0)", ",38,-70,dBc"}, {"gridLimits(1)", "38.5,,-95.5,dBm"}, {"gridLimits(2)", ",,-60,dBc"},
        {"chkUseLimits", "1"},       {"txtRespRequired", "72.5"}, {"chkFinderLimits", "1"},
        {"chkPlanLimits", "1"},
    };
    Design d;
    std::set<std::string> covered;
    for (const Case& c : cases) {
        ASSERT_EQ(setValue(d, c.name, c.value), std::nullopt) << c.name;
        EXPECT_EQ(valueOf(d, c.name), c.value) << c.name;
        covered.insert(c.name);
    }
    for (const DesignKey& k : designKeys(Design{})) {
        if (k.name.starts_with("gridIMT")) continue; // rows 0, 3 and 4 stand for all
        if (k.name.starts_with("gridLimits")) continue; // rows 0 to 2 stand for all
        EXPECT_TRUE(covered.count(k.name)) << k.name << " is not round-tripped";
    }

    const DesignEncode encoded = encodeDesign(d);
    ASSERT_TRUE(encoded.bytes) << encoded.why;
    const DesignDecode decoded = decodeDesign(*encoded.bytes);
    ASSERT_TRUE(decoded.design) << decoded.why;
    EXPECT_EQ(*decoded.design, d);
    EXPECT_EQ(decoded.design->imt.rfReference, -20);
    // Saved again, the same bytes.
    EXPECT_EQ(encodeDesign(*decoded.design).bytes, encoded.bytes);

    // The long row written whole comes back split at LO order 6.
    Design whole;
    ASSERT_EQ(setValue(whole, "gridIMT(4)", longRow), std::nullopt);
    for (int m = 0; m <= 10; ++m) EXPECT_EQ(whole.imt.cell(m, 4), d.imt.cell(m, 4)) << m;
    EXPECT_EQ(valueOf(whole, "gridIMT(4)"), valueOf(d, "gridIMT(4)"));
    EXPECT_EQ(valueOf(whole, "gridIMT(4,6)"), valueOf(d, "gridIMT(4,6)"));
}

TEST(DesignCodec, StoredTextsAreWrittenAsASaveWritesThem) {
    struct Case {
        std::string Design::*field;
        const char* text;
        const char* stored;
    };
    const Case cases[] = {
        {&Design::conversionLoss, " 8.0 ", "txtConversionLoss=8.0"},
        {&Design::threshold, "-55abc", "txtThreshold=-55"},
        {&Design::planFrom, "abc", "txtPlanFrom=0"},
    };
    for (const Case& c : cases) {
        Design d;
        d.*c.field = c.text;
        const DesignEncode encoded = encodeDesign(d);
        ASSERT_TRUE(encoded.bytes) << c.text;
        const std::string file(encoded.bytes->begin(), encoded.bytes->end());
        EXPECT_NE(file.find(c.stored), std::string::npos) << c.text;
    }
}

TEST(DesignCodec, RefusalsNameTheField) {
    Bytes badCheck = defaultDesignFile();
    patch(badCheck, 0, {0x00, 0x00, 0x00, 0x40}); // 2
    Bytes nan = defaultDesignFile();
    patch(nan, 500, {0x00, 0x00, 0xC0, 0x7F});
    Bytes badUnit = defaultDesignFile();
    patch(badUnit, 1625, {3, 0, 'X', 'H', 'z'});
    Bytes longText = defaultDesignFile();
    patch(longText, 1375, {124, 0});
    Bytes badSignature = withTextRecords(defaultDesignFile(), {"KESTREL-EXT 1 x"});
    struct Case {
        const char* what;
        Bytes file;
        const char* why;
    };
    const Bytes full = defaultDesignFile();
    const Case cases[] = {
        {"short file", Bytes(full.begin(), full.begin() + 1000),
         "the file ends before the value of \"Marker 1\" in \"Spectrum Analyzer\""},
        {"empty file", Bytes{}, "the file ends before the value of \"Lock LO to RF\""},
        {"unit cut", Bytes(full.begin(), full.begin() + 1628), "the file ends before the value of \"Frequency Units\""},
        {"bad check state", badCheck,
         "the state of \"Lock LO to RF\" in \"Local Oscillator Input\" is neither 0 nor 1"},
        {"not a number", nan, "the value of \"RF Start\" in \"RF Input Parameters\" is infinite"},
        {"bad unit", badUnit, "the value of \"Frequency Units\" in \"Options\" is not GHz, MHz or KHz"},
        {"text too long", longText, "the text of \"Project Name\" is longer than 123 characters"},
        {"bad signature", badSignature, "does not give a version and a count"},
        {"list item", savedWith({"cboLOHar=11"}),
         "the stored value of \"Harmonics\" in \"Local Oscillator Input\" cannot be used: it must be one of 1, 2"},
        {"negative guard", savedWith({"txtPlanGuard=-1"}), "\"Guard\" in \"IF Planner\" cannot be used: it must be a number not below 0"},
        {"single overflow", savedWith({"txtIMTLORef=1e39"}), "\"and LO power (dBm)\" in \"Mixer Spur Table\""},
        {"check text", savedWith({"chkSingle=yes"}), "\"1 Sweep\" cannot be used: it must be 0 or 1"},
        {"short row", savedWith({"gridIMT(2)=1,2"}), "\"2xRF\" in \"Mixer Spur Table\" cannot be used"},
        {"bad tail", savedWith({"gridIMT(5,6)=x"}), "\"5xRF, LO orders 6 to 10\" in \"Mixer Spur Table\""},
        {"duplicate name", savedWith({"cboSteps=5"}, true), "\"Steps\" in \"RF Input Parameters\" is stored twice"},
        {"filter order", savedWith({"txtIFFilterOrder=16"}, true),
         "\"Order\" in \"IF filter\" cannot be used: it must be a whole number from 1 to 15"},
        {"points out of order", savedWith({"RFFilterData(1)=1,2"}, true), "\"Measured data\" in \"RF preselector\" is stored out of order"},
        {"falling points", savedWith({"LOFilterData(0)=2,1;1,1"}, true), "the frequencies of \"Measured data\" in \"LO filter\" must rise"},
        {"limit unit", savedWith({"gridLimits(0)=,,-60,dB"}, true), "\"Limit line, row 1\" in \"Filters and Limits\""},
    };
    for (const Case& c : cases) {
        const DesignDecode decoded = decodeDesign(c.file);
        EXPECT_FALSE(decoded.design) << c.what;
        EXPECT_NE(decoded.why.find(c.why), std::string::npos) << c.what << ": " << decoded.why;
    }
}

// Many points, an empty limit line, a removed row: the rows and records
// the codec cuts come back whole, and a design without them writes nothing.
TEST(DesignCodec, PointsAndLimitRowsComeBackWhole) {
    Design d;
    for (int i = 0; i < 2001; ++i) {
        d.rfFilter.points.push_back({-1e-7 - 1.0 / (i + 3), -123.456789012345 + i / 7.0});
        d.loFilter.points.push_back({1e10 + i * 0.5 + 1.0 / 3, 1.0 / (i + 1)});
        d.ifFilter.points.push_back({(i + 1) * 0.017, 150 - i / 13.0});
    }
    std::sort(d.rfFilter.points.begin(), d.rfFilter.points.end(),
              [](const FilterPoint& a, const FilterPoint& b) { return a.frequency < b.frequency; });
    d.limits.clear();
    const DesignEncode encoded = encodeDesign(d);
    ASSERT_TRUE(encoded.bytes) << encoded.why;
    EXPECT_LE(encoded.bytes->size(), kMaxDesignFileSize);
    const DesignDecode decoded = decodeDesign(*encoded.bytes);
    ASSERT_TRUE(decoded.design) << decoded.why;
    EXPECT_EQ(*decoded.design, d);

    // A loaded design gets the start-up filters where the file has none.
    Design base;
    base.ifFilter.shape = "Band-pass";
    base.limits.push_back({"1", "2", "-3", "dBm"});
    const DesignDecode plain = decodeDesign(defaultSavedFile(), base);
    ASSERT_TRUE(plain.design);
    EXPECT_EQ(*plain.design, Design{});

    // An empty value removes a row; one point more is refused.
    Design rows;
    ASSERT_EQ(setValue(rows, "gridLimits(1)", "1,2,-3,dBm"), std::nullopt);
    ASSERT_EQ(setValue(rows, "gridLimits(0)", ""), std::nullopt);
    EXPECT_EQ(rows.limits, (std::vector<LimitRow>{{"1", "2", "-3", "dBm"}}));
    Design full = d;
    EXPECT_NE(setValue(full, "IFFilterData(" + std::to_string(pointRecords(d.ifFilter.points, "IF").size()) + ")",
                       "1e6,1"), std::nullopt);
}

TEST(DesignCodec, UnknownAndRecordNamesInTheExtensionArePassedOver) {
    const DesignDecode decoded = decodeDesign(savedWith({"txtFuture=abc", "txtLOFreq=99"}));
    ASSERT_TRUE(decoded.design) << decoded.why;
    EXPECT_EQ(*decoded.design, Design{});
}

TEST(DesignCodec, SetJudgesAsALoadDoes) {
    const std::string tooLong(124, 'x');
    struct Case {
        const char* name;
        const char* value;
        const char* why;
    };
    const Case cases[] = {
        {"txtNothing", "1", "there is no design value named \"txtNothing\""},
        {"txtLOFreq", "12.5abc", "\"Frequency\" in \"Local Oscillator Input\" must be a number"},
        {"txtRFStop", "1e39", "\"RF Stop\" in \"RF Input Parameters\" must be a number"},
        {"FreqUnit", "Hz", "must be one of GHz, MHz, KHz"},
        {"chkProject", "2", "\"Project Name\" must be 0 or 1"},
        {"txtProject", tooLong.c_str(), "must be at most 123 characters long"},
        {"cboPlanPoints", "500", "\"Candidates\" in \"IF Planner\" must be one of 101, 1001, 10001"},
        {"txtRFIsolation", "", "\"RF to IF Isolation (dB)\" in \"Mixer Parameters\" must be a number"},
        {"cboLOFilter", "Notch", "\"Shape\" in \"LO filter\" must be one of None, Band-pass"},
        {"txtRFFilterRipple", "0", "\"Ripple\" in \"RF preselector\" must be a number from 0.01 to 3"},
        {"txtIFFilterOrder", "2.5", "must be a whole number from 1 to 15"},
        {"txtIFFilterLoss", "-1", "\"Insertion loss\" in \"IF filter\" must be a number from 0"},
        {"txtLOFilterFloor", "151", "\"Floor\" in \"LO filter\" must be a number from 20 to 150"},
        {"txtRFFilterLow", "low", "\"Low edge\" in \"RF preselector\" must be a number"},
        {"RFFilterData(1)", "1,2", "before the records ahead of it"},
        {"IFFilterData(0)", "1,2;nan,3", "must be frequency,loss pairs"},
        {"gridLimits(2)", ",,-60,dBc", "\"Limit line, row 3\" in \"Filters and Limits\" cannot be set before"},
        {"gridLimits(0)", "a,,-60,dBc", "must be from,to,limit,unit"},
        {"chkUseLimits", "yes", "\"Check the limit line\" in \"Filters and Limits\" must be 0 or 1"},
    };
    for (const Case& c : cases) {
        Design d;
        const auto why = setValue(d, c.name, c.value);
        ASSERT_TRUE(why) << c.name;
        EXPECT_NE(why->find(c.why), std::string::npos) << *why;
        EXPECT_EQ(d, Design{}) << c.name;
    }
}

TEST(DesignCodec, EncodeRefusesWhatWouldNotLoadAgain) {
    struct Case {
        const char* what;
        void (*change)(Design&);
        const char* why;
    };
    const Case cases[] = {
        {"infinite value", [](Design& d) { d.rfPower = std::numeric_limits<float>::infinity(); },
         "\"RF Power\" in \"RF Input Parameters\" is too large"},
        {"long project", [](Design& d) { d.project = std::string(124, 'p'); }, "\"Project Name\" is longer"},
        {"bad unit", [](Design& d) { d.unit = "Hz"; }, "\"Frequency Units\""},
        {"negative guard", [](Design& d) { d.planGuard = "-5"; }, "\"Guard\" in \"IF Planner\" must be a number not below 0"},
        {"huge number", [](Design& d) { d.threshold = "1e999"; }, "\"Count products at or above (dBc)\" in \"Spur-Free Bands\" is too large"},
        {"no such item", [](Design& d) { d.steps = "7"; }, "\"Steps\" in \"RF Input Parameters\" must be one of"},
        {"falling points", [](Design& d) { d.loFilter.points = {{2, 1}, {2, 3}}; },
         "the frequencies of \"Measured data\" in \"LO filter\" must rise"},
    };
    for (const Case& c : cases) {
        Design d;
        c.change(d);
        const DesignEncode encoded = encodeDesign(d);
        EXPECT_FALSE(encoded.bytes) << c.what;
        EXPECT_NE(encoded.why.find(c.why), std::string::npos) << c.what << ": " << encoded.why;
    }
}

} // namespace
