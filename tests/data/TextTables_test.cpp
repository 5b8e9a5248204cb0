// TextTables_test.cpp: splitting language text tables into lines and reading them.
#include "data/TextTables.hpp"

#include "data/Language.hpp"
#include "media/Report.hpp"

#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace
{
namespace stdfs = std::filesystem;

const char* const beyond = "(BEYOND TEXT ARRAY LENGTH!)";

using testing_support::TempFolder;

class TextTablesTest : public testing::Test
{
protected:
    TextTablesTest()
    {
        media::setReportSink([this](std::string_view line) { reports.emplace_back(line); });
    }
    ~TextTablesTest() override
    {
        media::setReportSink({});
        language = savedLanguage;
    }

    TempFolder folder;
    std::vector<std::string> reports;
    std::string savedLanguage = language;
};

struct LinesCase
{
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

class TextTableLines : public TextTablesTest, public testing::WithParamInterface<LinesCase>
{};

TEST_P(TextTableLines, SplitsAtLineFeeds)
{
    const LinesCase& c = GetParam();
    TTxtFile table = loadTextTable(folder.write("table.txt", c.bytes));
    EXPECT_EQ(table.txt, c.lines);
    EXPECT_EQ(table.lines(), static_cast<int>(c.lines.size()));
    for (std::size_t i = 0; i < c.lines.size(); ++i)
        EXPECT_EQ(getText(table, static_cast<int>(i) + 1), c.lines[i]);
    EXPECT_TRUE(reports.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextTableLines,
    testing::Values(LinesCase{"emptyLineCounts", "a\n\nb", {"a", "", "b"}},
                    LinesCase{"finalLineFeedAddsNoLine", "a\nb\n", {"a", "b"}},
                    LinesCase{"lastLineWithoutLineFeedKept", "a\nb", {"a", "b"}},
                    LinesCase{"carriageReturnsStay", "a\r\nb\r\n", {"a\r", "b\r"}},
                    LinesCase{"onlyALineFeed", "\n", {""}}, LinesCase{"emptyFile", "", {}},
                    LinesCase{"latin1", "Zo\xEB\n", {"Zo\xC3\xAB"}},
                    LinesCase{"utf8Bom", "\xEF\xBB\xBF\xC5\x81\x61\n", {"\xC5\x81\x61"}},
                    LinesCase{"utf16le", std::string("\xFF\xFE\x41\x01\n\0b\0", 8), {"\xC5\x81", "b"}},
                    LinesCase{"utf16be", std::string("\xFE\xFF\x01\x41\0\n\0b", 8), {"\xC5\x81", "b"}}),
    [](const testing::TestParamInfo<LinesCase>& info) { return std::string(info.param.name); });

TEST_F(TextTablesTest, LinesOutsideTheTableGiveThePlaceholder)
{
    TTxtFile table = loadTextTable(folder.write("table.txt", "a\n\nb"));
    ASSERT_EQ(table.lines(), 3);
    EXPECT_EQ(getText(table, 2), "");
    EXPECT_EQ(getText(table, 0), beyond);
    EXPECT_EQ(getText(table, table.lines() + 1), beyond);
    EXPECT_EQ(getText(table, -7), beyond);
    EXPECT_EQ(getText(TTxtFile(), 1), beyond);
}

TEST_F(TextTablesTest, LanguageCodeReplacesEveryLangMarker)
{
    folder.write("txt/pl/menu.txt", "Graj\n");
    folder.write("txt/en/menu.txt", "Play\n");
    folder.write("txt/pl/pl.txt", "both\n");
    std::string base = folder.path();
    language = "pl";
    EXPECT_EQ(getText(loadTextTable(base + "/txt/#LANG#/menu.txt"), 1), "Graj");
    EXPECT_EQ(getText(loadTextTable(base + "/txt/" + language + "/menu.txt"), 1), "Graj");
    EXPECT_EQ(getText(loadTextTable(base + "/txt/#LANG#/#LANG#.txt"), 1), "both");
    language = "en";
    EXPECT_EQ(getText(loadTextTable(base + "/txt/#LANG#/menu.txt"), 1), "Play");
    EXPECT_TRUE(reports.empty());
}

TEST_F(TextTablesTest, MissingTableIsReportedAndShowsPlaceholders)
{
    language = "xx";
    std::string path = folder.path() + "/txt/#LANG#/missing.txt";
    std::string real = folder.path() + "/txt/xx/missing.txt";

    EXPECT_FALSE(readTextTable(path).has_value());
    EXPECT_TRUE(reports.empty());

    TTxtFile table = loadTextTable(path);
    EXPECT_EQ(table.lines(), 0);
    EXPECT_EQ(getText(table, 1), beyond);
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_NE(reports[0].find(real), std::string::npos);
}

TEST_F(TextTablesTest, ReadTextTableGivesTheLines)
{
    std::optional<TTxtFile> table = readTextTable(folder.write("names.txt", "Eldmere\r\n"));
    ASSERT_TRUE(table.has_value());
    EXPECT_EQ(table->txt, (std::vector<std::string>{"Eldmere\r"}));
}
} // namespace
