// The content tool's cache: the digest it relies on, which sources a generator's key covers,
// and when a stamp lets a generator be skipped.
#include "Cache.hpp"
#include "Digest.hpp"

#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

namespace
{
using contentgen::Input;
using contentgen::SourceFile;
using testing_support::TempFolder;

TEST(ContentCache, Sha256GivesTheStandardDigests)
{
    EXPECT_EQ(contentgen::sha256(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(contentgen::sha256("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    // 56 bytes: the padding spills into a second block.
    EXPECT_EQ(contentgen::sha256("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    // A million times "a", fed in uneven pieces across block boundaries.
    contentgen::Sha256 digest;
    const std::string piece(997, 'a');
    std::size_t left = 1000000;
    for (std::size_t size = 1; left > 0; size = size % 980 + 13) {
        const std::size_t take = std::min(size, left);
        digest.add(std::string_view(piece).substr(0, take));
        left -= take;
    }
    EXPECT_EQ(digest.hex(), "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
}

// A generator in Gen.cpp that includes Shape.hpp (which includes Colour.hpp) and Registry.hpp.
std::vector<SourceFile> toolSources()
{
    return {
        {"tools/gen/Gen.cpp", "g1", {"tools/gen/Shape.hpp", "tools/gen/Registry.hpp"}},
        {"tools/gen/Shape.hpp", "s1", {"tools/gen/Colour.hpp"}},
        {"tools/gen/Shape.cpp", "s2", {"tools/gen/Shape.hpp"}},
        {"tools/gen/Colour.hpp", "c1", {}},
        {"tools/gen/Colour.cpp", "c2", {"tools/gen/Colour.hpp"}},
        {"tools/gen/Registry.hpp", "r1", {}},
        {"tools/gen/Music.cpp", "m1", {"tools/gen/Colour.hpp", "tools/gen/Registry.hpp"}},
        {"tools/gen/Music.hpp", "m2", {}},
    };
}

std::vector<std::string> pathsOf(const std::vector<const SourceFile*>& sources)
{
    std::vector<std::string> paths;
    for (const SourceFile* source : sources) {
        paths.push_back(source->path);
    }
    return paths;
}

std::string keyOf(const std::vector<SourceFile>& table, const std::string& file,
                  const std::string& tool = "t")
{
    const auto sources = contentgen::sourcesOf(table, file);
    EXPECT_TRUE(sources) << file;
    return sources ? contentgen::generatorKey("gfx/a.png", *sources, tool) : "";
}

TEST(ContentCache, KeyCoversTheIncludedFilesAndTheSourcesOfTheirHeaders)
{
    const std::vector<SourceFile> table = toolSources();
    // Found by the compiler's absolute path; the header's sources come along, transitively.
    const auto sources = contentgen::sourcesOf(table, "/home/dev/eldmere/tools/gen/Gen.cpp");
    ASSERT_TRUE(sources);
    EXPECT_EQ(pathsOf(*sources), (std::vector<std::string>{"tools/gen/Colour.cpp", "tools/gen/Colour.hpp",
                                                           "tools/gen/Gen.cpp", "tools/gen/Registry.hpp",
                                                           "tools/gen/Shape.cpp", "tools/gen/Shape.hpp"}));

    const std::string key = keyOf(table, "tools/gen/Gen.cpp");
    EXPECT_EQ(key, keyOf(toolSources(), "tools/gen/Gen.cpp"));
    EXPECT_EQ(key.size(), 64u);

    std::vector<SourceFile> changed = toolSources();
    changed[4].digest = "c3"; // Colour.cpp, reached through Shape.hpp and Colour.hpp
    EXPECT_NE(keyOf(changed, "tools/gen/Gen.cpp"), key);
    changed = toolSources();
    changed[6].digest = "m3"; // Music.cpp: another generator's code
    EXPECT_EQ(keyOf(changed, "tools/gen/Gen.cpp"), key);
    EXPECT_NE(keyOf(changed, "tools/gen/Music.cpp"), keyOf(toolSources(), "tools/gen/Music.cpp"));
    EXPECT_NE(keyOf(table, "tools/gen/Gen.cpp", "another compiler"), key);
    EXPECT_NE(contentgen::generatorKey("gfx/b.png", *sources, "t"), key);
}

TEST(ContentCache, SourceOutsideTheTableHasNoSources)
{
    const std::vector<SourceFile> table = toolSources();
    EXPECT_FALSE(contentgen::sourcesOf(table, "tools/gen/Other.cpp"));
    // Only whole path parts match.
    EXPECT_FALSE(contentgen::sourcesOf(table, "/src/mytools/gen/Gen.cpp"));
    // An include the table lacks leaves the sources unknown rather than short.
    std::vector<SourceFile> partial = toolSources();
    partial.erase(partial.begin() + 3); // Colour.hpp
    EXPECT_FALSE(contentgen::sourcesOf(partial, "tools/gen/Gen.cpp"));
}

// A run's stamp over a content folder, a font and an output folder in a fresh folder.
class ContentStamp : public ::testing::Test
{
protected:
    void SetUp() override
    {
        folder.write("content/txt/en/captions.txt", "Play!\nPerfect!\n");
        folder.write("content/txt/lang.txt", "en\n");
        folder.write("face.ttf", "not really a font");
        folder.write("out/gfx/captions/en/play.png", std::string(300, 'p'));
        roots = contentgen::InputRoots{folder / "face.ttf", folder / "content"};
        stamp.key = "k1";
        for (const Input& input : {Input{Input::Kind::Font, "", ""}, Input{Input::Kind::Folder, "txt", ""},
                                   Input{Input::Kind::File, "txt/en/captions.txt", ""},
                                   Input{Input::Kind::File, "txt/pl/captions.txt", ""}}) {
            stamp.inputs.push_back(Input{input.kind, input.path, contentgen::currentDigest(input, roots)});
        }
        const auto play = contentgen::outputNow(folder / "out", "gfx/captions/en/play.png");
        ASSERT_TRUE(play);
        EXPECT_EQ(play->size, 300u);
        stamp.outputs.push_back(*play);
    }
    bool upToDate() const { return contentgen::upToDate(stamp, "k1", roots, folder / "out"); }

    TempFolder folder;
    contentgen::InputRoots roots;
    contentgen::Stamp stamp;
};

TEST_F(ContentStamp, ReadsBackWhatWasWritten)
{
    const std::string text = contentgen::formatStamp(stamp);
    EXPECT_EQ(contentgen::parseStamp(text), stamp);
    // A stamp cut short or from another format is no stamp.
    EXPECT_FALSE(contentgen::parseStamp(text.substr(0, text.size() - 5)));
    EXPECT_FALSE(contentgen::parseStamp("eldmere contentgen cache 0\n" + text.substr(text.find('\n') + 1)));
    EXPECT_FALSE(contentgen::parseStamp(""));

    // Every generator has a stamp file of its own in the cache folder.
    const std::filesystem::path a = contentgen::stampPath("cache", "gfx/captions/*/play.png");
    const std::filesystem::path b = contentgen::stampPath("cache", "gfx/captions/%2A/play.png");
    EXPECT_EQ(a.parent_path(), "cache");
    EXPECT_NE(a, b);
}

TEST_F(ContentStamp, UpToDateOnlyWhileKeyInputsAndOutputsAreUnchanged)
{
    EXPECT_TRUE(upToDate());
    EXPECT_FALSE(contentgen::upToDate(stamp, "k2", roots, folder / "out"));

    // Contents count, not times: an edit of the same length is seen, and undoing it is too.
    folder.write("content/txt/en/captions.txt", "Play?\nPerfect!\n");
    EXPECT_FALSE(upToDate());
    folder.write("content/txt/en/captions.txt", "Play!\nPerfect!\n");
    EXPECT_TRUE(upToDate());

    folder.write("face.ttf", "not really a font either");
    EXPECT_FALSE(upToDate());
    folder.write("face.ttf", "not really a font");
    EXPECT_TRUE(upToDate());

    // A file that was absent and appears, and a new folder beside the languages.
    folder.write("content/txt/pl/captions.txt", "Graj!\n");
    EXPECT_FALSE(upToDate());
    std::filesystem::remove(folder / "content/txt/pl/captions.txt");
    EXPECT_FALSE(upToDate()); // the empty folder pl/ is still new
    std::filesystem::remove(folder / "content/txt/pl");
    EXPECT_TRUE(upToDate());

    // An output written over since, even at the same size, or gone.
    const std::filesystem::path play = folder / "out/gfx/captions/en/play.png";
    const auto written = std::filesystem::last_write_time(play);
    folder.write("out/gfx/captions/en/play.png", std::string(300, 'q'));
    std::filesystem::last_write_time(play, written + std::chrono::seconds(1));
    EXPECT_FALSE(upToDate());
    folder.write("out/gfx/captions/en/play.png", std::string(299, 'p'));
    std::filesystem::last_write_time(play, written);
    EXPECT_FALSE(upToDate());
    std::filesystem::remove(play);
    EXPECT_FALSE(upToDate());
}
} // namespace
