#include "game/GameState.h"
#include "game/World.h"
#include "platform/QtPlatform.h"
#include "shell/Am.h"
#include "shell/Startup.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    kz::SteadyClock clock;
    kz::QtEventPump pump;
    kz::QtDialogs dialogs;
    kz::SilentAudio audio;
    kz::Trace trace;
    kz::FileStore files;
    kz::QtTicker ticker;
    kz::Platform platform;
    platform.clock = &clock;
    platform.pump = &pump;
    platform.dialogs = &dialogs;
    platform.audio = &audio;
    platform.trace = &trace;
    platform.files = &files;
    platform.ticker = &ticker;
    platform.appDir = QCoreApplication::applicationDirPath();

    kz::GameState state;
    kz::installWorld(&state, nullptr, &platform);
    kz::Am window;
    dialogs.setParent(&window);
    kz::installWorld(&state, &window, &platform);
    kz::StartUp();
    const int rc = app.exec();
    kz::installWorld(nullptr, nullptr, nullptr);
    return rc;
}
