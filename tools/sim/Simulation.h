#pragma once
// Plays a script against the real engine and the real main window, on the
// virtual clock, and returns the transcript.

#include "Script.h"

#include <QStringList>
#include <functional>

namespace kz::sim {

struct Outcome {
    QStringList transcript;  // every traced event, then the state dump
    bool stalled = false;    // a wait with nothing left in the script to end it
    bool quit = false;       // the program was asked to end
};

// Needs a QApplication (offscreen is enough). Each line also goes to sink
// as soon as it is written, when one is given.
Outcome RunSimulation(const Script& script, const std::function<void(const QString&)>& sink = {});

QStringList DumpState();

} // namespace kz::sim
