#include "shell/Sound.h"

#include "game/GameState.h"
#include "game/World.h"
#include "platform/Platform.h"

namespace kz {

QString SoundFileName(int n)
{
    if (n >= 0 && n <= 9)
        return sys().appDir + "/KEZ_V" + QString::number(n) + ".wav";
    if (n >= 10 && n <= 20)
        return sys().appDir + "/KEZ_W" + QString::number(n - 10) + ".wav";
    return {};
}

QString MusicFileName(int n)
{
    return sys().appDir + "/KEZ_M" + QString::number(n) + ".mid";
}

void PlaySound(int n)
{
    sys().note(QString("sound %1").arg(n));
    if (sys().audio)
        sys().audio->playEffect(SoundFileName(n));
}

void StopMusic()
{
    sys().note("music stop");
    if (auto* audio = sys().audio) {
        audio->stopMusic();
        audio->closeMusic();
    }
}

void PlayMusic(int n)
{
    StopMusic();
    sys().note(QString("music play %1").arg(n));
    if (auto* audio = sys().audio) {
        if (audio->openMusic(MusicFileName(n)))
            audio->playMusic();
    }
}

void PauseMusic()
{
    sys().note("music pause");
    if (auto* audio = sys().audio)
        audio->pauseMusic();
}

void QueryMusicMode()
{
    auto* audio = sys().audio;
    state().MUSIC_MODE = audio ? audio->musicMode().toUpper() : QString();
}

void SendDeviceCommand(const QString& command)
{
    sys().note("device " + command);
}

} // namespace kz
