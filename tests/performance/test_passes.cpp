// The athlete's two passes across the mat: how presses become moves, jumps
// and somersaults, the faults they cost, and where a pass ends.

#include "performance/Passes.h"
#include "support/TestWorld.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Draw {
    int cell = 0;
    int x = 0;
    int y = 0;
    long long t = 0;
    int line = 0; // index in the trace
};

enum class Pass { Forward, Return };

const char* passName(Pass p) { return p == Pass::Forward ? "forward" : "return"; }

// A fresh game with the athlete ready for a pass. Every yield (the moment the
// window handles events) leaves a "yield" line in the trace and then runs the
// test's script, which presses the controls.
class PassTest : public ::testing::Test {
protected:
    static constexpr int kMaxYields = 20000;

    kz::test::TestWorld w;
    std::function<void()> script;
    int yields = 0;
    bool runaway = false;
    QString before;                       // the trace line just before this yield
    std::optional<kz::GameState> landing; // the state at the first yield after a jump is over
    std::vector<kz::GameState> afterJumps;
    int traceAtLanding = -1;
    bool inJump = false;

    void SetUp() override
    {
        auto& s = w.s;
        s.STOP_FLAG = 0;
        s.FRAME_WAIT = 10;
        s.SMALL_TECH = 0;
        s.BIG_TECH = 5;
        s.FAULT_SCORE = 10;
        s.MOVE_USED.fill(0);
        s.COMBO_CNT = 0;
        w.pump.onYield = [this] {
            ++yields;
            before = w.trace.lines.isEmpty() ? QString() : w.trace.lines.back().section(' ', 1);
            w.trace.lines << QString::number(static_cast<long long>(std::floor(w.clock.now()))) + " yield";
            if (yields > kMaxYields) {
                runaway = true;
                w.s.STOP_FLAG = 1;
                return;
            }
            if (w.s.MOVE_MODE == 2)
                inJump = true;
            else if (inJump) {
                inJump = false;
                afterJumps.push_back(w.s);
                if (!landing) {
                    landing = w.s;
                    traceAtLanding = static_cast<int>(w.trace.lines.size());
                }
            }
            if (script)
                script();
        };
    }

    void TearDown() override { EXPECT_FALSE(runaway) << "the pass did not come to an end"; }

    void readyForward(int x)
    {
        auto& s = w.s;
        s.SPEED_X = 1;
        s.SPEED_Y = 0;
        s.POS_X = x;
        s.POS_Y = 95;
        s.HAND_CNT = s.FOOT_CNT = 0;
        s.MOVE_MODE = s.JUMP_STEP = s.HAND_STEP = 0;
    }

    void readyReturn(int x)
    {
        readyForward(x);
        w.s.SPEED_X = -8;
    }

    void ready(Pass p, int x) { p == Pass::Forward ? readyForward(x) : readyReturn(x); }

    // One jump from the first yield on, with inAir called at every yield
    // until the landing; the pass is stopped once the athlete is down.
    void oneJump(std::function<void()> inAir)
    {
        script = [this, inAir] {
            if (yields == 1) {
                foot();
                return;
            }
            if (landing) {
                w.s.STOP_FLAG = 1;
                return;
            }
            inAir();
        };
    }
    void run(Pass p) { p == Pass::Forward ? kz::ForwardPass() : kz::ReturnPass(); }

    static void hand(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            kz::CountHand();
    }
    static void foot(int n = 1)
    {
        for (int i = 0; i < n; ++i)
            kz::CountFoot();
    }

    // Trace lines (without time) in [from, to).
    QStringList linesBetween(int from, int to) const
    {
        QStringList out;
        for (int i = from; i < to && i < w.trace.lines.size(); ++i)
            out << w.trace.lines[i].section(' ', 1);
        return out;
    }

