// Random players through the headless driver, with the game state checked
// after every match and at the end. tools/monkey runs ten thousand; this
// runs the first few hundred seeds (KEZORA_MONKEY_SCRIPTS sets how many).
#include "Monkey.h"

#include "game/GameState.h"
#include "game/World.h"

#include <cstdlib>
#include <gtest/gtest.h>

TEST(Monkey, RandomScriptsKeepTheGameStateSound)
{
    const int count = std::getenv("KEZORA_MONKEY_SCRIPTS") ? std::atoi(std::getenv("KEZORA_MONKEY_SCRIPTS")) : 300;
    int rankings = 0;
    for (std::uint32_t seed = 1; seed <= static_cast<std::uint32_t>(count); ++seed) {
        const QString script = kz::monkey::RandomScript(seed);
        const auto r = kz::monkey::RunChecked(script);
        rankings += r.rankings;
        ASSERT_TRUE(r.faults.isEmpty()) << "seed " << seed << "\n"
                                        << r.faults.mid(0, 5).join('\n').toStdString() << "\n"
                                        << script.toStdString();
    }
    // The runs got as far as the rankings, where most of the checks bite.
    EXPECT_GT(rankings, count / 4);
}

TEST(Monkey, TheSameSeedGivesTheSameScript)
{
    EXPECT_EQ(kz::monkey::RandomScript(42), kz::monkey::RandomScript(42));
    EXPECT_NE(kz::monkey::RandomScript(42), kz::monkey::RandomScript(43));
}

// The checker catches what it is there to catch.
TEST(Monkey, TheCheckerSeesABrokenState)
{
    kz::monkey::InvariantChecker checker;
    const auto out = kz::sim::RunSimulation(kz::sim::ParseScript("players 2\nautoplay 0\nstart\n"),
                                            [&](const QString& l) {
                                                // Seat 1 went out in the first match; it is back after the second.
                                                if (l.contains(" record ") && kz::state().MATCH_NO == 2)
                                                    kz::state().PL_STATE[1] = 1;
                                                checker.onLine(l);
                                            });
    EXPECT_FALSE(checker.faults().filter("came back from -1 to 1").isEmpty()) << checker.faults().join('\n').toStdString();
}
