#include "game/GameState.h"
#include "game/World.h"
#include "platform/QtPlatform.h"
#include "platform/SdlAudio.h"
#include "platform/SingleInstance.h"
#include "shell/Am.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    // A second copy ends at once, silently, before it shows or plays anything.
    kz::SingleInstance instance;
    if (!instance.acquired())
        return 0;

    kz::SteadyClock clock;
    kz::QtEventPump pump;
    kz::QtDialogs dialogs;
    kz::SdlAudio audio;
    kz::Trace trace;
    kz::FileStore files;
    kz::QtTicker ticker;
    kz::Platform platform;
    platform.use(clock, pump, dialogs, audio, trace, files, ticker);
    platform.appDir = QCoreApplication::applicationDirPath();

    kz::GameState state;
    kz::installWorld(&state, nullptr, &platform);
    int rc = 0;
    {
        kz::Am window;
        dialogs.setParent(&window);
        kz::installWorld(&state, &window, &platform);
        kz::StartUp();
        rc = app.exec();
        dialogs.setParent(nullptr);
    }
    kz::installWorld(nullptr, nullptr, nullptr);
    return rc;
}
