// TRCMGroup_test.cpp: lookups, setting values and the written layout of a group.
#include "data/TRCMGroup.hpp"

#include "data/DataNumbers.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace
{
TRCMGroup groupWithDuplicates()
{
    TRCMGroup group;
    group._id = "g";
    group._addEntry("Speed", " 1", 0)._type = RCM_NUMBER;
    group._addEntry("speed", " 2", 0)._type = RCM_NUMBER;
    group._listaGrup.emplace_back()._id = "Inner";
    group._listaGrup.back()._addEntry("which", "first", 0);
    group._listaGrup.emplace_back()._id = "INNER";
    group._listaGrup.back()._addEntry("which", "second", 0);
    return group;
}

TEST(TRCMGroup, LookupsIgnoreCaseAndTheFirstDuplicateWins)
{
    TRCMGroup group = groupWithDuplicates();
    ASSERT_NE(group.getEntry("SPEED"), nullptr);
    EXPECT_EQ(group.getEntry("SPEED")->_value[0], " 1");
    ASSERT_NE(group.getGroup("inner"), nullptr);
    EXPECT_EQ(group.getGroup("inner")->getEntry("WHICH")->_value[0], "first");
    EXPECT_EQ(group.getEntry("spee"), nullptr);
    EXPECT_EQ(group.getGroup("missing"), nullptr);
}

struct NineDigitsCase
{
    double value;
    const char* text;
};

class TRCMGroupFloat : public testing::TestWithParam<NineDigitsCase>
{};

TEST_P(TRCMGroupFloat, StoresNineSignificantDigitsWithoutExponent)
{
    const NineDigitsCase& c = GetParam();
    TRCMGroup group;
    group.setFloatEntry("v", c.value, 0);
    const TRCMEntry* entry = group.getEntry("v");
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->_type, RCM_NUMBER);
    EXPECT_EQ(entry->_value.at(0), c.text);
    // What is stored must read back as the value (the reader knows no exponent).
    double expected = std::isfinite(c.value) ? c.value : 0.0;
    EXPECT_NEAR(data::readNumber(entry->_value[0]), expected, std::fabs(expected) * 1e-8);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TRCMGroupFloat,
    testing::Values(NineDigitsCase{0.5, "0.500000000"}, NineDigitsCase{3.0, "3.00000000"},
                    NineDigitsCase{0.25, "0.250000000"}, NineDigitsCase{2.0, "2.00000000"},
                    NineDigitsCase{-1.5, "-1.50000000"}, NineDigitsCase{0.0, "0.00000000"},
                    NineDigitsCase{123.456, "123.456000"}, NineDigitsCase{123456789.0, "123456789."},
                    NineDigitsCase{1e9, "1000000000."}, NineDigitsCase{999999999.7, "1000000000."},
                    NineDigitsCase{99999.99999999, "100000.000"}, NineDigitsCase{1.5e12, "1500000000000."},
                    NineDigitsCase{-2.5e10, "-25000000000."},
                    NineDigitsCase{1.234567891e-7, "0.000000123456789"},
                    NineDigitsCase{std::numeric_limits<double>::quiet_NaN(), "0.00000000"},
                    NineDigitsCase{-std::numeric_limits<double>::infinity(), "0.00000000"}));

TEST(TRCMGroup, SetFloatKeepsTheKindOfAnExistingEntry)
{
    TRCMGroup group;
    group.setStringEntry("t", "old", 0);
    group.setFloatEntry("t", 0.5, 1);
    EXPECT_EQ(group.getEntry("t")->_type, RCM_TEXT);
    EXPECT_EQ(group.getEntry("t")->_value, (std::vector<std::string>{"old", "0.500000000"}));
}

TEST(TRCMGroup, SetStringMakesTextEntriesAndKeepsNumbersNumeric)
{
    TRCMGroup group;
    group.setStringEntry("new", "12", 0);
    EXPECT_EQ(group.getEntry("new")->_type, RCM_TEXT);

    group.setFloatEntry("n", 1, 0);
    group.setStringEntry("n", " -12.5 ", 1);
    EXPECT_EQ(group.getEntry("n")->_type, RCM_NUMBER);
    group.setStringEntry("n", "", 2);
    EXPECT_EQ(group.getEntry("n")->_type, RCM_NUMBER);
}

TEST(TRCMGroup, SetStringOfANonNumberTurnsANumericEntryIntoText)
{
    // Written unquoted, "Forest" would make the whole entry unreadable as text next time.
    for (const char* value : {"Forest", "1e9", "12abc", "-", ".5"}) {
        TRCMGroup group;
        group.setFloatEntry("n", 7, 0);
        group.setStringEntry("n", value, 1);
        const TRCMEntry* entry = group.getEntry("n");
        EXPECT_EQ(entry->_type, RCM_TEXT) << value;
        EXPECT_EQ(entry->toTxt(), std::string("n = \"7.00000000\", \"") + value + "\"");
    }
}

TEST(TRCMGroup, SavesTheWrittenLayout)
{
    TRCMGroup outer;
    outer._id = "outer";
    outer._addEntry("a", "x", 0);
    TRCMGroup& empty = outer._listaGrup.emplace_back();
    empty._id = "empty";
    TRCMGroup& inner = outer._listaGrup.emplace_back();
    inner._id = "inner";
    inner.setFloatEntry("b", 2, 0);
    EXPECT_EQ(outer.save(""), "outer {\n"
                              "\ta = \"x\"\n"
                              "\tempty {\n"
                              "\n"
                              "\t}\n"
                              "\n"
                              "\tinner {\n"
                              "\t\tb = 2\n"
                              "\t}\n"
                              "\n"
                              "}\n"
                              "\n");
}

TEST(TRCMGroup, NamelessGroupWritesOnlyItsContent)
{
    TRCMGroup group;
    group._addEntry("a", "x", 0);
    EXPECT_EQ(group.save("\t"), "\t\ta = \"x\"\n");
}

TEST(TRCMGroup, SaveReportsNamesThatLostCharacters)
{
    TRCMGroup group;
    group._id = "we{ird}";
    group._addEntry("k", "v", 0);
    bool stripped = false;
    EXPECT_EQ(group.save("", &stripped), "weird {\n\tk = \"v\"\n}\n\n");
    EXPECT_TRUE(stripped);
}
} // namespace
