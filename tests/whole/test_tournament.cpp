#include "game/Tournament.h"
#include "shell/Startup.h"
#include "sim/Simulation.h"
#include "whole/Bot.h"

#include <QListWidget>
#include <gtest/gtest.h>

using namespace kz;

namespace {

// Lines of a transcript without their times, from the first that starts with `from`.
QStringList events(const QStringList& transcript, const QString& prefix = {})
{
    QStringList out;
    for (const QString& l : transcript) {
        if (l.startsWith("state "))
            continue;
        const QString what = l.section(' ', 1);
        if (what.startsWith(prefix))
            out << what;
    }
    return out;
}

QString stateOf(const QStringList& transcript, const QString& field)
{
    for (const QString& l : transcript)
        if (l.startsWith("state " + field + " "))
            return l.mid(7 + field.size());
    return "?";
}

sim::Outcome run(const QString& script)
{
    return sim::RunSimulation(sim::ParseScript(script));
}

// A subsequence check: each wanted line appears, in this order.
::testing::AssertionResult inOrder(const QStringList& got, const QStringList& wanted)
{
    qsizetype at = 0;
    for (const QString& w : wanted) {
        at = got.indexOf(w, at);
        if (at < 0)
            return ::testing::AssertionFailure() << "missing or out of order: " << w.toStdString();
        ++at;
    }
    return ::testing::AssertionSuccess();
}

} // namespace

TEST(WholeGame, OnePlayerOutInTheFirstMatch)
{
    const auto out = run("players 1\nstart\n");
    const QStringList ev = events(out.transcript);
    EXPECT_TRUE(inOrder(ev, {"message 0 予選 1試合目(B.L. 62)", "message 1 A選手ｻﾝの演技", "wait Are", "press Are",
                             "move 挨拶", "pass forward", "pass return", "move 終わり", "message 1 評価",
                             "label 0 A選手 red", "message 1 A選手ｻﾝは敗退", "sound 16", "wait Pre", "press Pre",
                             "message 1 Game Over", "sound 17", "settings save", "wait Pre", "press Pre", "menu 開始",
                             "label 0 A選手 white"}));
    EXPECT_FALSE(ev.contains("message 0 予選 2試合目(B.L. 64)"));
    EXPECT_EQ(stateOf(out.transcript, "STOP_FLAG"), "1");
    EXPECT_EQ(stateOf(out.transcript, "PL_STATE[0]"), "-1");
    EXPECT_EQ(stateOf(out.transcript, "PL_STATE[1]"), "-1");
    // Unoccupied seats never appear in a ranking list.
    for (const QString& l : events(out.transcript, "list "))
        EXPECT_FALSE(l.contains("代表")) << l.toStdString();
}

TEST(WholeGame, StopDuringARoutine)
{
    // The athlete runs from 3768 ms on; 停止 arrives mid-pass.
    const auto out = run("players 1\nstart\nat 5000 menu start\n");
    const QStringList ev = events(out.transcript);
    const qsizetype stop = ev.indexOf("choose start");
    ASSERT_GE(stop, 0);
    EXPECT_EQ(ev[stop + 1], "message 1 Game Over");
    EXPECT_TRUE(inOrder(ev.mid(stop), {"message 1 Game Over", "sound 17", "wait Pre", "press Pre", "menu 開始"}));
    // The routine ends without judging and no second Game Over follows.
    EXPECT_FALSE(ev.mid(stop).contains("message 1 評価"));
    EXPECT_EQ(ev.count("message 1 Game Over"), 1);
    EXPECT_EQ(stateOf(out.transcript, "STOP_FLAG"), "1");
}

TEST(WholeGame, StopWhileGameOverWaitsDoesNotStartAnother)
{
    // 停止 during the judging's Press Key!, and again while Game Over waits.
    const auto out = run("players 1\npre 3000\nstart\nat 15000 menu start\nat 17000 menu start\n");
    const QStringList ev = events(out.transcript);
    const qsizetype second = ev.lastIndexOf("choose start");
    const qsizetype pressed = ev.indexOf("press Pre", second);
    ASSERT_GT(pressed, second);
    EXPECT_EQ(ev.mid(second, pressed - second).filter("Game Over").size(), 0);
    // Once stopped, the remaining waits end by themselves: the stopped
    // tournament's last steps need no further presses.
    EXPECT_EQ(ev.mid(pressed + 1).count("press Pre"), 0);
    EXPECT_EQ(stateOf(out.transcript, "STOP_FLAG"), "1");
}

