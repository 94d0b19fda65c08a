// The game in a hostile folder: its sound and music files missing, empty,
// random bytes or cut short; no help page; a folder that cannot take the
// records file; a disk that fills up while saving. The game plays on, silent
// where sound cannot play, and what was saved before stays saved.
#include "game/Tournament.h"
#include "platform/SdlAudio.h"
#include "shell/EntryPoints.h"
#include "shell/Settings.h"
#include "shell/Startup.h"
#include "shell/TitleWindow.h"
#include "sim/Simulation.h"
#include "support/TestWorld.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <SDL_mixer.h>
#include <csignal>
#include <gtest/gtest.h>
#include <random>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace kz;

namespace {

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray noise(std::mt19937& rng, int n)
{
    QByteArray b(n, '\0');
    for (char& c : b)
        c = static_cast<char>(rng());
    return b;
}

// A complete records file saved by an earlier run.
QByteArray earlierRecords()
{
    SettingsLines l;
    l.holder = "前回の人";
    l.record = FormatRecord(512.5);
    const char* names[4] = {"ハナコ", "タロウ", "C選手", "D選手"};
    for (int i = 0; i < 4; ++i)
        l.names[i] = QString::fromUtf8(names[i]);
    return EncodeSettings(l);
}

// Passes every call on, and counts the effects and pieces that really sound.
struct ListeningAudio final : AudioDevice {
    SdlAudio& real;
    int effectsHeard = 0, effectsAsked = 0, musicHeard = 0;
    explicit ListeningAudio(SdlAudio& r) : real(r) {}
    void playEffect(const QString& path) override
    {
        real.playEffect(path);
        effectsAsked += !path.isEmpty();
        effectsHeard += Mix_Playing(0);
    }
    bool openMusic(const QString& path) override { return real.openMusic(path); }
    void playMusic() override
    {
        real.playMusic();
        musicHeard += Mix_PlayingMusic();
    }
    void pauseMusic() override { real.pauseMusic(); }
    void stopMusic() override { real.stopMusic(); }
    void closeMusic() override { real.closeMusic(); }
    QString musicMode() override { return real.musicMode(); }
};

enum class Damage { Intact, Missing, Empty, Noise, TaggedNoise, CutShort };

struct DamageCase {
    const char* name;
    Damage damage;
};

class DamagedSounds : public ::testing::TestWithParam<DamageCase> {};

} // namespace

TEST_P(DamagedSounds, TheGamePlaysOnSilentAndKeepsItsRecords)
{
    const Damage damage = GetParam().damage;
    QTemporaryDir app, out;
    std::mt19937 rng(static_cast<unsigned>(damage) + 11);
    const QDir built(KEZORA_BIN_DIR);
    int files = 0;
    for (const QString& name : built.entryList({"KEZ_*.wav", "KEZ_*.mid"}, QDir::Files)) {
        const QByteArray good = readAll(built.filePath(name));
        ASSERT_GT(good.size(), 14);
        const QString to = app.filePath(name);
        ++files;
        switch (damage) {
        case Damage::Intact: writeAll(to, good); break;
        case Damage::Missing: break;
        case Damage::Empty: writeAll(to, {}); break;
        case Damage::Noise: writeAll(to, noise(rng, 4096)); break;
        // Past the first look at the tags, into the decoders.
        case Damage::TaggedNoise: writeAll(to, good.left(name.endsWith(".mid") ? 14 : 12) + noise(rng, 4096)); break;
        case Damage::CutShort: writeAll(to, good.left(good.size() / 2)); break;
        }
    }
    ASSERT_GT(files, 10);
    writeAll(app.filePath("Kez.ini"), earlierRecords()); // and no help page beside it

    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIODELAY", "2", 1);
    setenv("SDL_DISKAUDIOFILE", QFile::encodeName(out.filePath("out.raw")).constData(), 1);
    {
        SdlAudio sdl;
        ASSERT_TRUE(sdl.isOpen());
        ListeningAudio audio(sdl);
        test::TestWorld w;
        w.platform.audio = &audio;
        w.platform.appDir = app.path();
        StartUp();
        EXPECT_TRUE(w.dialogs.asked.empty());
        EXPECT_EQ(w.s.RECORD, 512.5);
        w.am().MENU3[0]->trigger(); // 遊び方 and 操作方法 without Kez.htm
        w.am().MENU3[1]->trigger();
        w.am().SEL[1]->setChecked(true);
        guarded([] { OnStartButton(); });
        EXPECT_EQ(w.s.STOP_FLAG, 1);
        EXPECT_TRUE(w.lines().contains("message 1 Game Over"));
        EXPECT_GT(audio.effectsAsked, 10);
        // A file cut short still holds a beginning worth playing, and a MIDI
        // header before noise makes a piece the synthesizer plays as silence;
        // the rest has nothing to play.
        if (damage == Damage::Intact) {
            EXPECT_EQ(audio.effectsHeard, audio.effectsAsked);
            EXPECT_GT(audio.musicHeard, 0);
        } else if (damage != Damage::CutShort) {
            EXPECT_EQ(audio.effectsHeard, 0);
            if (damage != Damage::TaggedNoise) {
                EXPECT_EQ(audio.musicHeard, 0);
            }
        }
        delete w.am().atitle.data();
    }
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");
    unsetenv("SDL_DISKAUDIODELAY");
    const SettingsValues kept = ParseSettings(readAll(app.filePath("Kez.ini")));
    EXPECT_TRUE(kept.complete);
    EXPECT_EQ(kept.holder.value_or(""), "前回の人");
    EXPECT_EQ(kept.record.value_or(0), 512.5);
    EXPECT_EQ(kept.names[0].value_or(""), "ハナコ");
}