    // Named motions played, in order, leaving out the runs.
    QString movesExceptRuns(int upTo = -1) const
    {
        QStringList out;
        for (const QString& l : linesBetween(0, upTo < 0 ? w.trace.lines.size() : upTo)) {
            if (!l.startsWith("move "))
                continue;
            const QString m = l.mid(5);
            if (m != QString::fromUtf8("走る") && m != QString::fromUtf8("戻る"))
                out << m;
        }
        return out.join(' ');
    }

    int count(const QString& prefix, int upTo = -1) const
    {
        int n = 0;
        for (const QString& l : linesBetween(0, upTo < 0 ? w.trace.lines.size() : upTo))
            if (l.startsWith(prefix))
                ++n;
        return n;
    }

    int runs() const { return count(QString::fromUtf8("move 走る")) + count(QString::fromUtf8("move 戻る")); }

    std::vector<Draw> draws() const
    {
        std::vector<Draw> out;
        for (int i = 0; i < w.trace.lines.size(); ++i) {
            const QStringList f = w.trace.lines[i].split(' ');
            if (f.size() == 5 && f[1] == "draw")
                out.push_back({f[2].toInt(), f[3].toInt(), f[4].toInt(), f[0].toLongLong(), i});
        }
        return out;
    }

    // The first frame of the first playing of a named motion.
    std::optional<Draw> firstFrameOf(const char* name) const
    {
        const int at = w.trace.lines.indexOf(QRegularExpression("^\\d+ move " + QRegularExpression::escape(QString::fromUtf8(name)) + "$"));
        if (at < 0)
            return std::nullopt;
        for (const Draw& d : draws())
            if (d.line > at)
                return d;
        return std::nullopt;
    }

    // Each frame the pass draws itself is followed by a rest of the single-frame pause.
    void expectRestAfterEachDrawOf(std::initializer_list<int> cells) const
    {
        int checked = 0;
        for (const Draw& d : draws()) {
            if (std::find(cells.begin(), cells.end(), d.cell) == cells.end())
                continue;
            // Only frames drawn by the pass itself: those not inside a motion.
            if (d.line + 1 >= w.trace.lines.size())
                continue;
            const long long next = w.trace.lines[d.line + 1].section(' ', 0, 0).toLongLong();
            EXPECT_EQ(next - d.t, kz::kSingleFramePause) << "after " << w.trace.lines[d.line].toStdString();
            ++checked;
        }
        EXPECT_GT(checked, 0);
    }

    // The yield just after the n-th crouch of the hand-move wind-up.
    bool rightAfterCrouch(int n) const
    {
        return before.startsWith("draw 28 ") && count("draw 28 ") == n;
    }
    QString lastMove() const
    {
        for (int i = w.trace.lines.size() - 1; i >= 0; --i) {
            const QString l = w.trace.lines[i].section(' ', 1);
            if (l.startsWith("move "))
                return l.mid(5);
        }
        return {};
    }
};

// ---------------------------------------------------------------------------
// Hand moves of the forward pass: the wind-up and the choice of move.

struct HandMoveCase {
    const char* label;
    int startPresses;      // hand presses in the batch that begins the hand move
    int atCrouch;          // presses below arrive right after this crouch frame (0: none)
    int hand;
    int foot;
    int duringCartwheel;   // hand presses at the cartwheel's first event point
    int duringLong;        // hand presses before the first long cartwheel's first frame
    const char* moves;     // named motions other than runs
    int crouchFrames;
    int mashFaults;
};

class HandMove : public PassTest, public ::testing::WithParamInterface<HandMoveCase> {};

