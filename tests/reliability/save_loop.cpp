// kezora-save-loop DIR: saves the settings into DIR/Kez.ini for ever, the
// two records of SaveFiles() in turn, through the game's own SaveSettings.
// Says "ready" once the first save is done, so the killer knows it is saving.
#include "SaveFiles.h"

#include "game/GameState.h"
#include "game/World.h"
#include "platform/Platform.h"
#include "shell/Settings.h"

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc < 2)
        return 2;
    kz::FileStore files;
    kz::Platform platform;
    platform.files = &files;
    platform.appDir = QString::fromLocal8Bit(argv[1]);
    kz::GameState s;
    kz::installWorld(&s, nullptr, &platform);
    for (long i = 0;; ++i) {
        kz::reliability::SetSaveValues(s, i % 2 == 1);
        kz::SaveSettings();
        if (i == 0) {
            std::puts("ready");
            std::fflush(stdout);
        }
    }
}
