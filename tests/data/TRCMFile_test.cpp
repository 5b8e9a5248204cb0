// TRCMFile_test.cpp: reading, looking up, changing and writing whole data files.
#include "data/TRCMFile.hpp"

#include "data/DataFiles.hpp"
#include "media/Report.hpp"

#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <atomic>
#include <cfloat>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace
{
namespace stdfs = std::filesystem;

using testing_support::TempFolder;

void writeBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Text as UTF-16 bytes behind the byte-order mark.
std::string utf16(std::u16string_view text, bool bigEndian)
{
    std::string out = bigEndian ? "\xFE\xFF" : "\xFF\xFE";
    for (char16_t unit : text) {
        char hi = static_cast<char>(unit >> 8);
        char lo = static_cast<char>(unit & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    }
    return out;
}

// Catches every console line while alive.
class ReportCapture
{
public:
    ReportCapture()
    {
        media::setReportSink([this](std::string_view line) { lines.emplace_back(line); });
    }
    ~ReportCapture() { media::setReportSink({}); }
    ReportCapture(const ReportCapture&) = delete;
    ReportCapture& operator=(const ReportCapture&) = delete;

    std::vector<std::string> lines;
};

class TRCMFileTest : public testing::Test
{
protected:
    // Writes `text` into the temporary folder and loads it.
    TRCMFile load(const std::string& text, const std::string& name = "test.dat")
    {
        std::string path = folder.file(name);
        writeBytes(path, text);
        return loadDataFile(path);
    }

    // Saves `file` into the temporary folder and returns the bytes written.
    std::string saved(const TRCMFile& file, const std::string& name = "out.dat")
    {
        std::string path = folder.file(name);
        EXPECT_TRUE(file.save(path));
        return readBytes(path);
    }

    TempFolder folder;
    ReportCapture reports;
};

TEST_F(TRCMFileTest, WorkedExampleReadsAndComesBackByteForByte)
{
    std::string original = readBytes(ELDMERE_TEST_FIXTURES "/data/worked-example.dat");
    ASSERT_FALSE(original.empty());
    TRCMFile file = loadDataFile(ELDMERE_TEST_FIXTURES "/data/worked-example.dat");

    EXPECT_EQ(file._grupa._id, "MAINGROUP");
    ASSERT_EQ(file._grupa._listaGrup.size(), 1u);
    const TRCMGroup& level = file._grupa._listaGrup[0];
    EXPECT_EQ(level._id, "level");
    ASSERT_EQ(level._listaWpisow.size(), 2u);
    EXPECT_EQ(level._listaWpisow[0]._type, RCM_NUMBER);
    EXPECT_EQ(level._listaWpisow[0]._value, (std::vector<std::string>{" 3"}));
    EXPECT_EQ(level._listaWpisow[1]._type, RCM_TEXT);
    EXPECT_EQ(level._listaWpisow[1]._value, (std::vector<std::string>{"Forest", "Night"}));

    EXPECT_EQ(file.getFloat("level::id", 0, 0), 3.0);
    EXPECT_EQ(file.getString("LEVEL::NAME", 1), "Night");
    EXPECT_EQ(file.getFloat("level::data::deckDim", 1, 0), 640.0);
    EXPECT_EQ(file.getString("level::data::deckDim", 1), " 640");
    EXPECT_EQ(file.getString("level::colour", 0), "");
    EXPECT_EQ(file.getFloat("level::colour", 0, 0), 0.0);
    EXPECT_TRUE(reports.lines.empty());

    EXPECT_EQ(saved(file), original);
}

struct ReadCase
{
    const char* name;
    const char* text;
    const char* path;
    int index;
    const char* string;
    double number;
};

class TRCMFileRead : public TRCMFileTest, public testing::WithParamInterface<ReadCase>
{};

TEST_P(TRCMFileRead, FindsTheValue)
{
    const ReadCase& c = GetParam();
    TRCMFile file = load(c.text);
    EXPECT_EQ(file.getString(c.path, c.index), c.string);
    EXPECT_EQ(file.getFloat(c.path, c.index), c.number);
    EXPECT_TRUE(reports.lines.empty());
}

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, TRCMFileRead,
    testing::Values(
        ReadCase{"lastBraceWithoutLineFeed", "g {\n\tk = 7\n}", "g::k", 0, " 7", 7},
        ReadCase{"lastEntryWithoutLineFeedDropped", "g {\n}\nk = 5", "k", 0, "", 0},
        ReadCase{"rootEntryWithLineFeed", "g {\n}\nk = 5\n", "k", 0, " 5", 5},
        ReadCase{"commaInsideQuotes", "g {\n\tk = \"a,b\", \"c\"\n}\n", "g::k", 0, "a,b", 0},
        ReadCase{"valueAfterQuotedComma", "g {\n\tk = \"a,b\", \"c\"\n}\n", "g::k", 1, "c", 0},
        ReadCase{"blankAfterEqualsIsPartOfFormat", "g {\n\tk=\"abc\"\n}\n", "g::k", 0, "bc", 0},
        ReadCase{"negativeNumber", "g {\n\tk = -2, 7\n}\n", "g::k", 0, " -2", -2},
        ReadCase{"secondNumber", "g {\n\tk = -2, 7\n}\n", "g::k", 1, " 7", 7},
        ReadCase{"pointFirstIsText", "g {\n\tk = .5\n}\n", "g::k", 0, "", 0},
        ReadCase{"firstDuplicateGroupWins", "g {\n\tk = 1\n}\n\nG {\n\tk = 2\n}\n", "G::K", 0, " 1", 1},
        ReadCase{"firstDuplicateEntryWins", "g {\n\tk = 1\n\tK = 2\n}\n", "g::k", 0, " 1", 1},
        ReadCase{"entryAfterNestedGroup", "g {\n\tn {\n\t\ta = 1\n\t}\n\n\tb = 2\n}\n", "g::b", 0, " 2", 2},
        ReadCase{"entryInNestedGroup", "g {\n\tn {\n\t\ta = 1\n\t}\n\n\tb = 2\n}\n", "g::n::a", 0, " 1", 1},
        ReadCase{"nameOnItsOwnLine", "g\n{\n\tk = 1\n}\n", "g::k", 0, " 1", 1},
        ReadCase{"carriageReturnsTrimmed", "g {\r\n\tk = \"v\"\r\n\tn = 4\r\n}\r\n", "g::k", 0, "v", 0},
        ReadCase{"carriageReturnsTrimmedFromNumbers", "g {\r\n\tn = 4\r\n}\r\n", "g::n", 0, " 4", 4},
        ReadCase{"emptyPartsBetweenCommas", "g {\n\tk = 1,,3\n}\n", "g::k", 2, "3", 3},
        ReadCase{"emptyLastPartDropped", "g {\n\tk = 1, 2,\n}\n", "g::k", 2, "", 0},
        ReadCase{"missingGroup", "g {\n\tk = 1\n}\n", "h::k", 0, "", 0},
        ReadCase{"missingNestedGroup", "g {\n\tk = 1\n}\n", "g::h::k", 0, "", 0},
        // Text parts too short to hold a blank and two quotes read as "".
        ReadCase{"bareWordText", "g {\n\tk = x\n}\n", "g::k", 0, "", 0},
        ReadCase{"noBlankAfterComma", "g {\n\tk = \"a\",\"b\"\n}\n", "g::k", 1, "", 0},
        ReadCase{"firstPartStillRead", "g {\n\tk = \"a\",\"b\"\n}\n", "g::k", 0, "a", 0},
        ReadCase{"emptyQuotedText", "g {\n\tk = \"\", \"v\"\n}\n", "g::k", 0, "", 0},
        ReadCase{"nothingAfterEquals", "g {\n\tk =\n}\n", "g::k", 0, "", 0},
        ReadCase{"indexBeyondValues", "g {\n\tk = 1, 2\n}\n", "g::k", 2, "", 0},
        ReadCase{"negativeIndex", "g {\n\tk = 1, 2\n}\n", "g::k", -1, "", 0},
        // Numbers are read as [-]digits[.digits] only: no exponent, hexadecimal or infinity.
        ReadCase{"exponentNotRead", "g {\n\tk = 1e9\n}\n", "g::k", 0, " 1e9", 1},
        ReadCase{"hexadecimalNotRead", "g {\n\tk = 0x10\n}\n", "g::k", 0, " 0x10", 0},
        ReadCase{"infinityIsText", "g {\n\tk = inf\n}\n", "g::k", 0, "n", 0},
        ReadCase{"minusInfinity", "g {\n\tk = -inf\n}\n", "g::k", 0, " -inf", 0},
        ReadCase{"decimalPrefix", "g {\n\tk = 12.5abc\n}\n", "g::k", 0, " 12.5abc", 12.5},
        ReadCase{"pointWithoutDigits", "g {\n\tk = 5.\n}\n", "g::k", 0, " 5.", 5},
        ReadCase{"numberInsideText", "g {\n\tk = \" 42 \"\n}\n", "g::k", 0, " 42 ", 42}),
    [](const testing::TestParamInfo<ReadCase>& info) { return std::string(info.param.name); });

TEST_F(TRCMFileTest, HugeNumbersStayFinite)
{
    std::string nines(400, '9');
    TRCMFile file = load("g {\n\tbig = " + nines + ", -" + nines + ", 0." + std::string(400, '0') + "1\n}\n");
    EXPECT_EQ(file.getFloat("g::big", 0), DBL_MAX);
    EXPECT_EQ(file.getFloat("g::big", 1), -DBL_MAX);
    EXPECT_EQ(file.getFloat("g::big", 2), 0.0);
    EXPECT_EQ(file.getInt("g::big", 0), INT_MAX);
    EXPECT_EQ(file.getInt("g::big", 1), INT_MIN);
}

TEST_F(TRCMFileTest, EntryWithNothingAfterEqualsHasNoValues)
{
    TRCMFile file = load("g {\n\tk =   \n\tn = 1\n}\n");
    const TRCMGroup* group = file._grupa.getGroup("g");
    ASSERT_NE(group, nullptr);
    ASSERT_NE(group->getEntry("k"), nullptr);
    EXPECT_TRUE(group->getEntry("k")->_value.empty());
    EXPECT_EQ(file.getString("g::n"), " 1");
    EXPECT_EQ(saved(file), "g {\n\tk = \n\tn = 1\n}\n\n");
    EXPECT_EQ(saved(load(saved(file))), "g {\n\tk = \n\tn = 1\n}\n\n");
}

TEST_F(TRCMFileTest, LineWithoutEqualsStartsTheNextName)
{
    TRCMFile file = load("g {\n\tnote\n\tk = 1\n}\n");
    EXPECT_EQ(file.getString("g::k"), "");
    EXPECT_EQ(file._grupa.getGroup("g")->_listaWpisow.size(), 1u);
}

TEST_F(TRCMFileTest, EqualsInAGroupNameMakesNoStrayEntry)
{
    TRCMFile file = load("x=y {\n\tk = 1\n}\n\n");
    EXPECT_TRUE(file._grupa._listaWpisow.empty());
    EXPECT_EQ(file.getFloat("x=y::k"), 1.0);
}

TEST_F(TRCMFileTest, SetFloatCreatesGroupsAndWritesNumbers)
{
    TRCMFile file = newDataFile();
    EXPECT_EQ(file._grupa._id, "");
    file.setFloat("a::b", 0.25, 0);
    EXPECT_EQ(saved(file), "a {\n\tb = 0.250000000\n}\n\n");
    file.setFloat("a::b", 2, 0);
    EXPECT_EQ(saved(file), "a {\n\tb = 2\n}\n\n");
    file.setFloat("a::c::d", 1.5, 1);
    EXPECT_EQ(saved(file), "a {\n\tb = 2\n\tc {\n\t\td = 0, 1.50000000\n\t}\n\n}\n\n");
}

TEST_F(TRCMFileTest, SetStringFillsEarlierValuesWithEmptyTexts)
{
    TRCMFile file = newDataFile();
    file.setString("x::y", "v", 2);
    EXPECT_EQ(saved(file), "x {\n\ty = \"\", \"\", \"v\"\n}\n\n");
}

TEST_F(TRCMFileTest, RootEntriesAreNotWrittenButDuplicatesAre)
{
    TRCMFile file = load("top = 1\ng {\n\tk = 1\n}\n\nG {\n\tk = 2\n}\n");
    EXPECT_EQ(file.getString("top"), " 1");
    file.setString("loose", "x");
    EXPECT_EQ(saved(file), "g {\n\tk = 1\n}\n\nG {\n\tk = 2\n}\n\n");
}

TEST_F(TRCMFileTest, LoadedFractionDoesNotGrowBlanksOverSaves)
{
    TRCMFile file = load("g {\n\tspeed = 0.5, -0.125\n}\n");
    for (int round = 0; round < 3; ++round)
        file = load(saved(file));
    EXPECT_EQ(saved(file), "g {\n\tspeed = 0.5, -0.125\n}\n\n");
    EXPECT_EQ(file.getFloat("g::speed", 1), -0.125);
}

TEST_F(TRCMFileTest, TextSetOnANumericEntryReadsBackAsText)
{
    TRCMFile file = load("g {\n\tk = 1, 2\n\tn = 1\n}\n");
    file.setString("g::k", "Forest", 1);
    file.setString("g::n", "12", 0);
    TRCMFile again = load(saved(file));
    EXPECT_EQ(again.getString("g::k", 1), "Forest");
    EXPECT_EQ(again.getFloat("g::k", 0), 1.0);
    EXPECT_EQ(again.getString("g::n", 0), " 12");
}

TEST_F(TRCMFileTest, LargeAndSmallNumbersComeBackWithoutExponent)
{
    TRCMFile file = newDataFile();
    file.setFloat("g::big", 1.5e12);
    file.setFloat("g::small", 1.5e-7);
    file.setFloat("g::negative", -2e9);
    std::string text = saved(file);
    EXPECT_EQ(text, "g {\n"
                    "\tbig = 1500000000000\n"
                    "\tsmall = 0.000000150000000\n"
                    "\tnegative = -2000000000\n"
                    "}\n\n");
    TRCMFile again = load(text);
    EXPECT_EQ(again.getFloat("g::big"), 1.5e12);
    EXPECT_DOUBLE_EQ(again.getFloat("g::small"), 1.5e-7);
    EXPECT_EQ(again.getFloat("g::negative"), -2e9);
}

TEST_F(TRCMFileTest, WholeNumbersKeepEveryDigit)
{
    // Nine significant digits would turn 1234567891 into 1234567890.
    TRCMFile file = newDataFile();
    file.setInt("g::coins", 1234567891);
    file.setInt("g::most", INT_MAX);
    file.setInt("g::least", INT_MIN);
    file.setInt("g::record", 7, 0);
    file.setInt("g::record", 2147483646, 2);
    std::string text = saved(file);
    EXPECT_EQ(text, "g {\n"
                    "\tcoins = 1234567891\n"
                    "\tmost = 2147483647\n"
                    "\tleast = -2147483648\n"
                    "\trecord = 7, 0, 2147483646\n"
                    "}\n\n");
    TRCMFile again = load(text);
    EXPECT_EQ(again.getInt("g::coins"), 1234567891);
    EXPECT_EQ(again.getInt("g::most"), INT_MAX);
    EXPECT_EQ(again.getInt("g::least"), INT_MIN);
    EXPECT_EQ(again.getInt("g::record", 2), 2147483646);
    EXPECT_EQ(saved(again, "again.dat"), text);
}

TEST_F(TRCMFileTest, WriterStripsCharactersThatWouldCorruptTheFileAndSaysSo)
{
    TRCMFile file = newDataFile();
    file.setString("player::name", "Bad=Name{x}\"q\"\r\nline");
    file.setString("player::other", "fine");
    file.setFloat("stats::coins", 12);
    std::string path = folder.file("profile.dat");
    ASSERT_TRUE(file.save(path));
    ASSERT_EQ(reports.lines.size(), 1u);
    EXPECT_NE(reports.lines[0].find(path), std::string::npos);

    TRCMFile again = loadDataFile(path);
    EXPECT_EQ(again.getString("player::name"), "BadNamexqline");
    EXPECT_EQ(again.getString("player::other"), "fine");
    EXPECT_EQ(again.getFloat("stats::coins"), 12.0);
    EXPECT_EQ(reports.lines.size(), 1u);
}

struct EncodingCase
{
    const char* name;
    std::string bytes;
};

class TRCMFileEncoding : public TRCMFileTest, public testing::WithParamInterface<EncodingCase>
{};

TEST_P(TRCMFileEncoding, ReadsTheText)
{
    TRCMFile file = load(GetParam().bytes);
    EXPECT_EQ(file.getString("g::name"), "Zo\xC3\xAB \xC5\x81");
    EXPECT_EQ(file.getFloat("g::n", 1), 2.0);
}

const char16_t* const encodedText = u"g {\n\tname = \"Zo\u00EB \u0141\"\n\tn = 1, 2\n}\n";

INSTANTIATE_TEST_SUITE_P(
    Encodings, TRCMFileEncoding,
    testing::Values(EncodingCase{"utf16le", utf16(encodedText, false)},
                    EncodingCase{"utf16be", utf16(encodedText, true)},
                    EncodingCase{"utf8bom", "\xEF\xBB\xBF"
                                            "g {\n\tname = \"Zo\xC3\xAB \xC5\x81\"\n\tn = 1, 2\n}\n"}),
    [](const testing::TestParamInfo<EncodingCase>& info) { return std::string(info.param.name); });

TEST_F(TRCMFileTest, WritesLatin1WhenEveryCharacterFits)
{
    TRCMFile file = newDataFile();
    file.setString("g::name", "Zo\xC3\xAB");
    EXPECT_EQ(saved(file), "g {\n\tname = \"Zo\xEB\"\n}\n\n");
}

TEST_F(TRCMFileTest, WritesUtf16WhenACharacterIsBeyondLatin1)
{
    TRCMFile file = newDataFile();
    file.setString("g::name", "\xC5\x81\xC3\xB3\x64\xC5\xBA");
    std::string bytes = saved(file);
    EXPECT_EQ(bytes, utf16(u"g {\n\tname = \"\u0141\u00F3d\u017A\"\n}\n\n", false));
    EXPECT_EQ(loadDataFile(folder.file("out.dat")).getString("g::name"), "\xC5\x81\xC3\xB3\x64\xC5\xBA");
}

TEST_F(TRCMFileTest, MissingFileLeavesTheTreeEmptyAndNamesTheFile)
{
    std::string path = folder.file("nowhere.dat");
    TRCMFile file = loadDataFile(path);
    ASSERT_EQ(reports.lines.size(), 1u);
    EXPECT_EQ(reports.lines[0], "Napotkano problem : Nie znaleziono pliku : " + path);
    EXPECT_TRUE(file._grupa._listaGrup.empty());
    EXPECT_EQ(file.getString("g::k"), "");
    EXPECT_EQ(file.getFloat("g::k"), 0.0);
    EXPECT_EQ(file._path, path);
    EXPECT_FALSE(file._realPath.empty());
    EXPECT_EQ(file._realPath.front(), '/');
}

TEST_F(TRCMFileTest, FolderInPlaceOfTheFileReadsAsMissing)
{
    std::string path = folder.file("sub");
    stdfs::create_directory(path);
    TRCMFile file;
    EXPECT_FALSE(file.Load(path));
    ASSERT_EQ(reports.lines.size(), 1u);
    EXPECT_NE(reports.lines[0].find(path), std::string::npos);
}

TEST_F(TRCMFileTest, UnbalancedBracesLeaveTheTreeEmpty)
{
    std::string path = folder.file("broken.dat");
    TRCMFile file = load("g {\n\tk = 1\n\th {\n\t\tn = \"}\"\n}\n", "broken.dat");
    ASSERT_EQ(reports.lines.size(), 1u);
    EXPECT_EQ(reports.lines[0],
              "Napotkano problem : Blad nawiasow klamrowych! \"{\" - 2 \"}\" - 1 : " + path);
    EXPECT_TRUE(file._grupa._listaGrup.empty());
    EXPECT_EQ(file.getFloat("g::k"), 0.0);
}

TEST_F(TRCMFileTest, LoadingAgainReplacesTheTree)
{
    TRCMFile file = load("g {\n\tk = 1\n}\n", "first.dat");
    ASSERT_EQ(file.getFloat("g::k"), 1.0);
    EXPECT_FALSE(file.Load(folder.file("missing.dat")));
    EXPECT_EQ(file.getFloat("g::k"), 0.0);
    EXPECT_TRUE(file._txt.empty());
}

std::string nested(int depth)
{
    std::string text;
    for (int i = 0; i < depth; ++i)
        text += "g {\n";
    text += "k = 5\n";
    for (int i = 0; i < depth; ++i)
        text += "}\n";
    return text;
}

std::string deepPath(int depth)
{
    std::string path;
    for (int i = 0; i < depth; ++i)
        path += "g::";
    return path + "k";
}

TEST_F(TRCMFileTest, NestingUpToTheLimitLoads)
{
    TRCMFile file = load(nested(TRCMFile::maxDepth));
    EXPECT_EQ(file.getFloat(deepPath(TRCMFile::maxDepth)), 5.0);
    EXPECT_TRUE(reports.lines.empty());
}

TEST_F(TRCMFileTest, NestingBeyondTheLimitIsMalformed)
{
    for (int depth : {TRCMFile::maxDepth + 1, 200000}) {
        reports.lines.clear();
        std::string path = folder.file("deep.dat");
        TRCMFile file = load(nested(depth), "deep.dat");
        EXPECT_TRUE(file._grupa._listaGrup.empty()) << depth;
        EXPECT_EQ(file.getFloat(deepPath(TRCMFile::maxDepth)), 0.0) << depth;
        ASSERT_EQ(reports.lines.size(), 1u) << depth;
        EXPECT_NE(reports.lines[0].find(path), std::string::npos) << depth;
    }
}

TEST_F(TRCMFileTest, EmptyFileLoadsAnEmptyTree)
{
    TRCMFile file = load("");
    EXPECT_TRUE(file._grupa._listaGrup.empty());
    EXPECT_TRUE(reports.lines.empty());
}

TEST_F(TRCMFileTest, SaveIntoAMissingFolderFailsAndNamesTheFile)
{
    TRCMFile file = newDataFile();
    file.setString("g::k", "v");
    std::string path = folder.file("no/such/folder/out.dat");
    EXPECT_FALSE(file.save(path));
    ASSERT_EQ(reports.lines.size(), 1u);
    EXPECT_NE(reports.lines[0].find(path), std::string::npos);
    EXPECT_FALSE(stdfs::exists(path));
}

TEST_F(TRCMFileTest, FailedSaveLeavesTheOldFileUntouched)
{
    std::string path = folder.file("profile.dat");
    writeBytes(path, "old {\n\tk = 1\n}\n\n");
    // Block the temporary file the save writes before it replaces the old one.
    stdfs::create_directory(path + ".tmp" + std::to_string(::getpid()));
    TRCMFile file = newDataFile();
    file.setString("new::k", "v");
    EXPECT_FALSE(file.save(path));
    EXPECT_EQ(readBytes(path), "old {\n\tk = 1\n}\n\n");
    ASSERT_EQ(reports.lines.size(), 1u);
    EXPECT_NE(reports.lines[0].find(path), std::string::npos);
}

TEST_F(TRCMFileTest, DumpPrintsTheGroupThatWasFound)
{
    TRCMFile file = load("g {\n\tk = 1\n}\n\nh {\n\tother = 2\n}\n");
    EXPECT_EQ(file.getFloat("g::k", 0, 1), 1.0);
    std::string printed;
    for (const std::string& line : reports.lines)
        printed += line + "\n";
    EXPECT_NE(printed.find("k = 1"), std::string::npos);
    EXPECT_EQ(printed.find("other"), std::string::npos);
}

TEST(TRCMFilePaths, SplitAtEveryDoubleColon)
{
    EXPECT_EQ(TRCMFile::splitPath("a::b::c"), (std::vector<std::string>{"a", "b", "c"}));
    EXPECT_EQ(TRCMFile::splitPath("k"), (std::vector<std::string>{"k"}));
    EXPECT_EQ(TRCMFile::splitPath("a:b"), (std::vector<std::string>{"a:b"}));
    EXPECT_EQ(TRCMFile::splitPath(""), (std::vector<std::string>{""}));
}
} // namespace