TEST_P(HandMove, WindUpAndPressesChooseTheMove)
{
    const HandMoveCase& c = GetParam();
    readyForward(10);
    bool started = false, windUpDone = false, cartwheelDone = false, longDone = false;
    bool sawHandMove = false;
    std::optional<int> faultsAfterHandMove;
    script = [&] {
        auto& s = w.s;
        if (s.MOVE_MODE == 1)
            sawHandMove = true;
        else if (sawHandMove && !faultsAfterHandMove)
            faultsAfterHandMove = s.FAULT_SCORE;
        if (!started) {
            started = true;
            hand(c.startPresses);
            return;
        }
        if (c.atCrouch && !windUpDone && rightAfterCrouch(c.atCrouch)) {
            windUpDone = true;
            hand(c.hand);
            foot(c.foot);
        }
        if (!cartwheelDone && lastMove() == QString::fromUtf8("側転") && before.startsWith("draw 18 ")) {
            cartwheelDone = true;
            hand(c.duringCartwheel);
        }
        if (!longDone && lastMove() == QString::fromUtf8("側転2") && before == "sound 0") {
            longDone = true;
            hand(c.duringLong);
        }
    };
    kz::ForwardPass();

    EXPECT_EQ(movesExceptRuns().toStdString(), c.moves);
    EXPECT_EQ(count("draw 28 "), c.crouchFrames);
    EXPECT_EQ(10 - faultsAfterHandMove.value_or(w.s.FAULT_SCORE), c.mashFaults);

    // The athlete stands still through the wind-up, and the move starts there.
    const auto all = draws();
    ASSERT_GE(all.size(), static_cast<std::size_t>(c.crouchFrames));
    for (int i = 0; i < c.crouchFrames; ++i) {
        EXPECT_EQ(all[i].cell, 28);
        EXPECT_EQ(all[i].x, 10);
        EXPECT_EQ(all[i].y, 95);
    }
    ASSERT_GT(all.size(), static_cast<std::size_t>(c.crouchFrames));
    EXPECT_EQ(all[c.crouchFrames].x, 10);
    expectRestAfterEachDrawOf({28});

    // Every cartwheel and handspring earns one small point, the long ones and
    // the handspring a big one too; a wind-up that runs out earns nothing.
    const QStringList chosen = movesExceptRuns().split(' ', Qt::SkipEmptyParts);
    EXPECT_EQ(w.s.SMALL_TECH, chosen.size());
    EXPECT_EQ(w.s.BIG_TECH, 5 + chosen.size() - chosen.count(QString::fromUtf8("側転")));
    if (chosen.isEmpty()) {
        EXPECT_EQ(w.s.MOVE_USED, decltype(w.s.MOVE_USED){});
    }

    // Whatever was chosen, the athlete then runs on to the far end.
    EXPECT_LT(w.s.SPEED_X, 0);
    EXPECT_GT(w.s.POS_X, 600);
}

const HandMoveCase kHandMoves[] = {
    {"RunsOutWithNoSecondPress", 1, 0, 0, 0, 0, 0, "", 30, 0},
    {"PressInTheStartingBatchIsCleared", 2, 0, 0, 0, 0, 0, "", 30, 0},
    {"ManyPressesInTheStartingBatchAreCleared", 7, 0, 0, 0, 0, 0, "", 30, 0},
    {"PressRightAfterTheFirstCrouch", 1, 1, 1, 0, 0, 0, "側転", 2, 0},
    {"OnePressEarly", 1, 2, 1, 0, 0, 0, "側転", 2, 0},
    {"OnePressAtTheLastCrouch", 1, 30, 1, 0, 0, 0, "側転", 30, 0},
    {"TwoPresses", 1, 2, 2, 0, 0, 0, "側転 側転2", 2, 0},
    {"ThreePresses", 1, 5, 3, 0, 0, 0, "側転 側転2", 5, 0},
    {"FourPresses", 1, 2, 4, 0, 0, 0, "側転 側転2 側転2 側転2", 2, 0},
    {"FivePresses", 1, 2, 5, 0, 0, 0, "側転 側転2 側転2 側転2", 2, 0},
    {"SixPressesCostAFaultEachChainIteration", 1, 2, 6, 0, 0, 0, "側転 側転2 側転2 側転2", 2, 4},
    {"NinePresses", 1, 2, 9, 0, 0, 0, "側転 側転2 側転2 側転2", 2, 4},
    {"SecondPressWhileTheCartwheelPlays", 1, 2, 1, 0, 1, 0, "側転 側転2", 2, 0},
    {"ThreeMoreWhileTheCartwheelPlays", 1, 2, 1, 0, 3, 0, "側転 側転2 側転2 側転2", 2, 0},
    {"TwoMoreWhileTheFirstLongCartwheelPlays", 1, 2, 2, 0, 0, 2, "側転 側転2 側転2 側転2", 2, 0},
    {"SixthPressWhileTheCartwheelPlays", 1, 2, 5, 0, 1, 0, "側転 側転2 側転2 側転2", 2, 3},
    {"FootPressGivesHandspring", 1, 2, 0, 1, 0, 0, "ハンド", 2, 0},
    {"FootPressRightAfterTheFirstCrouch", 1, 1, 0, 1, 0, 0, "ハンド", 2, 0},
    {"FootWinsOverHandInTheSameBatch", 1, 15, 1, 1, 0, 0, "ハンド", 15, 0},
    {"FootWinsOverManyHandPresses", 1, 30, 3, 1, 0, 0, "ハンド", 30, 0},
    {"HandspringWithSixHandPresses", 1, 2, 6, 1, 0, 0, "ハンド", 2, 1},
};

