// The GUI description files the game ships: every one loads without a word of complaint, and
// the game screen's has the widgets its code asks for, placed clear of the table's furniture.
#include "gui/TButton.hpp"
#include "gui/TGui.hpp"

#include "data/Language.hpp"
#include "media/Report.hpp"
#include "support/RunFolder.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <filesystem>

namespace
{
using testing_support::filesUnder;
using testing_support::InFolder;
using testing_support::runDir;
using testing_support::TestProgram;

std::vector<std::string> shippedGuiFiles()
{
    return filesUnder("gfx", {".gui"});
}

class ShippedGui : public ::testing::Test
{
protected:
    void SetUp() override
    {
        media::setReportSink([this](std::string_view line) { reports.emplace_back(line); });
        program = std::make_unique<TestProgram>();
        here = std::make_unique<InFolder>(runDir);
        language = "en";
    }
    void TearDown() override
    {
        here.reset();
        program.reset();
        media::setReportSink({});
    }

    std::vector<std::string> reports;
    std::unique_ptr<TestProgram> program;
    std::unique_ptr<InFolder> here;
};

TEST_F(ShippedGui, EveryFileLoadsCleanlyAndBuildsWidgets)
{
    const std::vector<std::string> files = shippedGuiFiles();
    ASSERT_FALSE(files.empty());
    for (const std::string& file : files) {
        auto gui = loadGui(file);
        EXPECT_FALSE(gui->_listaObiektow.empty()) << file;
        for (const auto& w : gui->_listaObiektow) {
            auto b = std::dynamic_pointer_cast<TButton>(w);
            const bool caption = b
                                 && (b->_typ == TButton::textButton || b->_typ == TButton::waveButton
                                     || b->_typ >= TButton::captionButton);
            if (caption) {
                EXPECT_EQ(b->_txt.find("BEYOND TEXT ARRAY"), std::string::npos) << file << ": " << b->_id;
                EXPECT_NE(b->_txt.find_first_not_of(" \r"), std::string::npos)
                    << file << ": " << b->_id << " has no caption";
            }
        }
    }
    EXPECT_TRUE(reports.empty()) << ::testing::PrintToString(reports);
}

TEST_F(ShippedGui, TheGameScreenHasItsButtonsClearOfTheTable)
{
    auto gui = loadGui("gfx/gui/mainGame/mainGame.gui");
    auto menu = gui->getItemAs<TButton>("menu");
    auto undo = gui->getItemAs<TButton>("undo");
    auto back = gui->getItemAs<TButton>("undoBack");
    ASSERT_TRUE(menu && undo && back);
    // The undo caption is set by the game: a caption type, with an inactive look of its own.
    EXPECT_EQ(undo->_typ, TButton::twoLookButton);
    EXPECT_FALSE(undo->_addImg.empty());
    EXPECT_EQ(back->_a, 0); // the tab never takes a click from the button on it
    for (float slide : {0.0f, 105.0f}) {
        for (const auto& w : {menu, undo, back}) {
            const float x1 = w->dim.x1 + (w == menu ? 0 : slide);
            const float x2 = w->dim.x2 + (w == menu ? 0 : slide);
            EXPECT_LE(x2, 1024) << w->_id;
            EXPECT_GE(w->dim.y1, 130) << w->_id << " reaches into the score line";
            EXPECT_LE(w->dim.y2, 768) << w->_id;
            // The deck holder stands from x 230, y 592 to the bottom.
            const bool onHolder = x2 > 230 && x1 < 690 && w->dim.y2 > 592;
            EXPECT_FALSE(onHolder) << w->_id << " at slide " << slide;
        }
    }
    // The button rests on its tab.
    EXPECT_GE(undo->dim.x1, 0);
    EXPECT_LE(undo->dim.x2, back->dim.x2);
    EXPECT_GE(undo->dim.y1, back->dim.y1);
    EXPECT_LE(undo->dim.y2, back->dim.y2);
}
} // namespace
