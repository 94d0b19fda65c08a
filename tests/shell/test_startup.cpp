// Start-up and the title window: the order of the start-up steps, the three
// ways of leaving the title, the title-music restart on the virtual clock,
// and closing the title before the game begins.

#include "shell/Settings.h"
#include "shell/Startup.h"
#include "shell/TitleWindow.h"
#include "sim/Simulation.h"
#include "support/TestWorld.h"

#include <QFile>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace kz::test {
namespace {

const QString kNames[4] = {"A選手", "B選手", "C選手", "D選手"};

// Index of the first trace line (times stripped) equal to what, at or after from; -1 if none.
int indexOf(const QStringList& lines, const QString& what, int from = 0)
{
    for (int i = from; i < lines.size(); ++i)
        if (lines[i] == what)
            return i;
    return -1;
}

int indexStartingWith(const QStringList& lines, const QString& prefix, int from = 0)
{
    for (int i = from; i < lines.size(); ++i)
        if (lines[i].startsWith(prefix))
            return i;
    return -1;
}

// The trace lines after "title shown" that start with prefix.
QStringList afterTitle(const TestWorld& w, const QString& prefix)
{
    const QStringList all = w.lines();
    QStringList out;
    const int shown = indexOf(all, "title shown");
    if (shown < 0)
        return out;
    for (int i = shown + 1; i < all.size(); ++i)
        if (all[i].startsWith(prefix))
            out << all[i];
    return out;
}

// A started game on a fresh application folder; the title window waits.
struct StartedGame {
    QTemporaryDir dir;
    TestWorld w;