INSTANTIATE_TEST_SUITE_P(ForwardPass, HandMove, ::testing::ValuesIn(kHandMoves),
                         [](const auto& info) { return std::string(info.param.label); });

// ---------------------------------------------------------------------------
// Jumps.

struct PlainJumpCase {
    Pass pass;
    int startX;
    int landX;
};

class PlainJump : public PassTest, public ::testing::WithParamInterface<PlainJumpCase> {};

TEST_P(PlainJump, TakeOffAndFortySevenFlightFrames)
{
    const PlainJumpCase& c = GetParam();
    ready(c.pass, c.startX);
    script = [&] {
        if (yields == 1)
            foot();
        if (landing)
            w.s.STOP_FLAG = 1;
    };
    run(c.pass);

    ASSERT_TRUE(landing.has_value());
    EXPECT_EQ(landing->POS_X, c.landX);
    EXPECT_EQ(landing->POS_Y, 95);
    EXPECT_EQ(landing->SPEED_Y, 0);
    EXPECT_EQ(landing->JUMP_STEP, 0);

    const QStringList jump = linesBetween(0, traceAtLanding);
    EXPECT_TRUE(movesExceptRuns(traceAtLanding).isEmpty());
    EXPECT_EQ(count("move ", traceAtLanding), 0) << "no run before the jump is over";
    EXPECT_EQ(count("draw 9 ", traceAtLanding), 1);
    EXPECT_EQ(count("draw 10 ", traceAtLanding), 48);
    EXPECT_EQ(count("sound ", traceAtLanding), 1);
    // Crouch, then the take-off sound, then the stretched body.
    const auto d = draws();
    ASSERT_GE(d.size(), 2u);
    EXPECT_EQ(d[0].cell, 9);
    EXPECT_EQ(d[0].x, c.startX);
    EXPECT_EQ(d[0].y, 95);
    EXPECT_EQ(w.trace.lines.indexOf(QRegularExpression("^\\d+ sound 3$")), d[1].line - 1);
    // The top of the jump.
    int top = 95;
    for (const Draw& f : d)
        if (f.line < traceAtLanding)
            top = std::min(top, f.y);
    EXPECT_EQ(top, -20);
    expectRestAfterEachDrawOf({9, 10});
}

INSTANTIATE_TEST_SUITE_P(BothPasses, PlainJump,
                         ::testing::Values(PlainJumpCase{Pass::Forward, 10, 105}, PlainJumpCase{Pass::Return, 640, 542}),
                         [](const auto& info) { return std::string(passName(info.param.pass)); });

