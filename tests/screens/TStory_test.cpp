// The cut-scenes: parts and captions read from their files (with bad values named, not fatal),
// the timing of parts and captions, pausing, the ways out, and the shipped story and outro.
#include "screens/TOutro.hpp"
#include "screens/TStory.hpp"

#include "base/Program.hpp"
#include "media/ImageCodec.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "screens/TCredits.hpp"
#include "support/DialogFixture.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace
{
using testing_support::DialogFixture;
using testing_support::TempFolder;

// A scene over files of the test's own; it hands the flow "AFTER" once it has ended.
class Scene : public TStoryScreen
{
public:
    explicit Scene(StoryFiles files) : TStoryScreen(std::move(files)) {}

protected:
    std::string afterward() override { return "AFTER"; }
};

// A 2 x 1 picture: cyan on the left (the layers' key colour), red on the right.
std::string cyanAndRedPng()
{
    media::Image image(2, 1);
    image.rgba = {0, 255, 255, 255, 200, 20, 20, 255};
    std::string error;
    auto png = media::encodePng(image, error);
    EXPECT_TRUE(png) << error;
    return png.value_or("");
}

// The console lines of a test.
class Reports
{
public:
    Reports()
    {
        media::setReportSink([this](std::string_view line) { lines.emplace_back(line); });
    }
    ~Reports() { media::setReportSink({}); }
    Reports(const Reports&) = delete;
    Reports& operator=(const Reports&) = delete;

    bool any(const std::string& part) const
    {
        for (const std::string& line : lines) {
            if (line.find(part) != std::string::npos)
                return true;
        }
        return false;
    }

    std::vector<std::string> lines;
};

// The test's files: pictures and captions as given, one caption table, and the shipped
// story's GUI file.
struct SceneFiles
{
    TempFolder folder;
    StoryFiles files;

    // "LAYER" in `pictures` stands for the path of the test's picture.
    SceneFiles(std::string pictures, const std::string& captions)
    {
        const std::string layer = folder.write("layer.png", cyanAndRedPng());
        if (auto at = pictures.find("LAYER"); at != std::string::npos)
            pictures.replace(at, 5, layer);
        files.pictures = folder.write("pictures.dat", pictures);
        files.captions = folder.write("captions.dat", captions);
        files.texts = folder.write("texts.txt", "Long ago#ENTER#by the lake\nThe end\n");
        files.gui = "gfx/story/story.gui";
    }
};

std::string onePart(int time, const std::string& layerPath)
{
    return "story {\n\ti = 1\n\tscreen1 {\n\t\ttime = " + std::to_string(time)
           + "\n\t\tlayers = 1\n\t\tlayer1 {\n\t\t\timg = \"" + layerPath
           + "\"\n\t\t\tscale = 1, 1.2\n\t\t\tdim = 480, 360\n\t\t}\n\t}\n}\n";
}

std::string caption(int line, int start, int life, int font = 0)
{
    return "story {\n\ti = 1\n\ttext1 {\n\t\ttxt = " + std::to_string(line) + "\n\t\tdim = 400, 700\n"
           + "\t\tstartTime = " + std::to_string(start) + "\n\t\tlifeTime = " + std::to_string(life)
           + "\n\t\tfont = " + std::to_string(font) + "\n\t}\n}\n";
}

TEST(StoryFiles, APartAndItsLayerAreReadWithTheirValues)
{
    DialogFixture f;
    Reports reports;
    SceneFiles files(onePart(6000, "LAYER"), caption(1, 2000, 4000, 1));
    Scene scene(files.files);
    scene.loadStory();
    scene.setup();
    ASSERT_EQ(scene.parts.size(), 1u);
    const TStoryPart& part = scene.parts.front();
    EXPECT_EQ(part.time, 6000);
    ASSERT_EQ(part.layers.size(), 1u);
    const TStoryLayer& layer = part.layers.front();
    EXPECT_FALSE(layer.img.empty());
    EXPECT_EQ(layer.img.handleX(), 1.0f);
    EXPECT_EQ(layer.ImgScale[0], 1.0f);
    EXPECT_EQ(layer.ImgScale[1], 1.2f);
    EXPECT_EQ(layer.dx, 480.0f);
    EXPECT_EQ(layer.dy, 360.0f);
    // It glides from (1024 - dx, 768 - dy) to the middle, shrinking from 1.2 to 1.
    EXPECT_EQ(layer.x(1), 544.0f);
    EXPECT_EQ(layer.y(1), 408.0f);
    EXPECT_EQ(layer.x(0), 512.0f);
    EXPECT_FLOAT_EQ(layer.countScale(0.5f), 1.1f);
    ASSERT_EQ(scene.storyTexts.size(), 1u);
    const TStoryTxt& text = scene.storyTexts.front();
    EXPECT_EQ(text.txt, (std::vector<std::string>{"Long ago", "by the lake"}));
    EXPECT_EQ(text.x, 400.0f);
    EXPECT_EQ(text.y, 700.0f);
    EXPECT_EQ(text.startTime, 2000);
    EXPECT_EQ(text.lifeTime, 4000);
    EXPECT_EQ(text.font, scene.storyFonts[1]);
    ASSERT_TRUE(scene.Gui);
    EXPECT_TRUE(scene.Gui->getItem("skip"));
    EXPECT_TRUE(reports.lines.empty()) << ::testing::PrintToString(reports.lines);
}

struct BadFileCase
{
    const char* what;
    std::string pictures; // "LAYER" stands for the test picture's path
    std::string captions;
    std::size_t parts;
    std::size_t captionsRead;
    std::string reported;
    bool missingPictureFile = false;
};

std::ostream& operator<<(std::ostream& out, const BadFileCase& c)
{
    return out << c.what;
}

class BadStoryFiles : public ::testing::TestWithParam<BadFileCase>
{};

TEST_P(BadStoryFiles, AreNamedOnTheConsoleAndPlayWhatTheyCan)
{
    const BadFileCase& c = GetParam();
    DialogFixture f;
    Reports reports;
    SceneFiles files(c.pictures, c.captions);
    if (c.missingPictureFile)
        files.files.pictures = files.folder.file("nothing.dat");
    Scene scene(files.files);
    scene.loadStory();
    scene.setup();
    EXPECT_EQ(scene.parts.size(), c.parts);
    EXPECT_EQ(scene.storyTexts.size(), c.captionsRead);
    EXPECT_TRUE(reports.any(c.reported)) << ::testing::PrintToString(reports.lines);
    for (const TStoryPart& part : scene.parts)
        EXPECT_GT(part.time, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadStoryFiles,
    ::testing::Values(
        BadFileCase{"a part without a time", onePart(0, "LAYER"), caption(1, 0, 4000), 0, 1, "screen1"},
        BadFileCase{"a time that is not a number",
                    "story {\n\ti = 1\n\tscreen1 {\n\t\ttime = \"soon\"\n\t\tlayers = 0\n\t}\n}\n",
                    caption(1, 0, 4000), 0, 1, "not a number"},
        BadFileCase{"a layer without a picture",
                    "story {\n\ti = 1\n\tscreen1 {\n\t\ttime = 3000\n\t\tlayers = 1\n\t\tlayer1 {\n"
                    "\t\t\tscale = 1, 1\n\t\t}\n\t}\n}\n",
                    caption(1, 0, 4000), 1, 1, "layer1::img is missing"},
        BadFileCase{"a missing picture file", onePart(3000, "LAYER"), caption(1, 0, 4000), 0, 1,
                    "nothing.dat", true},
        BadFileCase{"a caption naming a line the table lacks", onePart(3000, "LAYER"), caption(7, 0, 4000), 1,
                    0, "line 7"},
        BadFileCase{"a caption in a font there is not", onePart(3000, "LAYER"), caption(2, 0, 4000, 5), 1, 1,
                    "font is 5"},
        BadFileCase{"a caption without a life", onePart(3000, "LAYER"), caption(2, 0, 0), 1, 1,
                    "no life time"}));

TEST(StoryFiles, ThePicturesOfAPartDoNotChangeTheMaskColourOfLaterLoads)
{
    DialogFixture f;
    SceneFiles files(onePart(3000, "LAYER"), caption(1, 0, 4000));
    media::pictures().setMaskColor(255, 0, 255);
    Scene scene(files.files);
    scene.loadStory();
    EXPECT_EQ(media::pictures().maskColor(), 0xff00ff);
    // The layer itself had its cyan keyed out.
    ASSERT_EQ(scene.parts.size(), 1u);
    const media::Picture& layer = scene.parts.front().layers.front().img;
    ASSERT_TRUE(layer.data());
    EXPECT_FALSE(layer.data()->mask.test(0, 0));
    EXPECT_TRUE(layer.data()->mask.test(1, 0));
}

TEST(StoryFiles, SettingUpAgainDoesNotDoubleTheCaptions)
{
    DialogFixture f;
    SceneFiles files(onePart(3000, "LAYER"), caption(1, 0, 4000));
    Scene scene(files.files);
    // Once while the game loads, again on entry.
    scene.setup();
    scene.prepare();
    EXPECT_EQ(scene.storyTexts.size(), 1u);
}

TEST(StoryParts, TheNextPartStartsASecondBeforeTheEndAndFadesInOverASecond)
{
    DialogFixture f;
    testing_support::ManualClock& clock = f.program().clock();
    clock.stepsWithFrames = false;
    clock.now = 10000;
    Scene scene({});
    for (int time : {6000, 6000}) {
        TStoryPart part;
        part.time = time;
        scene.parts.push_back(part);
    }
    scene.nextPart();
    ASSERT_TRUE(scene.newPart);
    auto at = [&](long long ms) {
        clock.now = 10000 + ms;
        scene._updateParts();
    };
    at(500);
    EXPECT_FLOAT_EQ(scene.newPart->alpha, 0.5f);
    EXPECT_FLOAT_EQ(scene.newPart->per, 5500.0f / 6000.0f);
    at(5000);
    EXPECT_FALSE(scene.oldPart) << "not yet: the next part waits until 5 s have passed";
    EXPECT_EQ(scene.newPart->alpha, 1.0f);
    at(5001);
    ASSERT_TRUE(scene.oldPart);
    EXPECT_EQ(scene.oldPart->time, 6000);
    EXPECT_TRUE(scene.parts.empty());
    EXPECT_NEAR(scene.newPart->alpha, 0.0f, 0.01f);
    at(5501);
    EXPECT_FLOAT_EQ(scene.newPart->alpha, 0.5f);
    at(6001);
    EXPECT_EQ(scene.newPart->alpha, 1.0f);
    // The old part is still there underneath, just past its end.
    ASSERT_TRUE(scene.oldPart);
    EXPECT_LT(scene.oldPart->per, 0.0f);
    EXPECT_EQ(scene.dFade, 0.0f);
    // A second before the last part's end the screen starts to fade out.
    at(5001 + 5001);
    EXPECT_EQ(scene.dFade, 1.0f);
}

TEST(StoryParts, APauseOfTenSecondsDelaysThePartsEndByTenSeconds)
{
    DialogFixture f;
    testing_support::ManualClock& clock = f.program().clock();
    clock.stepsWithFrames = false;
    clock.now = 0;
    Scene scene({});
    TStoryPart part;
    part.time = 8000;
    scene.parts.push_back(part);
    scene.nextPart();
    clock.now = 3000;
    scene.pause();
    clock.now = 13000;
    scene.resume();
    EXPECT_EQ(scene.newPart->endTime, 18000);
    scene._updateParts();
    EXPECT_FLOAT_EQ(scene.newPart->per, 5000.0f / 8000.0f);
}

struct CaptionMoment
{
    long long at;
    float a;
    float s;
};

TEST(StoryCaptions, FadeInGrowAndFadeOutOverTheirLife)
{
    // Starting 2 s in, living 4 s: in from 2 s to 3 s, fully shown to 5 s, out by 6 s.
    TStoryTxt text;
    text.startTime = 2000;
    text.lifeTime = 4000;
    EXPECT_FALSE(text.update(1999));
    EXPECT_FALSE(text.visible());
    const std::vector<CaptionMoment> moments{
        {2000, 0.0f, 0.85f},   {2500, 0.5f, 0.86875f}, {3000, 1.0f, 0.8875f}, {4000, 1.0f, 0.925f},
        {5000, 1.0f, 0.9625f}, {5500, 0.5f, 0.98125f}, {6000, 0.0f, 1.0f}};
    for (const CaptionMoment& m : moments) {
        SCOPED_TRACE(m.at);
        EXPECT_FALSE(text.update(m.at));
        EXPECT_NEAR(text.a, m.a, 1e-5);
        EXPECT_NEAR(text.s, m.s, 1e-5);
    }
    EXPECT_TRUE(text.update(6001)) << "over once its end has passed";
}

TEST(StoryCaptions, ACaptionWithNoLifeIsNeverShown)
{
    for (int life : {0, -500}) {
        TStoryTxt text;
        text.startTime = 100;
        text.lifeTime = life;
        EXPECT_TRUE(text.update(100));
        EXPECT_FALSE(text.visible());
        EXPECT_TRUE(std::isfinite(text.s));
        EXPECT_EQ(text.a, 0.0f);
    }
}

TEST(StoryCaptions, PausingMovesTheirTimesOn)
{
    TStoryTxt text;
    text.startTime = 1000;
    text.lifeTime = 4000;
    text.update(1500);
    std::vector<TStoryTxt> list{text};
    TStoryTxt::pauseAll(list, 2000);
    TStoryTxt::resumeAll(list, 7000);
    EXPECT_EQ(list[0].startTime, 6000);
    EXPECT_EQ(list[0].endTime, 10500);
    // One not started yet keeps its end unset.
    TStoryTxt later;
    later.startTime = 9000;
    later.pause(2000);
    later.resume(3000);
    EXPECT_EQ(later.startTime, 10000);
    EXPECT_EQ(later.endTime, 0);
}

TEST(StoryCaptions, AreSplitIntoLinesAtTheMarker)
{
    struct Case
    {
        std::string text;
        std::vector<std::string> lines;
    };
    for (const Case& c : {Case{"one", {"one"}}, Case{"one#ENTER#two", {"one", "two"}},
                          Case{"a#ENTER##ENTER#b", {"a", "", "b"}}, Case{"end#ENTER#", {"end", ""}}}) {
        TStoryTxt text;
        text.createTextData(c.text);
        EXPECT_EQ(text.txt, c.lines) << c.text;
    }
}

TEST(StoryCaptions, TheScreenShowsEachCaptionOnceAndDropsItWhenItIsOver)
{
    DialogFixture f;
    testing_support::ManualClock& clock = f.program().clock();
    SceneFiles files(onePart(60000, "LAYER"), caption(1, 0, 3000));
    Scene scene(files.files);
    clock.now = 1000;
    scene.prepare();
    clock.stepsWithFrames = false;
    // Its clock starts on the first frame at or after its start.
    scene._updateTexts();
    clock.now = 2500;
    scene._updateTexts();
    ASSERT_EQ(scene.storyTexts.size(), 1u);
    EXPECT_TRUE(scene.storyTexts.front().visible());
    clock.now = 5000;
    scene._updateTexts();
    EXPECT_TRUE(scene.storyTexts.empty());
    clock.now = 9000;
    scene._updateTexts();
    EXPECT_TRUE(scene.storyTexts.empty());
}

enum class WayOut
{
    Escape,
    Skip,
    ByItself,
};

struct WayOutCase
{
    WayOut way;
    long long framesAbout;
};

class StoryWaysOut : public ::testing::TestWithParam<WayOutCase>
{};

TEST_P(StoryWaysOut, EndTheScreen)
{
    const WayOutCase& c = GetParam();
    DialogFixture f;
    // One part of two seconds: the screen asks for the next after one second and, finding
    // none, fades out over 20 frames.
    SceneFiles files(onePart(2000, "LAYER"), caption(1, 0, 4000));
    Scene scene(files.files);
    auto skip = loadGui("gfx/story/story.gui");
    if (c.way == WayOut::Escape)
        f.script({{20, "key Escape tap"}});
    else if (c.way == WayOut::Skip)
        f.script({{20, DialogFixture::clickOn(*skip, "skip")}});
    const long long start = framesDone();
    EXPECT_EQ(scene.mainLoop(), "AFTER");
    EXPECT_NEAR(static_cast<double>(framesDone() - start), static_cast<double>(c.framesAbout), 3);
    if (c.way == WayOut::Escape)
        EXPECT_LT(scene.fade, 1.0f) << "Escape leaves without the fade";
    else
        EXPECT_TRUE(scene.fadedOut());
}

INSTANTIATE_TEST_SUITE_P(Cases, StoryWaysOut,
                         ::testing::Values(WayOutCase{WayOut::Escape, 20}, WayOutCase{WayOut::Skip, 40},
                                           WayOutCase{WayOut::ByItself, 60 + 20}));

TEST(Outro, EndsInTheCreditsAndThenTheTitleScreen)
{
    DialogFixture f;
    TOutro outro;
    f.script({{10, "key Escape tap"}, {40, "click left 512 384"}});
    EXPECT_EQ(outro.mainLoop(), TOutro::next);
    ASSERT_TRUE(base::program().credits);
    EXPECT_TRUE(base::program().credits->alphaGone());
    EXPECT_EQ(base::program().credits->ekran, &outro);
}

// The shipped cut-scenes.
struct ShippedScene
{
    const char* what;
    std::size_t partsAtLeast;
    std::size_t partsAtMost;
};

class ShippedStory : public ::testing::TestWithParam<ShippedScene>
{};

TEST_P(ShippedStory, LoadsQuietlyWithItsPartsLayersAndCaptions)
{
    const ShippedScene& c = GetParam();
    DialogFixture f;
    Reports reports;
    TStory story;
    TOutro outro;
    TStoryScreen& scene = std::string(c.what) == "story" ? static_cast<TStoryScreen&>(story) : outro;
    scene.loadStory();
    scene.setup();
    EXPECT_GE(scene.parts.size(), c.partsAtLeast);
    EXPECT_LE(scene.parts.size(), c.partsAtMost);
    long long length = 0;
    for (const TStoryPart& part : scene.parts) {
        EXPECT_GE(part.layers.size(), 2u);
        EXPECT_LE(part.layers.size(), 4u);
        for (const TStoryLayer& layer : part.layers) {
            EXPECT_FALSE(layer.img.empty());
            // Large enough to cover the picture between the bars at the layer's smallest.
            EXPECT_GE(static_cast<float>(layer.img.width()) * std::min(layer.ImgScale[0], layer.ImgScale[1]),
                      1024.0f);
        }
        length += part.time - TStoryPart::fadeIn;
    }
    ASSERT_FALSE(scene.storyTexts.empty());
    for (const TStoryTxt& text : scene.storyTexts) {
        EXPECT_GE(text.lifeTime, 3000);
        EXPECT_LE(text.startTime + text.lifeTime, length + TStoryPart::fadeIn) << text.txt.front();
        EXPECT_EQ(text.txt.front().find("BEYOND"), std::string::npos);
    }
    ASSERT_TRUE(scene.Gui);
    EXPECT_TRUE(scene.Gui->getItem("skip"));
    EXPECT_TRUE(reports.lines.empty()) << ::testing::PrintToString(reports.lines);
}

INSTANTIATE_TEST_SUITE_P(Cases, ShippedStory,
                         ::testing::Values(ShippedScene{"story", 5, 6}, ShippedScene{"outro", 3, 3}));
} // namespace
