// TRCMEntry_test.cpp: storing values and writing entry lines.
#include "data/TRCMEntry.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace
{
TRCMEntry makeEntry(int type, std::vector<std::string> values)
{
    TRCMEntry entry;
    entry._id = "k";
    entry._type = type;
    entry._value = std::move(values);
    return entry;
}

struct EntryLineCase
{
    const char* name;
    int type;
    std::vector<std::string> values;
    const char* line;
};

class TRCMEntryLine : public testing::TestWithParam<EntryLineCase>
{};

TEST_P(TRCMEntryLine, WritesTheEntryText)
{
    const EntryLineCase& c = GetParam();
    bool stripped = false;
    EXPECT_EQ(makeEntry(c.type, c.values).toTxt(&stripped), c.line);
    EXPECT_FALSE(stripped);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TRCMEntryLine,
    testing::Values(EntryLineCase{"loadedInteger", RCM_NUMBER, {" 3"}, "k = 3"},
                    EntryLineCase{"twoNumbers", RCM_NUMBER, {" 512", " 640"}, "k = 512, 640"},
                    EntryLineCase{"wholeDecimalAsInteger", RCM_NUMBER, {"3.00000000"}, "k = 3"},
                    EntryLineCase{"negativeWhole", RCM_NUMBER, {" -2", " 7"}, "k = -2, 7"},
                    // A loaded fraction loses its blank, so it does not grow on every load and save.
                    EntryLineCase{"loadedFractionTrimmed", RCM_NUMBER, {" 0.5"}, "k = 0.5"},
                    EntryLineCase{"setFractionKept", RCM_NUMBER, {"0.250000000"}, "k = 0.250000000"},
                    EntryLineCase{"emptyNumberIsZero", RCM_NUMBER, {"", " 4"}, "k = 0, 4"},
                    EntryLineCase{"junkAfterNumberDropped", RCM_NUMBER, {" 5abc", " 3.5.2"}, "k = 5, 3.5"},
                    EntryLineCase{"noNumberIsZero", RCM_NUMBER, {" -", " \"x\""}, "k = 0, 0"},
                    EntryLineCase{"texts", RCM_TEXT, {"Forest", "Night"}, "k = \"Forest\", \"Night\""},
                    EntryLineCase{"emptyTexts", RCM_TEXT, {"", "", "v"}, "k = \"\", \"\", \"v\""},
                    EntryLineCase{"commaInText", RCM_TEXT, {"a,b"}, "k = \"a,b\""},
                    EntryLineCase{"noValues", RCM_TEXT, {}, "k = "}),
    [](const testing::TestParamInfo<EntryLineCase>& info) { return std::string(info.param.name); });

TEST(TRCMEntry, WriterLeavesOutCharactersThatWouldBreakTheFile)
{
    TRCMEntry entry = makeEntry(RCM_TEXT, {"a=b{c}d\"e\nf\r", "ok"});
    entry._id = "ke=y";
    bool stripped = false;
    EXPECT_EQ(entry.toTxt(&stripped), "key = \"abcdef\", \"ok\"");
    EXPECT_TRUE(stripped);
}

TEST(TRCMEntry, SetValueGrowsWithEmptyValuesAndKeepsTheOldOnes)
{
    TRCMEntry entry;
    entry.setValue("v", 2);
    EXPECT_EQ(entry._value, (std::vector<std::string>{"", "", "v"}));
    entry.setValue("a", 0);
    entry.setValue("d", 3);
    EXPECT_EQ(entry._value, (std::vector<std::string>{"a", "", "v", "d"}));
    entry.setValue("x", -1);
    EXPECT_EQ(entry._value.size(), 4u);
    EXPECT_EQ(TRCMEntry::createArray(3), (std::vector<std::string>{"", "", ""}));
}

TEST(TRCMEntry, ValueAtMissesOutsideTheValues)
{
    TRCMEntry entry = makeEntry(RCM_NUMBER, {" 1", " 2"});
    ASSERT_NE(entry.valueAt(1), nullptr);
    EXPECT_EQ(*entry.valueAt(1), " 2");
    EXPECT_EQ(entry.valueAt(2), nullptr);
    EXPECT_EQ(entry.valueAt(-1), nullptr);
}
} // namespace
