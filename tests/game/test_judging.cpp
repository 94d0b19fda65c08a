#include "game/Judging.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

using namespace kz;

namespace {

// Draws for one judge when the evaluation is below 10: spread up (of 5),
// spread down (of 6), the judge-6 draw (of 3), the judge-10 draw (of 10) and
// the suspense (of 200). Each value is chosen to land on the wanted whole number.
std::vector<double> judgeDraws(int up, int down, int six = 0, int ten = 0, int suspense = 0)
{
    return {(up + 0.5) / 5, (down + 0.5) / 6, (six + 0.5) / 3, (ten + 0.5) / 10, (suspense + 0.5) / 200};
}

std::vector<double> repeat(const std::vector<double>& one, int n)
{
    std::vector<double> out;
    for (int i = 0; i < n; ++i)
        out.insert(out.end(), one.begin(), one.end());
    return out;
}

struct Judging : ::testing::Test {
    test::TestWorld w;
    void points(int small, int big, int fault, std::initializer_list<int> used)
    {
        w.s.SMALL_TECH = static_cast<std::int16_t>(small);
        w.s.BIG_TECH = static_cast<std::int16_t>(big);
        w.s.FAULT_SCORE = static_cast<std::int16_t>(fault);
        w.s.MOVE_USED.fill(0);
        int k = 0;
        for (int u : used)
            w.s.MOVE_USED[k++] = u;
        w.s.STOP_FLAG = 0;
        w.s.CUR_SEAT = 1;
    }
    QStringList marks() const
    {
        QStringList out;
        for (const QString& l : w.lines("score "))
            out << l.section(' ', 3);
        return out;
    }
};

} // namespace

TEST_F(Judging, ClampsAndTheMessagesBuiltFromThePoints)
{
    points(12, 11, -3, {1, 1, 1, 1, 1, 1, 4}); // six kinds and four swans: 魅力 10
    w.platform.random.supply(repeat(judgeDraws(0, 0), 10));
    ASSERT_TRUE(JudgeRoutine());
    EXPECT_EQ(w.s.SMALL_TECH, 10);
    EXPECT_EQ(w.s.BIG_TECH, 10);
    EXPECT_EQ(w.s.FAULT_SCORE, 0);
    EXPECT_EQ(w.s.CHARM, 10);
    EXPECT_DOUBLE_EQ(w.s.EVALUATION, 7.5);
    EXPECT_EQ(w.lines("message 1 "), QStringList({"message 1 評価", "message 1 小技 10/大技 10/魅力 10",
                                                  "message 1 減点 - 10", "message 1 審査員評価"}));
    QStringList expected(10, "7.5");
    expected << "75.0" << "75.0";
    EXPECT_EQ(marks(), expected);
    EXPECT_DOUBLE_EQ(w.s.PL_SCORE[1], 75.0);
    EXPECT_DOUBLE_EQ(w.s.PL_TOTAL[1], 75.0);
}

TEST_F(Judging, NoDeductionsAndSpreadOfTheMarks)
{
    points(3, 5, 10, {1, 0, 1}); // 魅力 5: (3 + 5 + 10 + 5) / 4 = 5.75
    w.s.PL_TOTAL[1] = 100;
    std::vector<double> draws;
    const int spread[10][2] = {{0, 0}, {4, 0}, {0, 5}, {2, 1}, {0, 0}, {0, 0}, {1, 3}, {0, 0}, {0, 0}, {3, 3}};
    for (const auto& sp : spread) {
        const auto d = judgeDraws(sp[0], sp[1]);
        draws.insert(draws.end(), d.begin(), d.end());
    }
    w.platform.random.supply(draws);
    ASSERT_TRUE(JudgeRoutine());
    EXPECT_TRUE(w.lines("message 1 ").contains("message 1 減点　なし"));
    EXPECT_TRUE(w.lines("message 1 ").contains("message 1 小技 3/大技 5/魅力 5"));
    const QStringList m = marks();
    ASSERT_EQ(m.size(), 12);
    EXPECT_EQ(m.mid(0, 10), QStringList({"5.7", "6.1", "5.2", "5.8", "5.7", "5.7", "5.5", "5.7", "5.7", "5.7"}));
    EXPECT_NEAR(w.s.JUDGE_SUM, 57.3, 1e-5);
    EXPECT_EQ(m[10], "57.3");
    EXPECT_EQ(m[11], "157.3");
}

