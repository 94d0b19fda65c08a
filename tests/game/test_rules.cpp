#include "game/Judging.h"
#include "game/PerformanceTurn.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

using namespace kz;

TEST(OutOfBounds, ForwardPassTable)
{
    const std::pair<int, int> cases[] = {
        {600, 0}, {635, 0}, {636, 1}, {640, 1}, {641, 2}, {650, 2}, {651, 3}, {660, 3},
        {661, 5}, {700, 5}, {701, 8}, {2000, 8}, {2001, 0},
    };
    for (const auto& [x, points] : cases)
        EXPECT_EQ(ForwardOutOfBounds(x), points) << x;
}

TEST(OutOfBounds, ReturnPassTable)
{
    const std::pair<int, int> cases[] = {
        {-901, 0}, {-900, 5}, {-100, 5}, {-99, 4}, {-60, 4}, {-59, 2}, {-30, 2},
        {-29, 1}, {-20, 1}, {-19, 0}, {9, 0},
    };
    for (const auto& [x, points] : cases)
        EXPECT_EQ(ReturnOutOfBounds(x), points) << x;
}

TEST(Charm, ByKindsPerformed)
{
    const int expected[] = {0, 2, 5, 7, 8, 8, 9, 10, 10, 10, 10, 0, 0, 0};
    for (int m = 0; m < 14; ++m)
        EXPECT_EQ(CharmFor(m), expected[m]) << m;
}

TEST(OpponentNames, TableIsFilledOnce)
{
    test::TestWorld w;
    LoadOpponentNames();
    QSet<QString> seen;
    for (int i = 0; i < 100; ++i) {
        const QString n = w.s.ATH_NAME[i];
        EXPECT_GE(n.size(), 2) << i;
        EXPECT_LE(n.size(), 6) << i;
        seen.insert(n);
    }
    EXPECT_EQ(seen.size(), 100);
}

// Opponent scoring consumes its draws in a fixed order; a supplied sequence
// shows which draws are always taken and which only when their test passes.
TEST(OpponentScoring, DrawsStepByStep)
{
    test::TestWorld w;
    w.s.BASE_LEVEL = 62;
    for (int i = 0; i < 96; ++i)
        w.s.ATH_STATE[i] = 0;

    struct Case {
        int slot;
        std::vector<double> draws;
        double score;
        const char* why;
    };
    const Case cases[] = {
        // base 0.5 -> 63; every test fails (draw 3 = 0, 5 = 0, 10 = 0, 4 = 0, then 3 and 5 always taken).
        {1, {0.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0}, 63.0, "plain"},
        // draw 3 = 2 takes an amount: 63 - 5 * 0.2
        {1, {0.5, 0.7, 0.2, 0.0, 0.0, 0.0, 0.0, 0.0}, 62.0, "first subtraction"},
        // draw 5 = 2 (0.5) adds 5 * 0.4, draw 10 = 2 (0.25) adds 5 * 0.2, draw 4 = 2 (0.5) subtracts 5 * 0.1
        {1, {0.5, 0.0, 0.5, 0.4, 0.25, 0.2, 0.5, 0.1, 0.0, 0.0}, 65.5, "additions"},
        // slot 8: multiple of 8, step 7 replaces the score when its draw is not 2
        {8, {0.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.4, 0.0}, 82.0, "star by 8"},
        // slot 8 with the step-7 draw = 2: no replacement, and no amount drawn
        {8, {0.5, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0}, 63.0, "no star"},
        // slot 9: multiple of 9 adds 4r at the end
        {9, {0.5, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.5}, 65.0, "multiple of 9"},
    };
    for (const Case& c : cases) {
        w.s.ATH_STATE.fill(0);
        w.s.ATH_STATE[c.slot] = 1;
        w.platform.random.reset();
        w.platform.random.supply(c.draws);
        ScoreOpponents();
        EXPECT_NEAR(w.s.ATH_SCORE[c.slot], c.score, 1e-9) << c.why;
        EXPECT_EQ(w.s.ATH_MARK[c.slot], -1);
        EXPECT_EQ(w.platform.random.drawsTaken(), c.draws.size()) << c.why;
    }
}

TEST(OpponentScoring, SlotZeroIsAStarBeforeTheFinalOnly)
{
    test::TestWorld w;
    w.s.ATH_STATE.fill(0);
    w.s.ATH_STATE[0] = 1;
    w.s.ATH_SCORE[5] = 71.5; // eliminated: neither rescored nor marked
    w.s.ATH_MARK[5] = 3;
    // Slot 0 is a multiple of 7, 8, 9 and 10: a star unless both star draws are 2.
    w.s.BASE_LEVEL = 62;
    w.platform.random.supply({0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.9, 0.5, 0.0});
    ScoreOpponents();
    EXPECT_EQ(w.s.ATH_SCORE[0], 62.0);
    w.platform.random.supply({0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.9, 0.0, 0.2, 0.0});
    ScoreOpponents();
    EXPECT_EQ(w.s.ATH_SCORE[0], 81.0);
    // From the final on nobody is made a star.
    w.s.BASE_LEVEL = 80;
    w.platform.random.supply({0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0, 0.0});
    ScoreOpponents();
    EXPECT_EQ(w.s.ATH_SCORE[0], 80.0); // 80 + 2*0, +5*0 for the tenth, +4*0 for the ninth
    EXPECT_EQ(w.s.ATH_SCORE[5], 71.5);
    EXPECT_EQ(w.s.ATH_MARK[5], 3);
}