INSTANTIATE_TEST_SUITE_P(Files, DamagedSounds,
                         ::testing::Values(DamageCase{"Intact", Damage::Intact}, DamageCase{"Missing", Damage::Missing},
                                           DamageCase{"Empty", Damage::Empty}, DamageCase{"Noise", Damage::Noise},
                                           DamageCase{"TaggedNoise", Damage::TaggedNoise},
                                           DamageCase{"CutShort", Damage::CutShort}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HostileFolder, OneThatCannotTakeTheFileStillPlaysAWholeTournament)
{
    // Running as root ignores permissions, so the folder lies under a plain file.
    QTemporaryDir dir;
    writeAll(dir.filePath("plain"), "x");
    const auto out = sim::RunSimulation(sim::ParseScript(
        "appdir " + dir.filePath("plain/app") + "\nanswer yes\nplayers 2\nautoplay all\nstart\n"));
    EXPECT_FALSE(out.stalled);
    EXPECT_TRUE(out.transcript.filter(QRegularExpression("^\\d+ dialog warn ")).size() == 1);
    EXPECT_EQ(out.transcript.filter(QRegularExpression("^\\d+ message 1 おつかれさまでした$")).size(), 1);
    EXPECT_TRUE(out.transcript.filter(QRegularExpression("^\\d+ settings save$")).isEmpty());
}

namespace {

// Runs kezora-sim on a script with writes limited to `limit` bytes a file, as
// on a disk that is full; the signal a too-long write raises is ignored, so
// the write fails as it would on a full disk. The transcript comes back
// through a pipe, which the limit does not touch.
int simWithFullDisk(const QString& scriptPath, QByteArray& transcript, rlim_t limit)
{
    int out[2];
    if (pipe(out) != 0)
        return -1;
    const pid_t child = fork();
    if (child == 0) {
        dup2(out[1], 1);
        close(out[0]);
        close(out[1]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit r{limit, limit};
        setrlimit(RLIMIT_FSIZE, &r);
        const QByteArray script = QFile::encodeName(scriptPath);
        execl(KEZORA_SIM, KEZORA_SIM, script.constData(), static_cast<char*>(nullptr));
        _exit(127);
    }
    close(out[1]);
    char buf[65536];
    for (ssize_t got; (got = read(out[0], buf, sizeof buf)) > 0;)
        transcript.append(buf, got);
    close(out[0]);
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

} // namespace

TEST(HostileFolder, AFullDiskLosesNothingAlreadySaved)
{
    QTemporaryDir dir;
    const QString app = dir.filePath("app");
    QDir().mkpath(app);
    const QByteArray before = earlierRecords();
    writeAll(app + "/Kez.ini", before);
    // Long names make every new save longer than the disk has room for; the
    // tournament sets a new record that cannot be saved.
    const QString script = dir.filePath("full.txt");
    writeAll(script, ("appdir " + app + "\nplayers 4\n" + "name 0 " + QString(60, QChar(0x9577)) + "\nautoplay all\nstart\n").toUtf8());
    QByteArray t;
    const int rc = simWithFullDisk(script, t, static_cast<rlim_t>(before.size() + 20));
    EXPECT_EQ(rc, 0);
    EXPECT_TRUE(t.contains("settings save failed")) << t.right(500).toStdString();
    EXPECT_FALSE(t.contains(" settings save\n"));
    EXPECT_EQ(readAll(app + "/Kez.ini"), before);
    EXPECT_EQ(QDir(app).entryList(QDir::Files | QDir::Hidden), QStringList{"Kez.ini"});

    // The next run, with room again, starts from the saved records and asks nothing.
    const auto next = sim::RunSimulation(sim::ParseScript("appdir " + app + "\n"));
    EXPECT_TRUE(next.transcript.filter(QRegularExpression("^\\d+ dialog ")).isEmpty());
    EXPECT_TRUE(next.transcript.contains("state RECORD 512.5"));
    EXPECT_TRUE(next.transcript.contains("state RECORD_NAME 前回の人"));
}