TEST_F(Judging, PerfectRoutine)
{
    points(10, 10, 10, {1, 1, 1, 1, 1, 1, 4});
    std::vector<double> draws;
    for (int j = 1; j <= 10; ++j) {
        // spread, spread, the 9.8 draw (2 for judges 3 and 5), then 9.9 for judge 3
        std::vector<double> d = {0.1, 0.1, j == 3 || j == 5 ? 0.25 : 0.0};
        if (j == 3 || j == 5)
            d.push_back(0.5); // draw 3 = 1: 9.9
        d.insert(d.end(), {0.0, 0.0, 0.0});
        draws.insert(draws.end(), d.begin(), d.end());
    }
    w.platform.random.supply(draws);
    ASSERT_TRUE(JudgeRoutine());
    const QStringList m = marks();
    EXPECT_EQ(m.mid(0, 10), QStringList({"10", "10", "9.9", "10", "10", "10", "10", "10", "10", "10"}));
    // Judge 1 above 8.5 and the sum above 85 both ring the chime.
    EXPECT_EQ(w.lines("sound 9").size(), 2);
    EXPECT_EQ(m[10], "99.9");
}

TEST_F(Judging, SpecialMarksNearTheTop)
{
    // 9.75: judge 5 always gives 10.
    points(10, 10, 10, {1, 1, 1, 1, 1, 1}); // 魅力 9
    w.platform.random.supply(repeat(judgeDraws(0, 4), 10));
    ASSERT_TRUE(JudgeRoutine());
    EXPECT_DOUBLE_EQ(w.s.EVALUATION, 9.75);
    EXPECT_EQ(marks()[4], "10");
    EXPECT_EQ(marks()[3], "9.3");
}

TEST_F(Judging, SpecialMarksBetweenEightAndAHalfAndNine)
{
    points(10, 10, 8, {1, 1, 1}); // 魅力 7: 8.75
    std::vector<double> draws = repeat(judgeDraws(0, 0, 2, 1), 10);
    w.platform.random.supply(draws);
    ASSERT_TRUE(JudgeRoutine());
    const QStringList m = marks();
    EXPECT_EQ(m[4], "8.7"); // judge 5 only for 9.5 and above
    EXPECT_EQ(m[5], "9.8");
    EXPECT_EQ(m[9], "9.7");
    EXPECT_EQ(m[6], "8.7");
}

TEST_F(Judging, SuspenseGrowsWithTheMark)
{
    points(0, 5, 0, {}); // 1.25: below 5, ten milliseconds each
    w.platform.random.supply(repeat(judgeDraws(0, 0, 0, 0, 150), 10));
    const double before = w.clock.now();
    ASSERT_TRUE(JudgeRoutine());
    // 600 + 600 + 100 + 600 + 300 before the judges, 10 x 10, then 500 + 400.
    EXPECT_DOUBLE_EQ(w.clock.now() - before, 2200 + 100 + 900 + 34 * 1 * 0 + 67 * 5 * 4);
}

TEST_F(Judging, StopIsTestedAfterTheCharm)
{
    points(3, 5, 10, {1});
    w.s.STOP_FLAG = 1;
    EXPECT_FALSE(JudgeRoutine());
    EXPECT_EQ(w.s.CHARM, 2);
    EXPECT_TRUE(w.lines("message").isEmpty());
    EXPECT_EQ(w.platform.random.drawsTaken(), 0u);
}