TEST_F(PassTest, ForwardHandAndFootTogetherJumpThenSomersaultOnceHighEnough)
{
    readyForward(10);
    script = [&] {
        if (yields == 1) {
            hand();
            foot();
        }
    };
    kz::ForwardPass();
    EXPECT_EQ(movesExceptRuns().toStdString(), "前宙");
    EXPECT_EQ(count("draw 28 "), 0);
    const auto first = firstFrameOf("前宙");
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->y, 75);
    EXPECT_EQ(draws().front().cell, 9);
    EXPECT_LT(w.s.SPEED_X, 0);
}

TEST_F(PassTest, ReturnHandAndFootTogetherJumpAndTheHandPressIsLost)
{
    readyReturn(640);
    script = [&] {
        if (yields == 1) {
            hand();
            foot();
        }
    };
    kz::ReturnPass();
    EXPECT_EQ(movesExceptRuns().toStdString(), "");
    EXPECT_EQ(draws().front().cell, 9);
    EXPECT_EQ(count("draw 10 "), 48);
    EXPECT_EQ(w.s.SPEED_X, 1);
}

// A press arriving in the air at a given height, rising or falling.
struct AirPressCase {
    const char* label;
    Pass pass;
    bool footPress; // else a hand press
    int y;
    bool rising;
    int startY;     // height where the move begins, or 0: none in this jump
};

class AirPress : public PassTest, public ::testing::WithParamInterface<AirPressCase> {};

TEST_P(AirPress, MoveInTheAirOnlyWithinItsHeightWindow)
{
    const AirPressCase& c = GetParam();
    ready(c.pass, c.pass == Pass::Forward ? 10 : 640);
    bool pressed = false;
    oneJump([&] {
        const auto& s = w.s;
        const bool flying = c.y == 95 ? s.JUMP_STEP == 2 : s.JUMP_STEP >= 3;
        if (!pressed && s.MOVE_MODE == 2 && flying && s.POS_Y == c.y && (c.y == 95 || (s.SPEED_Y < 0) == c.rising)) {
            pressed = true;
            c.footPress ? foot() : hand();
        }
    });
    run(c.pass);
    ASSERT_TRUE(pressed);
    ASSERT_TRUE(landing.has_value());

    const char* move = c.footPress ? "スワン" : (c.pass == Pass::Forward ? "前宙" : "後宙");
    const QString inJump = movesExceptRuns(traceAtLanding);
    if (c.startY == 0) {
        EXPECT_EQ(inJump.toStdString(), "");
    } else {
        EXPECT_EQ(inJump.toStdString(), move);
        const auto first = firstFrameOf(move);
        ASSERT_TRUE(first.has_value());
        EXPECT_EQ(first->y, c.startY);
    }
}

const AirPressCase kAirPresses[] = {
    {"FrontSomersaultWaitsUntilBelowEighty", Pass::Forward, false, 85, true, 75},
    {"FrontSomersaultNotAtEighty", Pass::Forward, false, 80, true, 75},
    {"FrontSomersaultAtSeventyFive", Pass::Forward, false, 75, true, 75},
    {"FrontSomersaultFalling", Pass::Forward, false, 75, false, 75},
    {"FrontSomersaultTooLowFalling", Pass::Forward, false, 80, false, 0},
    {"FrontSomersaultNearTheTop", Pass::Forward, false, -20, true, -20},
    {"BackSomersaultWaitsUntilSixtyFive", Pass::Return, false, 90, true, 65},
    {"BackSomersaultAtSixtyFive", Pass::Return, false, 65, true, 65},
    {"BackSomersaultFallingAtSixtyFive", Pass::Return, false, 65, false, 65},
    {"BackSomersaultTooLowFalling", Pass::Return, false, 70, false, 0},
    {"SwanPendingFromTheFloor", Pass::Return, true, 95, true, 90},
    {"SwanRightAfterTakeOff", Pass::Return, true, 90, true, 90},
    {"SwanRisingAtSeventy", Pass::Return, true, 70, true, 70},
    {"NoSwanAtSixtyFive", Pass::Return, true, 65, true, 0},
    {"NoSwanFalling", Pass::Return, true, 70, false, 0},
    {"NoSwanFallingLow", Pass::Return, true, 90, false, 0},
    {"NoSwanGoingForward", Pass::Forward, true, 80, true, 0},
};

