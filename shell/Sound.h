#pragma once
#include <QString>

namespace kz {

QString SoundFileName(int n);   // empty outside 0..20
QString MusicFileName(int n);

void PlaySound(int n);
void PlayMusic(int n);
void PauseMusic();
void StopMusic();
void QueryMusicMode();
void SendDeviceCommand(const QString& command);

} // namespace kz
