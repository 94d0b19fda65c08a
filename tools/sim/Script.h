#pragma once
// The headless driver's script: who plays, how quickly the buttons are
// pressed, and what the players do when (see docs/sim.md).

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace kz::sim {

struct Action {
    QString verb;        // hand, foot, space, muhenkan, lmb, rmb, menu, click, dblclick, close
    QStringList args;
    int repeat = 1;
};

struct Event {
    enum class When { Absolute, InPass };
    When when = When::Absolute;
    double at = 0;       // ms: absolute, or after the pass was entered
    int match = 0;       // InPass: match 1..10, seat 0..3, pass
    int seat = 0;
    bool returnPass = false;
    Action action;
    int order = 0;       // position in the script, for ties
};

struct Script {
    int players = 0;                  // 0: leave the selection as it is
    std::vector<std::pair<int, QString>> names;
    std::optional<double> areDelay = 500;   // nullopt: never pressed
    std::optional<double> preDelay = 500;
    std::optional<double> titleDelay = 0;   // the title is clicked (or a key pressed) this long after it shows
    bool titleByKey = false;
    QString appDir;                   // empty: a fresh temporary folder
    std::vector<int> autoplay;        // seats that play good routines by themselves
    int autoplayUntil = 10;           // ... in matches up to this one
    QStringList answers;
    std::vector<Event> events;
    double endAt = -1;                // stop the run at this virtual time (-1: when idle)
};

// Throws std::runtime_error with a line number on a malformed script.
Script ParseScript(const QString& text);

} // namespace kz::sim