    explicit StartedGame(std::initializer_list<QString> answers = {"yes"})
    {
        w.platform.appDir = dir.path();
        for (const QString& a : answers)
            w.dialogs.answers.push_back(a);
        w.s.STOP_FLAG = 0;
        StartUp();
    }
    ~StartedGame()
    {
        // Discard the title window without its close handling (which would end the program).
        delete w.am().atitle.data();
    }
    TitleWindow* title() { return w.am().atitle.data(); }
};

// ---- the start-up order --------------------------------------------------------

struct FirstRunCase {
    const char* answer;
    bool fileWritten;
};

class FirstRunStartUp : public ::testing::TestWithParam<FirstRunCase> {};

TEST_P(FirstRunStartUp, RunsItsStepsInOrderAndEndsIdle)
{
    const FirstRunCase c = GetParam();
    StartedGame g({c.answer});
    TestWorld& w = g.w;
    const QStringList all = w.lines();

    const int jingle = indexOf(all, "sound 20");
    const int sequencer = indexOf(all, "device open sequencer");
    const int question = indexStartingWith(all, "dialog yesno 初期データーの作成");
    const int titleMusic = indexOf(all, "music play 0");
    const int shown = indexOf(all, "title shown");
    ASSERT_GE(jingle, 0);
    ASSERT_GT(sequencer, jingle);
    ASSERT_GT(question, sequencer);
    ASSERT_GT(titleMusic, question);
    ASSERT_GT(shown, titleMusic);

    // The four names reach their labels after the question and before the music.
    for (int seat = 0; seat < 4; ++seat) {
        const int label = indexOf(all, QString("label %1 %2 white").arg(seat).arg(kNames[seat]), question);
        EXPECT_GT(label, question) << seat;
        EXPECT_LT(label, titleMusic) << seat;
        EXPECT_EQ(w.am().nameCaption(seat), kNames[seat]);
        EXPECT_EQ(w.s.PL_NAME[seat], kNames[seat]);
    }
    // All four names show although one player is selected.
    EXPECT_TRUE(w.am().SEL[0]->isChecked());

    // Only one question, answered as scripted.
    ASSERT_EQ(w.dialogs.asked.size(), 1u);
    EXPECT_EQ(w.dialogs.asked[0].kind, "yesno");
    EXPECT_EQ(QFile::exists(g.dir.filePath("Kez.ini")), c.fileWritten);
    EXPECT_EQ(indexOf(all, "settings save") >= 0, c.fileWritten);

    EXPECT_EQ(w.s.STOP_FLAG, 1);
    ASSERT_NE(g.title(), nullptr);
    EXPECT_TRUE(g.title()->isVisible());
    EXPECT_FALSE(w.am().isVisible());
    EXPECT_EQ(g.title()->windowTitle(), "ケゾラ Ver 1.05");
}

INSTANTIATE_TEST_SUITE_P(Answers, FirstRunStartUp,
                         ::testing::Values(FirstRunCase{"yes", true}, FirstRunCase{"no", false}),
                         [](const auto& info) { return std::string(info.param.answer); });

TEST(StartUp, StoredNamesReplaceTheDefaultsOnAllFourLabels)
{
    QTemporaryDir dir;
    SettingsLines l;
    l.holder = "Morel";
    l.spare = "0";
    l.record = " 400";
    const QString stored[4] = {"ハナコ", "タロウ", "Ken", "ゆき"};
    for (int i = 0; i < 4; ++i)
        l.names[i] = stored[i];
    {
        QFile f(dir.filePath("Kez.ini"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(EncodeSettings(l));
    }
    TestWorld w;
    w.platform.appDir = dir.path();
    StartUp();
    EXPECT_TRUE(w.dialogs.asked.empty());
    for (int seat = 0; seat < 4; ++seat)
        EXPECT_EQ(w.am().nameCaption(seat), stored[seat]);
    EXPECT_TRUE(w.am().SEL[0]->isChecked());
    delete w.am().atitle.data();
}

TEST(StartUp, WholeProgramFirstRunAnsweredNo)
{
    const auto out = sim::RunSimulation(sim::ParseScript("answer no\ntitle never\nend 0\n"));
    QStringList what;
    for (const QString& l : out.transcript)
        if (!l.startsWith("state "))
            what << l.section(' ', 1);
    const int jingle = indexOf(what, "sound 20");
    const int sequencer = indexOf(what, "device open sequencer");
    const int question = indexStartingWith(what, "dialog yesno");
    const int titleMusic = indexOf(what, "music play 0");
    const int shown = indexOf(what, "title shown");
    EXPECT_GE(jingle, 0);
    EXPECT_GT(sequencer, jingle);
    EXPECT_GT(question, sequencer);
    EXPECT_TRUE(what[question].endsWith("-> no")) << what[question].toStdString();
    EXPECT_GT(titleMusic, question);
    EXPECT_GT(shown, titleMusic);
    EXPECT_LT(indexOf(what, "settings save"), 0);
    EXPECT_TRUE(out.transcript.contains("state STOP_FLAG 1"));
    EXPECT_FALSE(out.quit);
}

// ---- leaving the title ------------------------------------------------------------

enum class TitleInput { ClickPicture, KeyOnPicture, KeyOnWindow };

struct HandOverCase {
    const char* name;
    TitleInput input;
    QStringList musicAfter;   // music lines after the title showed
    QString audioMode;        // the music device's mode afterwards
};

class TitleHandOver : public ::testing::TestWithParam<HandOverCase> {};

TEST_P(TitleHandOver, ShowsTheMainWindowWithStartFocused)
{
    const HandOverCase c = GetParam();
    StartedGame g;
    TestWorld& w = g.w;
    QPointer<TitleWindow> title = g.title();
    ASSERT_NE(title, nullptr);
    w.pump.yield();

    switch (c.input) {
    case TitleInput::ClickPicture: {
        const QPointF local(10, 10);
        QMouseEvent press(QEvent::MouseButtonPress, local, title->TIT->mapToGlobal(local), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(title->TIT, &press);
        break;
    }
    case TitleInput::KeyOnPicture: {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        QCoreApplication::sendEvent(title->TIT, &key);
        break;
    }
    case TitleInput::KeyOnWindow: {
        QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
        QCoreApplication::sendEvent(title, &key);
        break;
    }
    }
    QCoreApplication::processEvents();

    EXPECT_TRUE(w.am().isVisible());
    EXPECT_EQ(w.am().focusWidget(), w.am().GM_START);
    EXPECT_EQ(afterTitle(w, "music"), c.musicAfter);
    EXPECT_EQ(w.audio.mode, c.audioMode);
    EXPECT_EQ(afterTitle(w, "main window").size(), 1);
    EXPECT_FALSE(w.platform.quitRequested);
    EXPECT_TRUE(title.isNull() || !title->isVisible())
        << "title still alive: " << !title.isNull();

    // Timer1 is off: waiting on does not restart any music.
    w.clock.advanceTo(w.clock.now() + 90000);
    w.pump.yield();
    EXPECT_EQ(afterTitle(w, "music"), c.musicAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, TitleHandOver,
    ::testing::Values(HandOverCase{"ClickOnPicture", TitleInput::ClickPicture, {"music pause"}, "paused"},
                      HandOverCase{"KeyOnPicture", TitleInput::KeyOnPicture, {"music stop"}, ""},
                      HandOverCase{"KeyOnWindow", TitleInput::KeyOnWindow, {}, "playing"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TitleWindow, KeyOnThePictureStopsAndClosesTheMusicDevice)
{
    StartedGame g;
    g.w.audio.calls.clear();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QCoreApplication::sendEvent(g.title()->TIT, &key);
    EXPECT_EQ(g.w.audio.calls, QStringList({"stop", "close"}));
}

// ---- the title-music restart -------------------------------------------------------

struct RestartCase {
    int waitMs;
    int restarts;
};

class TitleMusicRestart : public ::testing::TestWithParam<RestartCase> {};

TEST_P(TitleMusicRestart, RestartsOnEvery81stTick)
{
    const RestartCase c = GetParam();
    StartedGame g;
    TestWorld& w = g.w;
    const double t0 = w.clock.now();
    w.clock.advanceTo(t0 + c.waitMs);
    w.pump.yield();

    EXPECT_EQ(afterTitle(w, "music play 0").size(), c.restarts);
    EXPECT_EQ(afterTitle(w, "music pause").size(), c.restarts);
    // Each restart pauses the title music, then plays it again from its start.
    QStringList expected;
    for (int i = 0; i < c.restarts; ++i)
        expected << "music pause" << "music stop" << "music play 0";
    EXPECT_EQ(afterTitle(w, "music"), expected);
    EXPECT_FALSE(w.am().isVisible());
}

INSTANTIATE_TEST_SUITE_P(Waits, TitleMusicRestart,
                         ::testing::Values(RestartCase{40499, 0}, RestartCase{40500, 1}, RestartCase{41000, 1},
                                           RestartCase{80999, 1}, RestartCase{81000, 2},
                                           RestartCase{82000, 2}),
                         [](const auto& info) { return "After" + std::to_string(info.param.waitMs) + "ms"; });

TEST(TitleMusicRestart, TickByTickGivesTheSameRestarts)
{
    StartedGame g;
    TestWorld& w = g.w;
    const double t0 = w.clock.now();
    QList<double> playedAt;
    for (int t = 100; t <= 82000; t += 100) {
        w.clock.advanceTo(t0 + t);
        const qsizetype before = afterTitle(w, "music play 0").size();
        w.pump.yield();
        if (afterTitle(w, "music play 0").size() > before)
            playedAt << t;
    }
    EXPECT_EQ(playedAt, QList<double>({40500, 81000}));
}

TEST(TitleMusicRestart, WholeProgramWaitingOnTheTitleFor83Seconds)
{
    const auto out = sim::RunSimulation(sim::ParseScript("title never\nend 83000\n"));
    QStringList music;
    bool shown = false;
    for (const QString& l : out.transcript) {
        const QString what = l.section(' ', 1);
        if (what == "title shown")
            shown = true;
        else if (shown && what.startsWith("music"))
            music << l;
    }
    EXPECT_EQ(music, QStringList({"40500 music pause", "40500 music stop", "40500 music play 0", "81000 music pause",
                                  "81000 music stop", "81000 music play 0"}));
    for (const QString& l : out.transcript)
        EXPECT_NE(l.section(' ', 1), "main window");
}

TEST(TitleWindow, WholeProgramClickAfterTwoSeconds)
{
    const auto out = sim::RunSimulation(sim::ParseScript("title click 2000\nend 3000\n"));
    QStringList after;
    bool shown = false;
    for (const QString& l : out.transcript) {
        if (l.section(' ', 1) == "title shown")
            shown = true;
        else if (shown && !l.startsWith("state "))
            after << l;
    }
    EXPECT_EQ(after, QStringList({"2000 title click", "2000 music pause", "2000 main window"}));
}

// ---- closing the title early -----------------------------------------------------------

TEST(TitleWindow, ClosingItBeforeTheHandOverEndsTheProgram)
{
    StartedGame g;
    TestWorld& w = g.w;
    TitleWindow* title = g.title();
    ASSERT_NE(title, nullptr);
    title->close();
    EXPECT_TRUE(w.platform.quitRequested);
    EXPECT_EQ(afterTitle(w, "quit"), QStringList({"quit"}));
    EXPECT_FALSE(w.am().isVisible());
    EXPECT_TRUE(afterTitle(w, "main window").isEmpty());

    // The title's timer is off: no restart follows.
    w.clock.advanceTo(w.clock.now() + 90000);
    w.pump.yield();
    EXPECT_TRUE(afterTitle(w, "music").isEmpty());
}

TEST(TitleWindow, ClosingItAfterTheHandOverDoesNotEndTheProgram)
{
    StartedGame g;
    TestWorld& w = g.w;
    QPointer<TitleWindow> title = g.title();
    title->clickedPicture();
    QCoreApplication::processEvents();
    EXPECT_FALSE(w.platform.quitRequested);
    EXPECT_TRUE(afterTitle(w, "quit").isEmpty());
}

} // namespace
} // namespace kz::test
