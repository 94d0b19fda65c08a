// The motion player: every named motion's frames, sounds, event points,
// displacement, waits and credits, and names it does not know.

#include "performance/Motions.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <string>
#include <vector>

namespace {

using kz::PlayMove;

// A fresh game with the athlete standing mid-mat. Every yield leaves a
// "yield" line in the trace, so the order of draws, sounds and event points
// can be read back from one list.
class MotionTest : public ::testing::Test {
protected:
    kz::test::TestWorld w;

    void SetUp() override
    {
        w.s.STOP_FLAG = 0;
        w.s.POS_X = 300;
        w.s.POS_Y = 95;
        w.s.SPEED_X = 8;
        w.s.FRAME_WAIT = 10;
        w.s.SMALL_TECH = 0;
        w.s.BIG_TECH = 0;
        w.s.MOVE_USED.fill(0);
        w.pump.onYield = [this] {
            w.trace.lines << QString::number(static_cast<long long>(std::floor(w.clock.now()))) + " yield";
        };
    }

    // The trace as one string: a cell number per frame drawn, sN per sound,
    // y per event point.
    std::string tokens() const
    {
        QStringList out;
        for (const QString& l : w.lines()) {
            const QStringList f = l.split(' ');
            if (f[0] == "draw")
                out << f[1];
            else if (f[0] == "sound")
                out << "s" + f[1];
            else if (f[0] == "yield")
                out << "y";
        }
        return out.join(' ').toStdString();
    }

