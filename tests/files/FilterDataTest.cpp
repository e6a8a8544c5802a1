// Measured filter responses read from CSV and Touchstone files.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "files/FilterData.h"

using namespace kestrel;
using filterdata::FilterDataRead;

namespace {

FilterDataRead read(std::string_view name, std::string_view text, std::string_view unit = "GHz") {
    const auto* data = reinterpret_cast<const std::uint8_t*>(text.data());
    return filterdata::readFilterData({data, text.size()}, name, unit);
}

std::string manyPoints(int n, std::string_view header, std::string_view tail) {
    std::string text(header);
    for (int i = 1; i <= n; ++i) text += std::to_string(i) + std::string(tail);
    return text;
}

struct Accepted {
    const char* what;
    const char* name;
    std::string text;
    const char* unit;
    std::vector<FilterPoint> points;
};

void expectPoints(const Accepted& c) {
    const FilterDataRead r = read(c.name, c.text, c.unit);
    ASSERT_TRUE(r.points) << c.what << ": " << r.why;
    EXPECT_TRUE(r.why.empty()) << c.what;
    ASSERT_EQ(r.points->size(), c.points.size()) << c.what;
    for (std::size_t i = 0; i < c.points.size(); ++i) {
        EXPECT_NEAR((*r.points)[i].frequency, c.points[i].frequency, 1e-12) << c.what << " point " << i;
        EXPECT_NEAR((*r.points)[i].loss, c.points[i].loss, 1e-4) << c.what << " point " << i;
    }
}

TEST(FilterDataTouchstone, ReadsS21InEachFormatAndUnit) {
    const Accepted cases[] = {
        {"RI: |0.3 + j0.4| = 0.5", "f.s2p", "# GHz S RI R 50\n1 0.1 0 0.3 0.4 0.9 0 0.1 0\n", "GHz", {{1, 6.0206}}},
        {"MA", "f.s2p", "# GHz S MA R 50\n1 0.1 0 0.5 45 0.9 0 0.1 0\n", "GHz", {{1, 6.0206}}},
        {"DB", "f.s2p", "# GHz S DB R 50\n1 -20 0 -6.0206 -30 -1 0 -20 0\n", "GHz", {{1, 6.0206}}},
        {"no option line: GHz and MA", "f.s2p", "2 0 0 0.1 0 0 0 0 0\n", "GHz", {{2, 20}}},
        {"options in any order, any case", "f.s2p", "#  r 75 db mhz\n2400 0 0 -3 0 0 0 0 0\n", "GHz",
         {{2.4, 3}}},
        {"Hz into KHz", "f.s2p", "# HZ\n1500 0 0 1 0 0 0 0 0\n", "KHz", {{1.5, 0}}},
        {"GHz into MHz", "f.s2p", "# GHz\n0.9 0 0 1 0 0 0 0 0\n", "MHz", {{900, 0}}},
        {"a record wrapped over lines, comments anywhere", "f.S2P",
         "! measured\n# MHz S DB\n100 -1 0 ! S11\n -10 0\n -40 0 -1 0\n200 -1 0 -20 0 -40 0 -1 0\n", "MHz",
         {{100, 10}, {200, 20}}},
        {"version 1: a lower frequency starts the noise block", "f.s2p",
         "# GHz S DB\n1 0 0 -1 0 0 0 0 0\n2 0 0 -2 0 0 0 0 0\n0.5 1.2 0.3 20 0.4\n1 1.3 0.3 25 0.4\n", "GHz",
         {{1, 1}, {2, 2}}},
        {"a .s2p holding version 2", "f.s2p",
         "[Version] 2.0\n# GHz S DB\n[Number of Ports] 2\n[Two-Port Data Order] 21_12\n[Network Data]\n"
         "1 0 0 -3 0 -7 0 0 0\n[End]\n",
         "GHz", {{1, 3}}},
    };
    for (const auto& c : cases) expectPoints(c);
}

TEST(FilterDataTouchstone, VersionTwoKeywords) {
    const std::string header = "! written elsewhere\n[Version] 2.0\n# MHz S MA R 50\n[Number of Ports] 2\n";
    const Accepted cases[] = {
        {"12_21 puts S12 before S21, a noise block is ignored", "f.ts",
         header +
             "[Two-Port Data Order] 12_21\n[Number of Frequencies] 2\n[Number of Noise Frequencies] 1\n"
             "[Reference] 50\n 50\n[Network Data]\n100 0.1 0 0.01 0 0.5 0 0.1 0\n200 0.1 0 0.01 0 0.1 0 0.1 0\n"
             "[Noise Data]\n100 1.5 0.2 30 0.3\n[End]\n",
         "GHz", {{0.1, 6.0206}, {0.2, 20}}},
        {"lower half of the matrix: S11 S21 S22", "F.TS",
         header + "[Two-Port Data Order] 21_12\n[Matrix Format] Lower\n[Network Data]\n100 0.1 0 0.5 0 0.1 0\n",
         "MHz", {{100, 6.0206}}},
        {"upper half: S12 equals S21", "f.ts",
         header + "[Two-Port Data Order] 12_21\n[Matrix Format] upper\n[Network Data]\n100 0.1 0 0.1 0 0.2 0\n",
         "MHz", {{100, 20}}},
        {"information block and later keywords skipped", "f.ts",
         header + "[Begin Information]\n[Number of Ports] 7\n[End Information]\n[Network Data]\n"
                  "100 0 0 1 0 0 0 0 0\n[End]\nrubbish after the end\n",
         "MHz", {{100, 0}}},
    };
    for (const auto& c : cases) expectPoints(c);
}

struct Refused {
    const char* what;
    const char* name;
    std::string text;
    const char* reason; // part of the reason
};

void expectRefused(const Refused& c) {
    const FilterDataRead r = read(c.name, c.text);
    EXPECT_FALSE(r.points) << c.what;
    EXPECT_NE(r.why.find(c.reason), std::string::npos) << c.what << ": " << r.why;
}

TEST(FilterDataTouchstone, RefusesWithTheLine) {
    const std::string v2 = "[Version] 2.0\n# GHz S DB\n";
    const std::string twoPort = v2 + "[Number of Ports] 2\n[Network Data]\n";
    const Refused cases[] = {
        {"version 2, three ports", "f.ts", v2 + "[Number of Ports] 3\n", "Line 3 of f.ts cannot be read: the file has 3 ports"},
        {"version 1, records of 8", "f.s2p", "# GHz S DB\n1 0 0 -1 0 0 0 0\n2 0 0 -1 0 0 0 0\n",
         "Line 3 of f.s2p cannot be read: a 2-port file's data come in records of 9"},
        {"version 1, a record cut short at the end", "f.s2p", "# GHz S DB\n1 0 0 -1 0 0 0 0 0\n2 0 0 -1\n",
         "Line 3 of f.s2p cannot be read: the record that starts here is incomplete"},
        {"version 1, a 4-port's wrapped record", "f.s2p",
         "# GHz S DB\n0.1 0 0 0 0 0 0 0 0\n0.5 0 0 0 0 0 0 0\n0.5 0 0 0 0 0 0 0\n", "Line 4 of f.s2p cannot be read: a 2-port file's data come in records of 9"},
        {"version 2, falling frequency", "f.ts", twoPort + "2 0 0 -1 0 0 0 0 0\n1 0 0 -1 0 0 0 0 0\n",
         "Line 6 of f.ts cannot be read: the frequency 1 does not rise above 2"},
        {"version 1, a lower frequency in a record of 9 is no noise", "f.s2p",
         "# GHz S DB\n2 0 0 -1 0 0 0 0 0\n1 0 0 -1 0 0 0 0 0\n", "Line 3 of f.s2p cannot be read: the frequency 1 does not rise"},
        {"version 1, equal frequency", "f.s2p", "# GHz S DB\n1 0 0 -1 0 0 0 0 0\n\n1 0 0 -1 0 0 0 0 0\n",
         "Line 4 of f.s2p cannot be read: the frequency 1 does not rise above 1"},
        {"Y-parameters", "f.s2p", "# MHz Y RI R 50\n", "Line 1 of f.s2p cannot be read: the file holds Y-parameters"},
        {"S21 of zero", "f.s2p", "# GHz S RI\n1 0 0 0 0 0 0 0 0\n", "Line 2 of f.s2p cannot be read: S21 is zero"},
        {"not a number", "f.s2p", "1 0 0 0.5 x 0 0 0 0\n", "Line 1 of f.s2p cannot be read: \"x\" is not a number"},
        {"keyword without version", "f.s2p", "[Number of Ports] 2\n", "need [Version] 2.0"},
        {"version 3", "f.ts", "[Version] 3.0\n", "only Touchstone versions 1 and 2"},
        {"data before [Network Data]", "f.ts", v2 + "[Number of Ports] 2\n1 0 0 1 0 0 0 0 0\n",
         "numbers must follow [Network Data]"},
        {"[Network Data] without ports", "f.ts", v2 + "[Network Data]\n", "[Number of Ports] must come before"},
        {"frequency count disagrees", "f.ts", v2 + "[Number of Ports] 2\n[Number of Frequencies] 3\n[Network Data]\n1 0 0 1 0 0 0 0 0\n",
         "f.ts names 3 frequencies in [Number of Frequencies] but holds 1"},
        {"comments only", "f.s2p", "! nothing\n# GHz\n", "f.s2p holds no data points"},
        {"too many points", "f.s2p", manyPoints(2002, "# Hz S DB\n", " 0 0 -1 0 0 0 0 0\n"),
         "f.s2p holds more than 2,001 points"},
        {"another file type", "f.s1p", "1 0 0\n", "f.s1p is neither CSV"},
    };
    for (const auto& c : cases) expectRefused(c);
    EXPECT_TRUE(read("f.s2p", manyPoints(2001, "# Hz S DB\n", " 0 0 -1 0 0 0 0 0\n")).points);
    EXPECT_NE(read("f.s2p", "1 0 0 1 0 0 0 0 0\n", "Hz").why.find("not GHz, MHz or KHz"), std::string::npos);
}

TEST(FilterDataCsv, ReadsTheSpurTableForms) {
    const Accepted cases[] = {
        {"plain, no header", "f.csv", "1,10\n2,20.5\n", "GHz", {{1, 10}, {2, 20.5}}},
        {"header, CRLF, blank lines, a byte order mark", "f.CSV",
         "\xEF\xBB\xBF" "Frequency (MHz),Loss (dB)\r\n\r\n100,1\r\n200,2\r\n", "MHz", {{100, 1}, {200, 2}}},
        {"semicolon with decimal commas", "f.csv", "Freq;Loss\n1,5;0,25\n2,5;3\n", "GHz", {{1.5, 0.25}, {2.5, 3}}},
        {"tab with decimal commas", "f.csv", "1,5\t0,5\n2\t1\n", "GHz", {{1.5, 0.5}, {2, 1}}},
        {"comma file: decimal comma only in quotes", "f.csv", "\"1,5\",\"2,25\"\n2,3\n", "GHz", {{1.5, 2.25}, {2, 3}}},
        {"quoted header with a doubled quote, padding", "f.csv", "\"Freq \"\"GHz\"\"\",Loss,,\n1,2,,\n", "GHz",
         {{1, 2}}},
        {"the unit is the design's: no conversion", "f.csv", "2400,3\n", "KHz", {{2400, 3}}},
    };
    for (const auto& c : cases) expectPoints(c);
}

TEST(FilterDataCsv, Refusals) {
    const Refused cases[] = {
        {"not rising, the line named", "f.csv", "Freq,Loss\n1,1\n3,2\n2,3\n",
         "Line 4 of f.csv cannot be read: the frequency 2 does not rise above 3"},
        {"unquoted decimal comma in a comma file", "f.csv", "1,5,2\n",
         "Line 1 of f.csv cannot be read: it has more than two values, the frequency and the loss (a decimal comma"},
        {"one value", "f.csv", "1,2\n3\n", "Line 2 of f.csv cannot be read: it needs two values"},
        {"loss not a number", "f.csv", "1,abc\n", "Line 1 of f.csv cannot be read: the loss is not a number"},
        {"a second header", "f.csv", "F,L\nF,L\n", "Line 2 of f.csv cannot be read: the frequency is not a number"},
        {"open quote", "f.csv", "1,\"2\n", "its double quotes are not closed"},
        {"negative frequency", "f.csv", "-1,2\n", "the frequency is negative"},
        {"beyond a double", "f.csv", "1,1e999\n", "the loss is not a number"},
        {"header only", "f.csv", "Frequency,Loss\n", "f.csv holds no data points"},
        {"too many", "f.csv", manyPoints(2002, "", ",3\n"), "holds more than 2,001 points"},
    };
    for (const auto& c : cases) expectRefused(c);
}

} // namespace