TEST(WholeGame, StartWhileAStoppedTournamentUnwindsWaitsForIt)
{
    // 停止 during the judging's Press Key!: the judges and the end of the
    // match still run after Game Over. START clicked meanwhile begins the
    // next tournament only once the stopped one has returned.
    const auto out = run("players 1\npre 400\nstart\nat 14900 menu start\nat 15700 click start\nend 40000\n");
    const QStringList ev = events(out.transcript);
    const qsizetype deferred = ev.indexOf("start deferred");
    ASSERT_GE(deferred, 0) << "START was not clicked while the stopped tournament unwound";
    const qsizetype secondStart = ev.indexOf("message 0 Game Start", deferred);
    ASSERT_GT(secondStart, deferred);
    const qsizetype announced = ev.indexOf("message 1 A選手ｻﾝは敗退", deferred);
    EXPECT_GT(announced, deferred);
    EXPECT_LT(announced, secondStart);
    EXPECT_EQ(ev.count("message 0 Game Start"), 2);
}

TEST(WholeGame, MenuStartWhileUnwindingIsAlsoDeferred)
{
    const auto out = run("players 1\npre 400\nstart\nat 14900 menu start\nat 15700 menu start\nend 40000\n");
    const QStringList ev = events(out.transcript);
    EXPECT_GE(ev.indexOf("start deferred"), 0);
    EXPECT_EQ(ev.count("message 0 Game Start"), 2);
}

namespace {

struct BotTournament : ::testing::Test {
    test::TestWorld w;
    test::Bot bot{w};
    void start(int players)
    {
        StartUp();
        w.am().SEL[players - 1]->setChecked(true);
        w.trace.lines.clear();
        OnStartButton();
    }
};

} // namespace

TEST_F(BotTournament, TwoPlayersOneOutAfterTheThirdMatch)
{
    bot.playsWell = [](int match, int seat) { return seat == 1 || match <= 3; };
    start(2);
    const QStringList ev = w.lines();
    const qsizetype m4 = ev.indexOf("message 0 予選 4試合目(B.L. 68)");
    const qsizetype m5 = ev.indexOf("message 0 予選 5試合目(B.L. 70)");
    ASSERT_GE(m4, 0);
    ASSERT_GT(m5, m4);
    EXPECT_TRUE(ev.mid(0, m4).filter("ｻﾝは敗退").isEmpty());
    EXPECT_TRUE(inOrder(ev.mid(m4, m5 - m4), {"message 1 A選手ｻﾝの演技", "message 1 B選手ｻﾝの演技",
                                              "message 1 A選手ｻﾝは敗退", "message 1 B選手ｻﾝはクリア!"}));
    // In match 5 seat 0 turns red and is skipped without a message.
    const QStringList m5ev = ev.mid(m5);
    EXPECT_GE(m5ev.indexOf("label 0 A選手 red"), 0);
    EXPECT_TRUE(m5ev.filter("A選手ｻﾝの演技").isEmpty());
    EXPECT_EQ(w.s.PL_STATE[0], -1);
    // Seat 1 plays on to the end.
    EXPECT_TRUE(ev.contains("message 0 決勝(B.L. 80)"));
}

TEST_F(BotTournament, ThroughTheFinalWithPlacingsAndEndingShows)
{
    start(2);
    const QStringList ev = w.lines();
    EXPECT_TRUE(inOrder(ev, {"message 0 決勝(B.L. 80)", "message 0 試合終了"}));
    const int rank0 = w.s.PL_RANK[0] + 1;
    const int rank1 = w.s.PL_RANK[1] + 1;
    EXPECT_TRUE(inOrder(ev, {QString("message 1 A選手サンは %1位").arg(rank0), "sound 19",
                             QString("ending %1").arg(std::min(rank0, 4)), "wait Pre",
                             QString("message 1 B選手サンは %1位").arg(rank1), "sound 19",
                             QString("ending %1").arg(std::min(rank1, 4)), "wait Pre", "music pause",
                             "message 1 おつかれさまでした", "sound 9", "wait Pre", "menu 開始"}));
    EXPECT_EQ(w.s.STOP_FLAG, 1);
    EXPECT_TRUE(w.am().SELE->isVisible() || !w.am().isVisible());
    // The routines are worth it: every match cleared with the whole repertoire.
    for (int seat = 0; seat < 2; ++seat)
        EXPECT_GT(w.s.PL_TOTAL[seat], 800) << seat;
}
