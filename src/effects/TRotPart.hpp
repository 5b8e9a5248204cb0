// TRotPart.hpp: the motes that circle the drive bulb of the game screen's drive panel, two for
// every play of the running drive; each fades in, circles a while and fades out.
#pragma once

#include <vector>

class TRotPart
{
public:
    // The orbit's centre and its base radii.
    static constexpr float centreX = 843;
    static constexpr float centreY = 80;
    static constexpr float radiusX = 27;
    static constexpr float radiusY = 40;

    // A mote at a random place of a random orbit, fading in; it starts fading out after half a
    // second to a second and a half.
    static TRotPart addNew();
    // One frame: around the orbit, spinning, fading; false once it has faded out for good.
    bool update();
    // At `alpha` (the screen's opacity): a soft particle, and its light over it.
    void draw(float alpha) const;

    float x = 0, y = 0;
    float r = 0;         // orbit angle, degrees
    float rSpeed = 1.5f; // degrees a frame
    float rotSpeed = 0;  // the picture's spin, degrees a frame
    float w = 0, h = 0;  // orbit radii
    float a = 0, da = 1;
    float cr = 0; // the picture's spin angle
    long long t = 0;
    int n = 0; // particle picture 0 or 1
};

// The motes of the drive panel: as many as two for each play of the running drive.
class DriveMotes
{
public:
    void updateAll(int driveN);
    void drawAll(float alpha) const;
    void clear() { motes_.clear(); }
    std::size_t size() const { return motes_.size(); }

private:
    std::vector<TRotPart> motes_;
};
