#include "shell/EntryPoints.h"

#include "game/World.h"
#include "platform/Platform.h"
#include "shell/Settings.h"

#include <QCoreApplication>

namespace kz {

void guarded(const std::function<void()>& handler)
{
    try {
        handler();
    } catch (const QuitRequested&) {
        // The outer waits rethrow on their way out; the event loop then ends.
        QCoreApplication::quit();
    }
}

void QuitGame()
{
    if (sys().quitRequested)
        return;
    sys().note("quit");
    // A record set since the last save must not be lost on the way out.
    SaveSettings();
    sys().requestQuit();
    QCoreApplication::quit();
}

} // namespace kz
