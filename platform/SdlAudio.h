#pragma once
// The game's audio device on SDL2_mixer: the WAV effects on one mixer
// channel, the MIDI pieces on the music stream through FluidSynth.

#include "platform/Platform.h"

#include <QHash>
#include <QString>

struct Mix_Chunk;
struct _Mix_Music;

namespace kz {

class SdlAudio final : public AudioDevice {
public:
    // Opens the audio device. When there is none (or another SdlAudio holds
    // the mixer) the object stays silent: every call does nothing.
    SdlAudio();
    ~SdlAudio() override;
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    bool isOpen() const { return open_; }

    void playEffect(const QString& path) override;
    bool openMusic(const QString& path) override;
    void playMusic() override;
    void pauseMusic() override;
    void stopMusic() override;
    void closeMusic() override;
    QString musicMode() override;

private:
    Mix_Chunk* effect(const QString& path);

    bool open_ = false;
    bool midiReady_ = false;
    // The same dozen effects are played over and over; each is read once.
    QHash<QString, Mix_Chunk*> effects_;
    _Mix_Music* music_ = nullptr;
    bool paused_ = false;
};

} // namespace kz
