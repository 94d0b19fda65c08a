#include "shell/EntryPoints.h"

#include "game/World.h"
#include "platform/Platform.h"

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
    sys().note("quit");
    sys().requestQuit();
    QCoreApplication::quit();
}

} // namespace kz