INSTANTIATE_TEST_SUITE_P(Heights, AirPress, ::testing::ValuesIn(kAirPresses),
                         [](const auto& info) { return std::string(info.param.label); });

struct ComboCase {
    Pass pass;
    int somersaults;
    int small;
    int big;
    int comboAfter;
};

class Combination : public PassTest, public ::testing::WithParamInterface<ComboCase> {};

TEST_P(Combination, FourthSomersaultOfOneJumpEarnsTheBonus)
{
    const ComboCase& c = GetParam();
    ready(c.pass, c.pass == Pass::Forward ? 10 : 640);
    const QString move = QString::fromUtf8(c.pass == Pass::Forward ? "前宙" : "後宙");
    int presses = 0;
    bool falling = false;
    oneJump([&] {
        const auto& s = w.s;
        if (s.MOVE_MODE == 2 && s.JUMP_STEP >= 3 && s.SPEED_Y > 0)
            falling = true;
        // From the top of the jump, one press as soon as the previous somersault is done.
        if (falling && presses < c.somersaults && s.HAND_CNT == 0 &&
            count("move " + move) == presses) {
            ++presses;
            hand();
        }
    });
    run(c.pass);
    ASSERT_TRUE(landing.has_value());
    EXPECT_EQ(count("move " + move, traceAtLanding), c.somersaults);
    EXPECT_EQ(landing->SMALL_TECH, c.small);
    EXPECT_EQ(landing->BIG_TECH, c.big);
    EXPECT_EQ(landing->COMBO_CNT, c.comboAfter);
}

INSTANTIATE_TEST_SUITE_P(BothPasses, Combination,
                         ::testing::Values(ComboCase{Pass::Forward, 3, 0, 5, 3}, ComboCase{Pass::Forward, 4, 2, 6, 0},
                                           ComboCase{Pass::Return, 3, 0, 5, 3}, ComboCase{Pass::Return, 4, 2, 6, 0}));

// ---------------------------------------------------------------------------
// Faults.

struct MashCase {
    Pass pass;
    int foot;
    int hand;
    int y; // the presses arrive while falling at this height
    int faults;
};

class ButtonMash : public PassTest, public ::testing::WithParamInterface<MashCase> {};

TEST_P(ButtonMash, TooManyPendingPressesCostAPointEachIterationGoingForward)
{
    const MashCase& c = GetParam();
    ready(c.pass, c.pass == Pass::Forward ? 10 : 640);
    bool pressed = false;
    oneJump([&] {
        const auto& s = w.s;
        if (!pressed && s.MOVE_MODE == 2 && s.SPEED_Y > 0 && s.POS_Y == c.y) {
            pressed = true;
            foot(c.foot);
            hand(c.hand);
        }
    });
    run(c.pass);
    ASSERT_TRUE(pressed);
    ASSERT_TRUE(landing.has_value());
    EXPECT_EQ(10 - landing->FAULT_SCORE, c.faults);
    EXPECT_EQ(movesExceptRuns(traceAtLanding).toStdString(), "");
}

INSTANTIATE_TEST_SUITE_P(Presses, ButtonMash,
                         ::testing::Values(
                             // The last iteration of the jump, then several.
                             MashCase{Pass::Forward, 3, 0, 95, 0}, MashCase{Pass::Forward, 4, 0, 95, 1},
                             MashCase{Pass::Forward, 9, 0, 95, 1}, MashCase{Pass::Forward, 0, 5, 95, 0},
                             MashCase{Pass::Forward, 0, 6, 95, 1}, MashCase{Pass::Forward, 3, 0, 85, 0},
                             MashCase{Pass::Forward, 4, 0, 85, 3}, MashCase{Pass::Forward, 0, 6, 85, 3},
                             MashCase{Pass::Forward, 4, 6, 85, 6}, MashCase{Pass::Return, 4, 6, 85, 0},
                             MashCase{Pass::Return, 9, 9, 95, 0}));

