// LevelViewer.hpp: deals a level file onto the table and shows it, to look at and to screenshot
// (eldmere --level PATH). Cards light up under the mouse; Escape leaves.
#pragma once

#include "levels/LevelHost.hpp"
#include "levels/TLevel.hpp"
#include "media/Picture.hpp"
#include "shell/TEkran.hpp"

#include <memory>
#include <string>

namespace screens
{
class LevelViewer : public TEkran, public LevelHost
{
public:
    LevelViewer();
    ~LevelViewer() override;

    void setup() override;
    // Deals the level file afresh.
    void prepare(const std::string& levelPath);
    void update() override;
    void draw() override;
    std::string mainLoop(const std::string& levelPath);

    // What the level asks of the screen it lies on.
    void pickSword(TCard& card) override;
    media::Size deckHolderSize() const override { return {450, 170}; }
    bool runesOfEldmere() const override { return false; }

    TLevel* level() const { return level_.get(); }

private:
    void drawTable();
    void drawDeckAndSpot();

    std::unique_ptr<TLevel> level_;
    std::string path_;
    media::Picture glow_;
};
} // namespace screens
