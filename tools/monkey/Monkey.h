#pragma once
// Random players for the headless driver, and the checks of the game state
// made after every match and at the end of a run.

#include "sim/Simulation.h"

#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

namespace kz::monkey {

// A script of random presses, clicks, drags, menu choices and dialog answers
// at random virtual times; the same seed always gives the same script.
QString RandomScript(std::uint32_t seed);

// Watches a run's transcript as it is written and checks the live game state
// at the points where the game is between steps: every `record` line (drawn
// before and after each match) and the first line of the final dump.
class InvariantChecker {
public:
    void onLine(const QString& line);
    const QStringList& faults() const { return faults_; }
    int checks() const { return checks_; }
    int rankings() const { return rankings_; }

private:
    void check(const QString& where);
    void fault(const QString& where, const QString& what);

    QStringList faults_;
    int checks_ = 0;
    int rankings_ = 0;
    bool inTournament_ = false;
    bool ranked_ = false;          // a ranking was shown in this tournament
    bool haveTotals_ = false;
    std::array<int, 4> seatState_{};
    std::array<double, 100> totals_{};
    bool ended_ = false;
    bool quit_ = false;            // the program was ended, maybe in the middle of a step
};

struct Report {
    sim::Outcome outcome;
    QStringList faults;
    int checks = 0;
    int rankings = 0;
};

// Plays the script with the checker watching.
Report RunChecked(const QString& scriptText);

} // namespace kz::monkey
