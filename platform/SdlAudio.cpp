#include "platform/SdlAudio.h"

#include <QFile>
#include <QFileInfo>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstring>
#include <utility>

namespace kz {

namespace {

constexpr const char* kSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
constexpr int kRate = 44100;
// About 23 ms at 44.1 kHz: short enough that an effect starts with its move.
constexpr int kChunkFrames = 1024;

// The mixer is one per process; a second device must not close it under the first.
bool mixerTaken = false;

// Opens the file only when it starts with the given tags, so that a stray
// file of another kind never reaches a decoder that guesses (the tracker
// decoders take almost any bytes for a module).
SDL_RWops* openTagged(const QString& path, const char* tag, const char* tagAt8)
{
    SDL_RWops* rw = SDL_RWFromFile(QFile::encodeName(path).constData(), "rb");
    if (!rw)
        return nullptr;
    unsigned char head[12] = {};
    const size_t got = SDL_RWread(rw, head, 1, sizeof head);
    bool ok = got >= 4 && std::memcmp(head, tag, 4) == 0;
    if (ok && tagAt8)
        ok = got == 12 && std::memcmp(head + 8, tagAt8, 4) == 0;
    if (!ok || SDL_RWseek(rw, 0, RW_SEEK_SET) != 0) {
        SDL_RWclose(rw);
        return nullptr;
    }
    return rw;
}

} // namespace

SdlAudio::SdlAudio()
{
    // SDL would otherwise take over Ctrl+C and turn it into an event nobody reads.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (mixerTaken)
        return;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
        return;
    if (Mix_OpenAudio(kRate, MIX_DEFAULT_FORMAT, 2, kChunkFrames) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    if (Mix_AllocateChannels(1) != 1) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return;
    }
    open_ = true;
    mixerTaken = true;
    // Without the font FluidSynth would render silence, so music stays off.
    midiReady_ = QFileInfo(QString::fromLatin1(kSoundFont)).isFile()
        && Mix_SetSoundFonts(kSoundFont) != 0;
}

SdlAudio::~SdlAudio()
{
    if (!open_)
        return;
    Mix_HaltChannel(-1);
    closeMusic();
    for (Mix_Chunk* chunk : std::as_const(effects_))
        Mix_FreeChunk(chunk);
    effects_.clear();
    Mix_CloseAudio();
    Mix_Quit();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    mixerTaken = false;
}

Mix_Chunk* SdlAudio::effect(const QString& path)
{
    if (Mix_Chunk* cached = effects_.value(path))
        return cached;
    // Failures are not remembered: a missing file costs one failed open.
    SDL_RWops* rw = openTagged(path, "RIFF", "WAVE");
    if (!rw)
        return nullptr;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(rw, 1);
    if (chunk)
        effects_.insert(path, chunk);
    return chunk;
}

void SdlAudio::playEffect(const QString& path)
{
    if (!open_)
        return;
    Mix_HaltChannel(0);
    if (path.isEmpty())
        return;
    if (Mix_Chunk* chunk = effect(path))
        Mix_PlayChannel(0, chunk, 0);
}

bool SdlAudio::openMusic(const QString& path)
{
    closeMusic();
    if (!open_ || !midiReady_)
        return false;
    SDL_RWops* rw = openTagged(path, "MThd", nullptr);
    if (!rw)
        return false;
    // Frees rw whether or not it loads.
    music_ = Mix_LoadMUSType_RW(rw, MUS_MID, 1);
    return music_ != nullptr;
}

void SdlAudio::playMusic()
{
    if (!music_)
        return;
    paused_ = false;
    // Once through, then silence: only the title restarts its music.
    Mix_PlayMusic(music_, 0);
}

void SdlAudio::pauseMusic()
{
    if (!music_ || paused_ || !Mix_PlayingMusic())
        return;
    Mix_PauseMusic();
    paused_ = true;
}

void SdlAudio::stopMusic()
{
    if (!music_)
        return;
    Mix_HaltMusic();
    if (paused_) {
        // The pause flag is the mixer's, not the piece's; clear it for the next one.
        Mix_ResumeMusic();
        paused_ = false;
    }
}

void SdlAudio::closeMusic()
{
    if (!music_)
        return;
    stopMusic();
    Mix_FreeMusic(music_);
    music_ = nullptr;
}

QString SdlAudio::musicMode()
{
    if (!music_)
        return {};
    if (paused_ && Mix_PausedMusic())
        return QStringLiteral("paused");
    if (Mix_PlayingMusic())
        return QStringLiteral("playing");
    // Never started, stopped, or ended by itself.
    return QStringLiteral("stopped");
}

} // namespace kz
