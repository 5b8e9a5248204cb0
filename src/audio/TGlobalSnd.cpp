// TGlobalSnd.cpp
#include "audio/TGlobalSnd.hpp"

#include "base/Program.hpp"
#include "data/DataFiles.hpp"
#include "media/FileSystem.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"

#include <algorithm>

namespace
{
// The options' sound volume, as the registry was last told it; with no registry there is
// nothing to hear.
float soundVolume()
{
    if (!base::hasProgram() || !base::program().globalSnd)
        return 0;
    return base::program().globalSnd->soundVol;
}

// A problem with the content: a box for a player at the window, a console line for runs that
// nobody watches (a box would hold them forever).
void tell(const std::string& text)
{
    bool watched = media::installed() && !media::display().headless() && base::hasProgram()
                   && base::program().mayPause();
    if (watched)
        media::display().messageBox("Eldmere", text);
    else
        media::reportLine(text);
}
} // namespace

void TSoundData::playWithRate(int n) const
{
    float volume = soundVolume();
    if (volume <= 0 || !snd)
        return;
    // A rate of 0 would never end: nothing slower than 1/25.
    n = std::clamp(n, 1, 25);
    media::audio().play(snd, volume, static_cast<float>(n) / 25.0f);
}

void TGlobalSnd::setup()
{
    musics.clear();
    sounds.clear();
    if (media::fs::pathType(registryPath) != media::fs::PathType::File) {
        media::report(registryPath, "missing: the game plays without sounds or music");
        return;
    }
    TRCMFile file = loadDataFile(registryPath);
    int musicCount = std::clamp(file.getInt("globalSnd::musics"), 0, 10000);
    for (int n = 1; n <= musicCount; ++n) {
        std::string key = "globalSnd::music" + std::to_string(n);
        TMusicData piece;
        piece.id = file.getString(key + "::id");
        piece.loop = file.getInt(key + "::loop");
        piece.url = file.getString(key + "::url");
        if (media::fs::pathType(piece.url) == media::fs::PathType::Absent)
            tell("NO FILE: " + piece.url);
        musics.push_back(std::move(piece));
    }
    int soundCount = std::clamp(file.getInt("globalSnd::sounds"), 0, 10000);
    for (int n = 1; n <= soundCount; ++n) {
        std::string key = "globalSnd::snd" + std::to_string(n);
        TSoundData effect;
        effect.id = file.getString(key + "::id");
        effect.url = file.getString(key + "::url");
        effect.snd = media::audio().loadFile(effect.url, media::SoundOnce);
        sounds.push_back(std::move(effect));
    }
}

void TGlobalSnd::_setupExctMusic(int n)
{
    if (n < 1 || n > static_cast<int>(musics.size()))
        return;
    TMusicData& piece = musics[static_cast<std::size_t>(n - 1)];
    unsigned flags = media::SoundStreams | (piece.loop == 1 ? media::SoundLoops : media::SoundOnce);
    piece.snd = media::audio().loadFile(piece.url, flags);
    if (!piece.snd) {
        int type = static_cast<int>(media::fs::pathType(piece.url));
        tell("NIE UDALO SIE ZALADOWAC: " + piece.url + " FILETYPE : " + std::to_string(type));
    }
}

void TGlobalSnd::playMySound(const std::string& name)
{
    if (TSoundData* effect = getSoundData(name))
        playMySound(*effect);
}

void TGlobalSnd::playMySound(TSoundData& effect)
{
    float volume = soundVolume();
    if (volume <= 0 || !effect.snd)
        return;
    media::AudioDevice& audio = media::audio();
    for (media::Channel& slot : effect.chn) {
        if (!slot || !audio.playing(slot)) {
            slot = audio.play(effect.snd, volume);
            return;
        }
    }
    // All six copies still play: this one is dropped.
}

void TGlobalSnd::click()
{
    playMySound("click");
}

void TGlobalSnd::over()
{
    playMySound("over");
}

void TGlobalSnd::playMyMusic(const std::string& name)
{
    if (TMusicData* piece = getMusicData(name))
        playMyMusic(*piece);
}

