// TGlobalSnd.hpp: the game's sound effects and music pieces, read from data/globalSnd.dat.
#pragma once

#include "media/AudioDevice.hpp"

#include <array>
#include <string>
#include <vector>

// One sound effect; up to six copies of it may play at once.
struct TSoundData
{
    // A copy at rate n / 25 (n above 25 counts as 25, and n of 0 or less as 1), on a channel of
    // its own, at the options' sound volume.
    void playWithRate(int n) const;

    std::string id;                    // matched without regard to case
    std::string url;                   // the sound file
    media::Sound snd;                  // loaded at setup, not looping
    std::array<media::Channel, 6> chn; // the copies that may play at once
    std::string typ;                   // not read
};

// One music piece; its sound is loaded only when it is first needed.
struct TMusicData
{
    std::string id;   // matched without regard to case
    std::string url;  // the sound file
    media::Sound snd; // empty until loaded
    int loop = 0;     // 1: loaded as a looping sound
};

// The program-wide sound registry. Effects play by name at the options' sound volume; one
// music piece plays at a time, and a new piece fades in over about 33 frames while the old one
// fades out. The program owns the one instance; beginFrame runs its update(). It has no
// screen of its own.
class TGlobalSnd
{
public:
    // Reads the registry file: music entries without their sounds (a missing file shows "NO
    // FILE: " + path), every effect loaded at once. A missing registry leaves the game silent,
    // with one console line.
    void setup();
    // Loads music entry n (1-based, file order) with its loop flag; an entry number outside
    // the list does nothing.
    void _setupExctMusic(int n);

    // By name or by record: a copy on the first of the effect's six slots that is empty or has
    // finished; dropped when all six play, and nothing at all while the sound volume is 0.
    void playMySound(const std::string& name);
    void playMySound(TSoundData& effect);
    void click();
    // The pointer entering a widget.
    void over();

    // By name or by record: a piece that is unknown or not loaded is ignored; otherwise it
    // starts silent and fades in, and the piece playing (if any) fades out. The same piece
    // asked for again starts afresh the same way.
    void playMyMusic(const std::string& name);
    void playMyMusic(const TMusicData& piece);
    // The piece "level-" + n, loaded first if needed.
    void playLevelSound(int n);

    // Back from 0, the current piece starts again; at 0 both pieces stop. Otherwise both
    // playing pieces follow the new volume.
    void setMusicVol(float v);
    // The options' sound volume: effects take it as they start, and playing ones keep theirs.
    void setSoundVol(float v);
    // The current piece fades out with whatever fade-out level is left (none outside a change,
    // so it stops at the next frame).
    void hideMusic();
    void stopMusic();
    // Both music channels, while the window is inactive.
    void pauseSounds();
    void resumeSounds();

    // Moves the fades on by this frame's delta and frees the effects' finished slots.
    void update();

    // 1 when there is no current piece or it has stopped playing.
    int mustPlayNewMusic() const;
    TMusicData* getMusicData(const std::string& name);
    TSoundData* getSoundData(const std::string& name);

    // The registry file every run reads.
    static constexpr const char* registryPath = "data/globalSnd.dat";

    std::vector<TMusicData> musics;
    std::vector<TSoundData> sounds;
    media::Channel newMusicCHN;
    media::Channel oldMusicCHN;
    TMusicData oldMusicData;
    TMusicData newMusicData;
    float musicSpecVol = 0.5f;
    float newPer = 0;
    float oldPer = 0;
    float musicVol = 0;
    // The sound volume the options last set (0 until they do: nothing to hear).
    float soundVol = 0;

private:
    // volume x level x musicSpecVol, the loudness of a music channel.
    float musicLevel(float v, float per) const { return v * per * musicSpecVol; }
};