struct RunOutCase {
    Pass pass;
    int startX;
    int faults;
};

class RunOut : public PassTest, public ::testing::WithParamInterface<RunOutCase> {};

TEST_P(RunOut, RunEndingNearTheFarEndCostsAPoint)
{
    const RunOutCase& c = GetParam();
    ready(c.pass, c.startX);
    script = [&] { w.s.STOP_FLAG = 1; }; // one iteration only
    run(c.pass);
    EXPECT_EQ(runs(), 1);
    EXPECT_EQ(w.s.POS_X, c.startX + (c.pass == Pass::Forward ? 32 : -32));
    EXPECT_EQ(10 - w.s.FAULT_SCORE, c.faults);
}

INSTANTIATE_TEST_SUITE_P(Edges, RunOut,
                         ::testing::Values(RunOutCase{Pass::Forward, 468, 0}, RunOutCase{Pass::Forward, 469, 1},
                                           RunOutCase{Pass::Forward, 100, 0}, RunOutCase{Pass::Return, 82, 0},
                                           RunOutCase{Pass::Return, 81, 1}, RunOutCase{Pass::Return, 400, 0}));

// ---------------------------------------------------------------------------
// Where a pass ends.

struct EndCase {
    Pass pass;
    int startX;
    int runs;
    int endX;
    int endSpeed;
};

class PassEnd : public PassTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(PassEnd, EndsAtRestPastTheFarEnd)
{
    const EndCase& c = GetParam();
    ready(c.pass, c.startX);
    run(c.pass);
    EXPECT_EQ(runs(), c.runs);
    EXPECT_EQ(w.s.POS_X, c.endX);
    EXPECT_EQ(w.s.SPEED_X, c.endSpeed);
    EXPECT_EQ(w.s.MOVE_MODE, 0);
    EXPECT_EQ(w.s.JUMP_STEP, 0);
}

INSTANTIATE_TEST_SUITE_P(Edges, PassEnd,
                         ::testing::Values(EndCase{Pass::Forward, 568, 2, 632, -1}, EndCase{Pass::Forward, 569, 1, 601, -1},
                                           EndCase{Pass::Forward, 608, 1, 640, -1}, EndCase{Pass::Forward, 609, 1, 641, -2},
                                           EndCase{Pass::Forward, 10, 19, 618, -1}, EndCase{Pass::Return, 42, 2, -22, 1},
                                           EndCase{Pass::Return, 41, 1, 9, 1}));

enum class Start { Jump, WindUpRunsOut, Cartwheel, BackHandspring };

struct EndAfterMoveCase {
    const char* label;
    Pass pass;
    int startX;
    Start start;
    int frames; // frames drawn in all
    int endX;
    int endSpeed;
};

class EndAfterMove : public PassTest, public ::testing::WithParamInterface<EndAfterMoveCase> {};

TEST_P(EndAfterMove, PassEndsOnlyOnceTheMoveIsOver)
{
    const EndAfterMoveCase& c = GetParam();
    ready(c.pass, c.startX);
    script = [&] {
        if (yields == 1)
            c.start == Start::Jump ? foot() : hand();
        if (c.start == Start::Cartwheel && rightAfterCrouch(2))
            hand();
    };
    run(c.pass);
    EXPECT_EQ(runs(), 0);
    EXPECT_EQ(static_cast<int>(draws().size()), c.frames);
    EXPECT_EQ(w.s.POS_X, c.endX);
    EXPECT_EQ(w.s.SPEED_X, c.endSpeed);
    EXPECT_EQ(w.s.MOVE_MODE, 0);
    EXPECT_EQ(w.s.JUMP_STEP, 0);
    EXPECT_EQ(w.s.HAND_STEP, 0);
}