void TGlobalSnd::playMyMusic(const TMusicData& piece)
{
    if (!piece.snd)
        return;
    media::AudioDevice& audio = media::audio();
    // `piece` may be newMusicData itself (a restart): copy it before the fields move on.
    TMusicData next = piece;
    if (!mustPlayNewMusic()) {
        // A piece still fading out from an earlier change would be left playing for ever
        // once its channel is forgotten: it stops now.
        if (oldMusicCHN != newMusicCHN)
            audio.stop(oldMusicCHN);
        oldMusicData = newMusicData;
        oldMusicCHN = newMusicCHN;
        audio.setVolume(oldMusicCHN, musicLevel(musicVol, oldPer));
        oldPer = 1;
    }
    newPer = 0;
    newMusicData = std::move(next);
    newMusicCHN = audio.cue(newMusicData.snd);
    audio.setVolume(newMusicCHN, musicLevel(musicVol, newPer));
    audio.resume(newMusicCHN);
}

void TGlobalSnd::playLevelSound(int n)
{
    std::string name = "level-" + std::to_string(n);
    for (std::size_t i = 0; i < musics.size(); ++i) {
        if (!media::text::equalsIgnoreCase(musics[i].id, name))
            continue;
        if (!musics[i].snd)
            _setupExctMusic(static_cast<int>(i) + 1);
        playMyMusic(musics[i]);
        return;
    }
}

void TGlobalSnd::setMusicVol(float v)
{
    media::AudioDevice& audio = media::audio();
    if (musicVol == 0 && v > 0) {
        musicVol = v;
        playMyMusic(newMusicData);
    } else {
        audio.setVolume(oldMusicCHN, musicLevel(v, oldPer));
        audio.setVolume(newMusicCHN, musicLevel(v, newPer));
    }
    if (v == 0) {
        audio.stop(oldMusicCHN);
        audio.stop(newMusicCHN);
        newMusicCHN = {};
    }
    musicVol = v;
}

void TGlobalSnd::setSoundVol(float v)
{
    soundVol = v;
}

void TGlobalSnd::hideMusic()
{
    media::AudioDevice& audio = media::audio();
    if (oldMusicCHN != newMusicCHN)
        audio.stop(oldMusicCHN);
    oldMusicCHN = newMusicCHN;
    newMusicCHN = {};
}

void TGlobalSnd::stopMusic()
{
    media::AudioDevice& audio = media::audio();
    audio.stop(oldMusicCHN);
    audio.stop(newMusicCHN);
}

void TGlobalSnd::pauseSounds()
{
    media::AudioDevice& audio = media::audio();
    audio.pause(oldMusicCHN);
    audio.pause(newMusicCHN);
}

void TGlobalSnd::resumeSounds()
{
    media::AudioDevice& audio = media::audio();
    audio.resume(oldMusicCHN);
    audio.resume(newMusicCHN);
}

void TGlobalSnd::update()
{
    media::AudioDevice& audio = media::audio();
    const float delta = base::program().delta;
    newPer = std::min(1.0f, newPer + 0.03f * delta);
    oldPer = std::max(0.0f, oldPer - 0.03f * delta);
    if (audio.playing(oldMusicCHN)) {
        if (oldPer > 0) {
            audio.setVolume(oldMusicCHN, musicLevel(musicVol, oldPer));
        } else {
            audio.stop(oldMusicCHN);
            oldMusicCHN = {};
        }
    }
    if (audio.playing(newMusicCHN))
        audio.setVolume(newMusicCHN, musicLevel(musicVol, newPer));
    for (TSoundData& effect : sounds) {
        for (media::Channel& slot : effect.chn) {
            if (slot && !audio.playing(slot))
                slot = {};
        }
    }
}

int TGlobalSnd::mustPlayNewMusic() const
{
    return !newMusicCHN || !media::audio().playing(newMusicCHN) ? 1 : 0;
}

TMusicData* TGlobalSnd::getMusicData(const std::string& name)
{
    for (TMusicData& piece : musics) {
        if (media::text::equalsIgnoreCase(piece.id, name))
            return &piece;
    }
    return nullptr;
}

TSoundData* TGlobalSnd::getSoundData(const std::string& name)
{
    for (TSoundData& effect : sounds) {
        if (media::text::equalsIgnoreCase(effect.id, name))
            return &effect;
    }
    return nullptr;
}
