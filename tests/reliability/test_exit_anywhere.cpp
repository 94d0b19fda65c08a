// The close box or 終了 at a random moment of a routine, a judging, a ranking
// or an ending show: the program ends, the game state is sound, and the
// records file holds the record as it was at that moment.
#include "Monkey.h"

#include "shell/Settings.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <random>

namespace {

const QString kTournament = "players 4\nautoplay all\nstart\n";

// The moments of a whole tournament, sorted by what was under way.
std::map<QString, std::vector<int>> momentsByPhase()
{
    const auto ref = kz::sim::RunSimulation(kz::sim::ParseScript(kTournament));
    std::map<QString, std::vector<int>> out;
    QString phase = "setup";
    for (const QString& l : ref.transcript) {
        if (l.startsWith("state "))
            break;
        const QString what = l.section(' ', 1);
        if (what == "move 挨拶")
            phase = "routine";
        else if (what == "message 1 評価")
            phase = "judging";
        else if (what.startsWith("list "))
            phase = "ranking";
        else if (what.startsWith("ending "))
            phase = "ending";
        else if (what.startsWith("message 0 "))
            phase = "between";
        out[phase].push_back(l.section(' ', 0, 0).toInt());
    }
    return out;
}

QString stateOf(const QStringList& transcript, const QString& field)
{
    for (const QString& l : transcript)
        if (l.startsWith("state " + field + " "))
            return l.mid(7 + field.size());
    return {};
}

} // namespace

TEST(ExitAnywhere, CloseOrQuitEndsCleanlyInEveryPhase)
{
    const auto moments = momentsByPhase();
    std::mt19937 rng(7);
    for (const char* phase : {"routine", "judging", "ranking", "ending"}) {
        const auto& times = moments.at(phase);
        ASSERT_FALSE(times.empty()) << phase;
        for (const char* action : {"close", "menu quit"}) {
            for (int k = 0; k < 2; ++k) {
                const int at = times[rng() % times.size()] + static_cast<int>(rng() % 40);
                QTemporaryDir app;
                const QString script = QString("appdir %1\n%2at %3 %4\n").arg(app.path(), kTournament).arg(at).arg(action);
                const auto r = kz::monkey::RunChecked(script);
                const std::string where = std::string(phase) + " " + action + " at " + std::to_string(at);
                EXPECT_TRUE(r.outcome.quit) << where;
                EXPECT_FALSE(r.outcome.stalled) << where;
                EXPECT_TRUE(r.faults.isEmpty()) << where << ": " << r.faults.join("; ").toStdString();
                EXPECT_FALSE(r.outcome.transcript.filter(QRegularExpression("^\\d+ quit$")).isEmpty()) << where;
                // Nothing is played after the end was asked for.
                const qsizetype quitAt = r.outcome.transcript.indexOf(QRegularExpression("^\\d+ quit$"));
                EXPECT_TRUE(r.outcome.transcript.mid(quitAt + 1).filter(QRegularExpression("^\\d+ (draw|sound|move) ")).isEmpty())
                    << where;
                QFile f(app.filePath("Kez.ini"));
                ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << where;
                const auto saved = kz::ParseSettings(f.readAll());
                EXPECT_TRUE(saved.complete) << where;
                EXPECT_EQ(kz::FormatRecord(saved.record.value_or(-1)),
                          kz::FormatRecord(stateOf(r.outcome.transcript, "RECORD").toDouble()))
                    << where;
            }
        }
    }
}