const EndAfterMoveCase kEndAfterMoves[] = {
    {"ForwardJump", Pass::Forward, 590, Start::Jump, 49, 685, -2},
    {"ForwardWindUp", Pass::Forward, 605, Start::WindUpRunsOut, 30, 605, -1},
    {"ForwardCartwheel", Pass::Forward, 560, Start::Cartwheel, 2 + 8, 675, -2},
    {"ReturnJump", Pass::Return, 15, Start::Jump, 49, -83, 1},
    {"ReturnBackHandspring", Pass::Return, 60, Start::BackHandspring, 13, -75, 1},
};

INSTANTIATE_TEST_SUITE_P(Moves, EndAfterMove, ::testing::ValuesIn(kEndAfterMoves),
                         [](const auto& info) { return std::string(info.param.label); });

TEST_F(PassTest, ReturnHandPressGivesTheBackHandspringAtOnce)
{
    readyReturn(640);
    script = [&] {
        if (yields == 1)
            hand();
    };
    kz::ReturnPass();
    EXPECT_EQ(movesExceptRuns().toStdString(), "バク転");
    const auto first = firstFrameOf("バク転");
    ASSERT_TRUE(first.has_value());
    EXPECT_EQ(first->x, 640);
    EXPECT_EQ(w.s.SMALL_TECH, 1);
    EXPECT_EQ(w.s.MOVE_USED[3], 1);
    EXPECT_EQ(w.s.SPEED_X, 1);
    EXPECT_LT(w.s.POS_X, 10);
}

// ---------------------------------------------------------------------------
// Stop requests.

struct StopCase {
    Pass pass;
    int stopAtYield; // 0: already requested when the pass begins
    int yields;
    int runs;
};

class StopRequest : public PassTest, public ::testing::WithParamInterface<StopCase> {};

TEST_P(StopRequest, EndsThePassAtTheTopOfTheNextIteration)
{
    const StopCase& c = GetParam();
    ready(c.pass, 300);
    if (c.stopAtYield == 0)
        w.s.STOP_FLAG = 1;
    script = [&] {
        if (yields == c.stopAtYield)
            w.s.STOP_FLAG = 1;
    };
    run(c.pass);
    EXPECT_EQ(yields, c.yields);
    EXPECT_EQ(runs(), c.runs);
    EXPECT_EQ(w.s.POS_X, 300 + c.runs * (c.pass == Pass::Forward ? 32 : -32));
    EXPECT_EQ(w.s.SPEED_X, c.runs ? (c.pass == Pass::Forward ? 8 : -8) : (c.pass == Pass::Forward ? 1 : -8));
    if (c.stopAtYield == 0) {
        EXPECT_TRUE(w.trace.lines.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(BothPasses, StopRequest,
                         ::testing::Values(StopCase{Pass::Forward, 0, 0, 0}, StopCase{Pass::Forward, 1, 1, 1},
                                           StopCase{Pass::Forward, 3, 3, 3}, StopCase{Pass::Return, 0, 0, 0},
                                           StopCase{Pass::Return, 1, 2, 1}, StopCase{Pass::Return, 4, 4, 2}));

TEST_F(PassTest, StopDuringAMotionTakesEffectOnceItHasPlayed)
{
    readyForward(10);
    script = [&] {
        if (yields == 1)
            hand();
        if (rightAfterCrouch(2))
            hand();
        if (lastMove() == QString::fromUtf8("側転") && before.startsWith("draw 18 "))
            w.s.STOP_FLAG = 1;
    };
    kz::ForwardPass();
    EXPECT_EQ(movesExceptRuns().toStdString(), "側転");
    EXPECT_EQ(count("draw "), 2 + 8); // two crouches, then the whole cartwheel
    EXPECT_EQ(w.s.POS_X, 125);
    EXPECT_EQ(w.s.SMALL_TECH, 1);
    EXPECT_EQ(runs(), 0);
}

} // namespace
