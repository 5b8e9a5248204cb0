// The string operations description files and schemas are read with.
#include "gui/StringTools.hpp"

#include "gui/GuiFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using gui_testing::GuiFixture;
using Parts = std::vector<std::string>;

struct SplitCase
{
    std::string s, separator, open, close;
    Parts parts;
};

class SplitText : public ::testing::TestWithParam<SplitCase>
{};

TEST_P(SplitText, CutsAtSeparatorsOutsideQuotedRuns)
{
    const SplitCase& c = GetParam();
    EXPECT_EQ(splitText(c.s, c.separator, c.open, c.close), c.parts);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SplitText,
    ::testing::Values(SplitCase{"a b c", " ", "", "", {"a", "b", "c"}},
                      // Pieces ended by a separator stay even when empty; the last only when not.
                      SplitCase{"a  b ", " ", "", "", {"a", "", "b"}},
                      SplitCase{"[NORMAL (120)] 1 2", " ", "[", "]", {"NORMAL (120)", "1", "2"}},
                      SplitCase{"x[a b]y z", " ", "[", "]", {"xa by", "z"}},
                      // With one marker missing there are no quoted runs.
                      SplitCase{"[a b]", " ", "[", "", {"[a", "b]"}},
                      SplitCase{"id|Caption|font", "|", "", "", {"id", "Caption", "font"}},
                      SplitCase{"", " ", "", "", {}}));

TEST(TaggedText, ExtractAndRemoveAsTheSchemasUseThem)
{
    GuiFixture f;
    EXPECT_EQ(extractTagged("NORMAL (120)", '(', ')', 0), Parts{"120"});
    EXPECT_EQ(removeTagged("NORMAL (120)", '(', ')', 0), "NORMAL ");
    EXPECT_EQ(extractTagged("A (1) (2)", '(', ')', 0), (Parts{"1", "2"}));
    EXPECT_EQ(removeTagged("A (1) (2)", '(', ')', 0), "A  ");
    // Quotes are always dropped; with mode 1 they also hide the markers.
    EXPECT_EQ(extractTagged("\"(x)\" (y)", '(', ')', 1), Parts{"y"});
    EXPECT_EQ(removeTagged("\"(x)\" (y)", '(', ')', 1), "(x) ");
    EXPECT_EQ(extractTagged("\"(x)\"", '(', ')', 0), Parts{"x"});
    EXPECT_TRUE(f.reports.empty());
}

TEST(TaggedText, AMarkerOutOfPlaceIsReportedAndIgnored)
{
    GuiFixture f;
    EXPECT_EQ(extractTagged("a (b (c) d) e", '(', ')', 0), Parts{"b c"});
    ASSERT_EQ(f.reports.size(), 2u);
    EXPECT_NE(f.reports[0].find("Nieprawidlowa definicja znacznika wewnatrz zmiennej _str$ :a (b (c) d) e"),
              std::string::npos);
}

TEST(StringTools, DigitsQuotesAndEmptyParts)
{
    EXPECT_EQ(isDigits("0123456789"), 1);
    EXPECT_EQ(isDigits(""), 1);
    EXPECT_EQ(isDigits("12a"), 0);
    EXPECT_EQ(isDigits("-1"), 0);
    EXPECT_EQ(isDigits(" 1"), 0);
    EXPECT_EQ(stripQuotes("\"a\" \"\"b"), "a b");
    EXPECT_EQ(removeEmpty({"a", " ", "", " b ", "\t"}), (Parts{"a", " b "}));
}
} // namespace
