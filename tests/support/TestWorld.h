#pragma once
// A fresh game for one test: its own state, main window and platform, on
// virtual time, with a trace in memory, scripted dialogs and a recording
// audio device.

#include "game/GameState.h"
#include "game/Tournament.h"
#include "game/World.h"
#include "platform/Virtual.h"
#include "shell/Am.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QStringList>
#include <functional>
#include <memory>

namespace kz::test {

class TestPump final : public EventPump {
public:
    // Called at every yield and wait, before Qt's events: the place where a
    // test presses buttons or changes counters "while the window handles events".
    std::function<void()> onYield;
    // Called when the game blocks waiting for a button. Default: press it.
    std::function<void()> onWait;
    int yields = 0;
    VirtualTicker* ticker = nullptr;

    void yield() override
    {
        ++yields;
        if (onYield)
            onYield();
        if (ticker)
            ticker->fireDue();
        QCoreApplication::processEvents();
    }
    void waitForEvents() override
    {
        if (onWait)
            onWait();
        yield();
    }
};

struct TestWorld {
    VirtualClock clock;
    TestPump pump;
    ScriptedDialogs dialogs;
    RecordingAudio audio;
    MemoryTrace trace;
    FileStore files;
    VirtualTicker ticker{clock};
    Platform platform;
    GameState s;
    std::unique_ptr<Am> window;

    TestWorld()
    {
        platform.use(clock, pump, dialogs, audio, trace, files, ticker);
        pump.ticker = &ticker;
        platform.appDir = "/app";
        dialogs.platform = &platform;
        Surface::setPresentImmediately(false);
        installWorld(&s, nullptr, &platform);
        ResetTournamentGuards();
        window = std::make_unique<Am>();
        installWorld(&s, window.get(), &platform);
        trace.lines.clear();
        // Waits end with a press of whichever button is shown.
        pump.onWait = [this] {
            if (window->Are->isVisible())
                window->Are->click();
            else if (window->Pre->isVisible())
                window->Pre->click();
        };
    }
    ~TestWorld()
    {
        window.reset();
        installWorld(nullptr, nullptr, nullptr);
    }

    Am& am() { return *window; }

    // Trace lines (without their times) that start with prefix.
    QStringList lines(const QString& prefix = {}) const
    {
        QStringList out;
        for (const QString& l : trace.lines) {
            const QString what = l.section(' ', 1);
            if (what.startsWith(prefix))
                out << what;
        }
        return out;
    }
};

} // namespace kz::test
