// The ending show: the four scripted shows, their music and sounds, the wait
// for the music to end, and the hidden hot spot that starts a show by hand.

#include "performance/EndingShow.h"
#include "support/TestWorld.h"

#include <QMouseEvent>
#include <gtest/gtest.h>

namespace kz::test {
namespace {

// The trace lines just before the podium sequence begins and at the very end of the show.
struct Podium {
    QString before, last;
    int sound9 = 0;
};

Podium podiumOf(const TestWorld& w)
{
    Podium p;
    const QStringList all = w.lines();
    for (qsizetype i = 0; i < all.size(); ++i) {
        if (all[i].startsWith("move END_") && i > 0)
            p.before = all[i - 1];
        if (all[i] == "sound 9")
            ++p.sound9;
    }
    if (!all.isEmpty())
        p.last = all.last();
    return p;
}

struct ShowCase {
    int placing;
    int endX, endY;
    QStringList music;     // "music play" lines
    bool soundAround;      // sound 9 right before the podium and at the very end
    int sound9;            // all sound 9 effects, the podium's own included
    QString firstMove;
    int startX;            // where the first frame is drawn from
};

class EndingScripts : public ::testing::TestWithParam<ShowCase> {};

TEST_P(EndingScripts, EndAtTheirPodiumPositions)
{
    const ShowCase c = GetParam();
    TestWorld w;
    w.s.POS_X = 1;
    w.s.POS_Y = 1;
    w.s.FRAME_WAIT = 7;
    EndingShow(static_cast<std::int16_t>(c.placing));

    EXPECT_EQ(w.s.POS_X, c.endX);
    EXPECT_EQ(w.s.POS_Y, c.endY);
    EXPECT_EQ(w.lines("music play"), c.music);
    const Podium p = podiumOf(w);
    EXPECT_EQ(p.before == "sound 9", c.soundAround) << p.before.toStdString();
    EXPECT_EQ(p.last == "sound 9", c.soundAround) << p.last.toStdString();
    EXPECT_EQ(p.sound9, c.sound9);
    ASSERT_FALSE(w.lines("move").isEmpty());
    EXPECT_EQ(w.lines("move").first(), "move " + c.firstMove);
    EXPECT_EQ(w.lines("move").last(), QString("move END_%1").arg(c.placing));
    const QStringList draws = w.lines("draw");
    ASSERT_FALSE(draws.isEmpty());
    EXPECT_EQ(draws.first().section(' ', 2, 3), QString("%1 95").arg(c.startX)) << draws.first().toStdString();
    EXPECT_EQ(draws.last().section(' ', 2, 3), QString("%1 %2").arg(c.endX).arg(c.endY));
    // The podium sequences leave the frame wait at 80.
    EXPECT_EQ(w.s.FRAME_WAIT, 80);
    EXPECT_EQ(w.lines("ending"), QStringList({QString("ending %1").arg(c.placing)}));
}

INSTANTIATE_TEST_SUITE_P(
    Placings, EndingScripts,
    ::testing::Values(ShowCase{1, 285, 91, {"music play 1"}, true, 5, "側転", 60},
                      ShowCase{2, 282, 93, {"music play 0"}, true, 5, "ハンド", 60},
                      ShowCase{3, 300, 95, {"music play 0"}, false, 3, "側転", 20},
                      ShowCase{4, 300, 95, {}, false, 0, "END_4", 300}),
    [](const auto& info) { return "Placing" + std::to_string(info.param.placing); });

TEST(EndingShow, PlacingFourShowsOnlyThePodiumAndLeavesTheMusicAlone)
{
    TestWorld w;
    w.audio.mode = "playing";
    w.audio.calls.clear();
    EndingShow(4);
    EXPECT_EQ(w.lines("move"), QStringList({"move END_4"}));
    EXPECT_TRUE(w.lines("music").isEmpty());
    EXPECT_TRUE(w.audio.calls.isEmpty());
    EXPECT_EQ(w.s.POS_X, 300);
    EXPECT_EQ(w.audio.mode, "playing");
}

TEST(EndingShow, PlacingThreeIsTwoCartwheelsAndThePodium)
{
    TestWorld w;
    EndingShow(3);
    EXPECT_EQ(w.lines("move"), QStringList({"move 側転", "move 側転2", "move END_3"}));
    // No effect of the show's own before the podium: the only sound 9s are the podium's.
    const QStringList all = w.lines();
    const qsizetype podium = all.indexOf("move END_3");
    ASSERT_GE(podium, 0);
    EXPECT_FALSE(all.mid(0, podium).contains("sound 9"));
}

TEST(EndingShow, WaitsThirteenHundredMillisecondsBeforeTheShow)
{
    TestWorld w;
    QList<double> at;
    w.clock.onAdvance = [&](double t) { at << t; };
    const double t0 = w.clock.now();
    EndingShow(4);
    w.clock.onAdvance = nullptr;
    ASSERT_FALSE(at.isEmpty());
    EXPECT_EQ(at.first() - t0, 1300);
}

// ---- the wait for the music -----------------------------------------------------------

struct WaitCase {
    const char* name;
    int placing;
    QString modeBefore;  // the device's mode before the show (placings that start no music)
    int stopAtPoll;      // the music is found stopped at this poll; -1: never
    int polls;
};

class MusicWait : public ::testing::TestWithParam<WaitCase> {};

TEST_P(MusicWait, EndsAtTheFirstPollThatFindsTheMusicStoppedOrAfter101Polls)
{
    const WaitCase c = GetParam();
    TestWorld w;
    w.audio.mode = c.modeBefore;
    // The moves never sleep 100 ms, so a run of 100 ms sleeps is the polls.
    QList<double> steps;
    double last = w.clock.now();
    int run = 0;
    w.clock.onAdvance = [&](double t) {
        const double step = t - last;
        last = t;
        steps << step;
        run = step == 100 ? run + 1 : 0;
        if (c.stopAtPoll >= 0 && run == c.stopAtPoll)
            w.audio.mode = "stopped";
    };
    EndingShow(static_cast<std::int16_t>(c.placing));
    w.clock.onAdvance = nullptr;

    EXPECT_EQ(run, c.polls);
    // The polls are the last thing the show does.
    ASSERT_GE(steps.size(), c.polls);
    if (steps.size() > c.polls) {
        EXPECT_NE(steps[steps.size() - c.polls - 1], 100);
    }
    EXPECT_EQ(w.s.MUSIC_MODE == "STOPPED", c.stopAtPoll >= 0);
}

INSTANTIATE_TEST_SUITE_P(
    Waits, MusicWait,
    ::testing::Values(WaitCase{"FirstPlaceMusicEndsAtPoll8", 1, "", 8, 8},
                      WaitCase{"SecondPlaceMusicEndsAtOnce", 2, "", 1, 1},
                      WaitCase{"ThirdPlaceMusicEndsAtPoll50", 3, "", 50, 50},
                      WaitCase{"MusicEndsAtTheLastPoll", 2, "", 101, 101},
                      WaitCase{"FirstPlaceMusicNeverEnds", 1, "", -1, 101},
                      WaitCase{"ThirdPlaceMusicNeverEnds", 3, "", -1, 101},
                      WaitCase{"FourthPlaceEarlierMusicPlaysOn", 4, "playing", -1, 101},
                      WaitCase{"FourthPlaceNoMusicOpen", 4, "", -1, 101},
                      WaitCase{"FourthPlaceEarlierMusicPaused", 4, "paused", -1, 101},
                      WaitCase{"FourthPlaceEarlierMusicEnds", 4, "playing", 10, 10},
                      WaitCase{"OutOfRangePlacingStillWaits", 0, "playing", -1, 101},
                      WaitCase{"OutOfRangePlacingMusicEnds", 7, "paused", 3, 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EndingShow, MusicAlreadyStoppedEndsTheWaitAtTheFirstPoll)
{
    TestWorld w;
    w.audio.mode = "stopped";
    const double t0 = w.clock.now();
    EndingShow(0);
    EXPECT_DOUBLE_EQ(w.clock.now() - t0, 1300 + 100);
}

TEST(EndingShow, NeverStoppedMusicIsWaitedForAboutTenSeconds)
{
    TestWorld w;
    w.audio.mode = "playing";
    const double t0 = w.clock.now();
    EndingShow(0);
    // The first sleep, then 101 polls of 100 ms.
    EXPECT_DOUBLE_EQ(w.clock.now() - t0, 1300 + 10100);
}

TEST(EndingShow, AnOutOfRangePlacingShowsNothing)
{
    TestWorld w;
    w.s.FRAME_WAIT = 3;
    EndingShow(5);
    EXPECT_TRUE(w.lines("move").isEmpty());
    EXPECT_TRUE(w.lines("music").isEmpty());
    EXPECT_TRUE(w.lines("sound").isEmpty());
    EXPECT_EQ(w.s.FRAME_WAIT, 50);
    EXPECT_EQ(w.s.POS_X, 60);
    EXPECT_EQ(w.s.POS_Y, 95);
}

// ---- the hot spot -------------------------------------------------------------------------

void doubleClickHotSpot(TestWorld& w)
{
    QWidget* spot = w.am().Image1;
    const QPointF local(spot->width() / 2.0, spot->height() / 2.0);
    QMouseEvent dbl(QEvent::MouseButtonDblClick, local, spot->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
    QCoreApplication::sendEvent(spot, &dbl);
}

struct DrawCase {
    double draw;
    int show;
};

class HotSpot : public ::testing::TestWithParam<DrawCase> {};

TEST_P(HotSpot, WhileIdleShowsTheDrawnNumberAndPlaysThatShow)
{
    const DrawCase c = GetParam();
    TestWorld w;
    w.s.STOP_FLAG = 1;
    w.platform.random.supply({c.draw});
    doubleClickHotSpot(w);
    EXPECT_EQ(w.lines("message"), QStringList({QString("message 0 Debug ENDING %1").arg(c.show)}));
    EXPECT_EQ(w.lines("ending"), QStringList({QString("ending %1").arg(c.show)}));
    EXPECT_EQ(w.lines("move").last(), QString("move END_%1").arg(c.show));
    // The message comes before the show.
    const QStringList all = w.lines();
    EXPECT_LT(all.indexOf(QString("message 0 Debug ENDING %1").arg(c.show)),
              all.indexOf(QString("ending %1").arg(c.show)));
}

INSTANTIATE_TEST_SUITE_P(Draws, HotSpot,
                         ::testing::Values(DrawCase{0.0, 1}, DrawCase{0.3333, 1}, DrawCase{0.34, 2},
                                           DrawCase{0.5, 2}, DrawCase{0.6667, 3}, DrawCase{0.999, 3}),
                         [](const auto& info) { return "Draw" + std::to_string(static_cast<int>(info.param.draw * 1000)); });

TEST(HotSpot, DrawingTwoPlaysTheSecondPlaceShow)
{
    TestWorld w;
    w.platform.random.supply({0.5});
    doubleClickHotSpot(w);
    EXPECT_EQ(w.lines("message"), QStringList({"message 0 Debug ENDING 2"}));
    EXPECT_EQ(w.am().L_MES1->text(), "Debug ENDING 2");
    EXPECT_EQ(w.lines("music play"), QStringList({"music play 0"}));
    EXPECT_EQ(w.s.POS_X, 282);
    EXPECT_EQ(w.s.POS_Y, 93);
}

TEST(HotSpot, DuringATournamentDrawsButShowsNothing)
{
    TestWorld w;
    w.s.STOP_FLAG = 0;
    w.s.POS_X = 123;
    const auto before = w.platform.random.drawsTaken();
    const double t0 = w.clock.now();
    doubleClickHotSpot(w);
    EXPECT_EQ(w.platform.random.drawsTaken(), before + 1);
    EXPECT_TRUE(w.lines("message").isEmpty());
    EXPECT_TRUE(w.lines("ending").isEmpty());
    EXPECT_TRUE(w.lines("music").isEmpty());
    EXPECT_EQ(w.s.POS_X, 123);
    EXPECT_EQ(w.clock.now(), t0);
}

} // namespace
} // namespace kz::test