    // Times (ms) of the trace lines starting with prefix.
    std::vector<long long> timesOf(const QString& prefix) const
    {
        std::vector<long long> out;
        for (const QString& l : w.trace.lines)
            if (l.section(' ', 1).startsWith(prefix))
                out.push_back(l.section(' ', 0, 0).toLongLong());
        return out;
    }
};

// ---------------------------------------------------------------------------
// Frames, sounds and event points, in order.

struct SequenceCase {
    const char* name;
    const char* sequence;
};

class MotionSequence : public MotionTest, public ::testing::WithParamInterface<SequenceCase> {};

TEST_P(MotionSequence, DrawsItsFramesWithSoundsAndEventPointsInOrder)
{
    const SequenceCase& c = GetParam();
    PlayMove(QString::fromUtf8(c.name));
    EXPECT_EQ(tokens(), c.sequence);
    ASSERT_FALSE(w.lines("move ").isEmpty());
    EXPECT_EQ(w.lines("move ").front(), "move " + QString::fromUtf8(c.name));
}

const SequenceCase kSequences[] = {
    {"挨拶", "0 1 2 3 5 6"},
    {"終わり", "5"},
    {"走る", "54 55 56 57"},
    {"戻る", "57 56 55 54"},
    // The cartwheel lets presses in after its first, second and last frame.
    {"側転", "s0 18 y 19 y 20 21 22 23 24 25 y"},
    // The long cartwheel before its first frame and after its last.
    {"側転2", "s0 y 26 27 19 20 21 22 23 24 25 y"},
    {"ハンド", "s3 18 30 31 32 33 34 35 36 5"},
    {"バク転", "s2 45 9 45 46 47 39 49 50 42 43 44 45 6"},
    {"R_JUMP", "s3 9 10 10 10"},
    {"L_JUMP", "s3 9 10 10 10"},
    {"DOWN", "10 10 10"},
    {"前宙", "s2 11 12 13 14 15 16 17 11"},
    {"後宙", "s2 11 17 16 15 14 13 12 11"},
    {"スワン", "s3 45 9 45 36 36 37 38 39 40 41 42 43 44 45 45 45"},
    {"END_1", "5 6 64 0 64 59 60 59 60 65 s9 0 1 61 1 61 1 0 s9 6 62 63 62 63 62 63 73 74 75 s9 69"},
    {"END_2", "5 6 64 0 64 59 60 59 60 65 s9 0 1 61 1 61 1 0 s9 6 73 74 75 s9 70"},
    {"END_3", "3 5 6 64 0 64 65 s9 0 1 61 1 61 1 0 s9 6 73 74 75 s9 71"},
    {"END_4", "59 60 59 60 73 74 75"},
};

INSTANTIATE_TEST_SUITE_P(AllMotions, MotionSequence, ::testing::ValuesIn(kSequences));

// ---------------------------------------------------------------------------
// Where each motion leaves the athlete.

struct DisplacementCase {
    const char* name;
    int speedBefore;
    int dx;
    int dy;
    int speedAfter;
};

class MotionDisplacement : public MotionTest, public ::testing::WithParamInterface<DisplacementCase> {};

TEST_P(MotionDisplacement, MovesTheAthleteByItsNetDisplacement)
{
    const DisplacementCase& c = GetParam();
    w.s.SPEED_X = c.speedBefore;
    PlayMove(QString::fromUtf8(c.name));
    EXPECT_EQ(w.s.POS_X, 300 + c.dx);
    EXPECT_EQ(w.s.POS_Y, 95 + c.dy);
    EXPECT_EQ(w.s.SPEED_X, c.speedAfter);
    // The first frame shows the athlete where the motion began.
    const QStringList draws = w.lines("draw ");
    ASSERT_FALSE(draws.isEmpty());
    EXPECT_EQ(draws.front().section(' ', 2), "300 95");
}

const DisplacementCase kDisplacements[] = {
    {"走る", 8, 32, 0, 8},
    {"戻る", -8, -32, 0, -8},
    {"挨拶", 8, 0, 0, 0},
    {"終わり", 8, 0, 0, 0},
    {"側転", 8, 115, 0, 8},
    {"側転2", 8, 165, 0, 8},
    {"ハンド", 8, 120, 0, 8},
    {"バク転", -8, -135, 0, -8},
    {"R_JUMP", 8, 30, -80, 8},
    {"L_JUMP", -8, -30, -80, -8},
    {"DOWN", 8, 0, 60, 8},
    // The somersaults set their own step before the first frame.
    {"前宙", 8, 16, 20, 2},
    {"後宙", -8, -16, 20, -2},
    {"スワン", -8, -200, -2, -8},
    {"END_1", 8, 0, 0, 8},
    {"END_2", 8, 0, 0, 8},
    {"END_3", 8, 0, 0, 8},
    {"END_4", 8, 0, 0, 8},
};

INSTANTIATE_TEST_SUITE_P(AllMotions, MotionDisplacement, ::testing::ValuesIn(kDisplacements));

TEST_F(MotionTest, EachFrameIsDrawnWhereThePreviousFrameLeftTheAthlete)
{
    PlayMove("側転");
    EXPECT_EQ(w.lines("draw "), (QStringList{"draw 18 300 95", "draw 19 320 95", "draw 20 320 95",
                                             "draw 21 320 95", "draw 22 350 95", "draw 23 380 95",
                                             "draw 24 410 95", "draw 25 414 95"}));
    EXPECT_EQ(w.s.POS_X, 415);

    w.trace.lines.clear();
    w.s.POS_X = 300;
    PlayMove("前宙");
    // The drop of the last frame comes after it is drawn.
    EXPECT_EQ(w.lines("draw ").back(), "draw 11 314 95");
    EXPECT_EQ(w.s.POS_Y, 115);
}

// ---------------------------------------------------------------------------
// Waits.

TEST_F(MotionTest, EveryFrameIsFollowedByTheFrameWait)
{
    w.s.FRAME_WAIT = 25;
    PlayMove("側転");
    const auto draws = timesOf("draw ");
    ASSERT_EQ(draws.size(), 8u);
    for (std::size_t i = 0; i < draws.size(); ++i)
        EXPECT_EQ(draws[i], 25 * static_cast<long long>(i)) << "frame " << i;
    EXPECT_EQ(w.clock.now(), 8 * 25);
    // The event points come after the wait of their frame.
    EXPECT_EQ(timesOf("yield"), (std::vector<long long>{25, 50, 200}));
    EXPECT_EQ(w.s.FRAME_WAIT, 25);
}

TEST_F(MotionTest, ThirdPlacePodiumWaitsWithTheCallersFrameWaitOnlyAfterItsFirstFrame)
{
    w.s.FRAME_WAIT = 50;
    PlayMove("END_3");
    const auto draws = timesOf("draw ");
    ASSERT_EQ(draws.size(), 19u);
    EXPECT_EQ(draws[0], 0);
    EXPECT_EQ(draws[1], 50);
    for (std::size_t i = 2; i < draws.size(); ++i)
        EXPECT_EQ(draws[i] - draws[i - 1], 80) << "frame " << i;
    EXPECT_EQ(w.clock.now(), 50 + 80 * 18);
    EXPECT_EQ(w.s.FRAME_WAIT, 80);
}

TEST_F(MotionTest, OtherPodiumsWaitEightyFromTheirFirstFrameAndSoundAfterTheWait)
{
    for (const char* name : {"END_1", "END_2", "END_4"}) {
        SCOPED_TRACE(name);
        w.trace.lines.clear();
        w.s.FRAME_WAIT = 50;
        const long long start = static_cast<long long>(w.clock.now());
        PlayMove(QString::fromUtf8(name));
        const auto draws = timesOf("draw ");
        ASSERT_GE(draws.size(), 2u);
        for (std::size_t i = 1; i < draws.size(); ++i)
            EXPECT_EQ(draws[i] - draws[i - 1], 80) << "frame " << i;
        EXPECT_EQ(static_cast<long long>(w.clock.now()) - start, 80 * static_cast<long long>(draws.size()));
        EXPECT_EQ(w.s.FRAME_WAIT, 80);
        // A sound between two frames is heard once the wait of the frame before it is over.
        for (long long t : timesOf("sound "))
            EXPECT_EQ((t - start) % 80, 0);
    }
}

// ---------------------------------------------------------------------------
// Credits.

struct CreditCase {
    const char* name;
    int smallBefore;
    int smallAfter;
    int bigGain;
    std::array<int, 7> used; // MOVE_USED entries 0 to 6 afterwards
};

class MotionCredit : public MotionTest, public ::testing::WithParamInterface<CreditCase> {};

TEST_P(MotionCredit, CreditsTheRoutineWhenItEnds)
{
    const CreditCase& c = GetParam();
    w.s.SMALL_TECH = static_cast<std::int16_t>(c.smallBefore);
    w.s.BIG_TECH = 7;
    PlayMove(QString::fromUtf8(c.name));
    EXPECT_EQ(w.s.SMALL_TECH, c.smallAfter);
    EXPECT_EQ(w.s.BIG_TECH, 7 + c.bigGain);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(w.s.MOVE_USED[i], c.used[i]) << "entry " << i;
    for (std::size_t i = 7; i < w.s.MOVE_USED.size(); ++i)
        EXPECT_EQ(w.s.MOVE_USED[i], 0) << "entry " << i;
}

const CreditCase kCredits[] = {
    {"側転", 3, 4, 0, {1, 0, 0, 0, 0, 0, 0}},
    {"側転2", 3, 4, 1, {0, 1, 0, 0, 0, 0, 0}},
    {"ハンド", 3, 4, 1, {0, 0, 1, 0, 0, 0, 0}},
    {"バク転", 3, 4, 0, {0, 0, 0, 1, 0, 0, 0}},
    {"前宙", 0, 0, 0, {0, 0, 0, 0, 1, 0, 0}},
    {"前宙", 1, 2, 0, {0, 0, 0, 0, 1, 0, 0}},
    {"前宙", 2, 2, 0, {0, 0, 0, 0, 1, 0, 0}},
    {"後宙", 3, 4, 0, {0, 0, 0, 0, 0, 1, 0}},
    {"後宙", 2, 2, 0, {0, 0, 0, 0, 0, 1, 0}},
    {"スワン", 3, 5, 2, {0, 0, 0, 0, 0, 0, 1}},
    {"R_JUMP", 3, 4, 0, {0, 0, 0, 0, 0, 0, 0}},
    {"R_JUMP", 2, 2, 0, {0, 0, 0, 0, 0, 0, 0}},
    {"L_JUMP", 1, 2, 0, {0, 0, 0, 0, 0, 0, 0}},
    {"L_JUMP", 0, 0, 0, {0, 0, 0, 0, 0, 0, 0}},
    {"走る", 3, 3, 0, {0, 0, 0, 0, 0, 0, 0}},
    {"戻る", 3, 3, 0, {0, 0, 0, 0, 0, 0, 0}},
    {"挨拶", 3, 3, 0, {0, 0, 0, 0, 0, 0, 0}},
    {"終わり", 3, 3, 0, {0, 0, 0, 0, 0, 0, 0}},
    {"DOWN", 3, 3, 0, {0, 0, 0, 0, 0, 0, 0}},
    {"END_1", 3, 3, 0, {0, 0, 0, 0, 0, 0, 0}},
    {"END_2", 3, 3, 0, {0, 0, 0, 0, 0, 0, 0}},
    {"END_3", 3, 3, 0, {0, 0, 0, 0, 0, 0, 0}},
    {"END_4", 3, 3, 0, {0, 0, 0, 0, 0, 0, 0}},
};

INSTANTIATE_TEST_SUITE_P(AllMotions, MotionCredit, ::testing::ValuesIn(kCredits));

TEST_F(MotionTest, SwanCountsEveryTimeWhileOtherMovesOnlyMarkTheirEntry)
{
    PlayMove("スワン");
    PlayMove("スワン");
    PlayMove("側転");
    PlayMove("側転");
    EXPECT_EQ(w.s.MOVE_USED[6], 2);
    EXPECT_EQ(w.s.MOVE_USED[0], 1);
    EXPECT_EQ(w.s.SMALL_TECH, 2 + 2 + 1 + 1);
    EXPECT_EQ(w.s.BIG_TECH, 4);
}

TEST_F(MotionTest, TwoFrontSomersaultsFromThreeGiveFourThenFour)
{
    w.s.SMALL_TECH = 3;
    PlayMove("前宙");
    EXPECT_EQ(w.s.SMALL_TECH, 4);
    PlayMove("前宙");
    EXPECT_EQ(w.s.SMALL_TECH, 4);
    EXPECT_EQ(w.s.SPEED_X, 2);
}

TEST(HalfPointUp, OddValuesRiseByOneEvenValuesStay)
{
    const std::pair<int, int> cases[] = {{0, 0}, {1, 2}, {2, 2}, {3, 4}, {10, 10}, {11, 12}, {-1, 0}, {-2, -2}};
    for (auto [in, out] : cases)
        EXPECT_EQ(kz::HalfPointUp(static_cast<std::int16_t>(in)), out) << "from " << in;
}

// ---------------------------------------------------------------------------
// Names the table does not hold.

TEST_F(MotionTest, UnknownNamesDrawNothingAndChangeNothing)
{
    const QString names[] = {
        QString(),
        QStringLiteral("END_5"),
        QString::fromUtf8("ﾊﾝﾄﾞ"),       // ハンド in half-width letters
        QString::fromUtf8("ｽﾜﾝ"),        // スワン in half-width letters
        QString::fromUtf8("走る "),
        QStringLiteral("r_jump"),
        QString::fromUtf8("ＤＯＷＮ"),    // full-width letters
    };
    w.s.SMALL_TECH = 3;
    w.s.BIG_TECH = 4;
    for (const QString& name : names) {
        SCOPED_TRACE(name.toStdString());
        PlayMove(name);
        EXPECT_TRUE(w.trace.lines.isEmpty()) << w.trace.lines.join('\n').toStdString();
        EXPECT_EQ(w.clock.now(), 0);
        EXPECT_EQ(w.pump.yields, 0);
        EXPECT_EQ(w.s.POS_X, 300);
        EXPECT_EQ(w.s.POS_Y, 95);
        EXPECT_EQ(w.s.SPEED_X, 8);
        EXPECT_EQ(w.s.FRAME_WAIT, 10);
        EXPECT_EQ(w.s.SMALL_TECH, 3);
        EXPECT_EQ(w.s.BIG_TECH, 4);
        EXPECT_EQ(w.s.MOVE_USED, decltype(w.s.MOVE_USED){});
    }
}

} // namespace
