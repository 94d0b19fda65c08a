// The SDL2_mixer device against SDL's disk driver, which writes the mixed
// stream to a raw file (signed 16-bit, stereo, 44.1 kHz) that we read back.
#include "platform/SdlAudio.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <SDL.h>
#include <SDL_mixer.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <ostream>
#include <vector>

using kz::SdlAudio;

// Lets failures show the mode words as text.
void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}

namespace {

constexpr int kRate = 44100;
constexpr int kLongAmp = 6000;
constexpr int kShortAmp = 20000;
constexpr double kLongSeconds = 10.0;
constexpr double kShortSeconds = 0.25;

void put16(QByteArray& b, int v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

void put32(QByteArray& b, quint32 v)
{
    put16(b, int(v & 0xffff));
    put16(b, int(v >> 16));
}

// A stereo square wave: every sample is +amp or -amp, so the output shows
// exactly which effect a sample came from.
QByteArray squareWav(int amp, double seconds)
{
    const int frames = int(seconds * kRate);
    QByteArray b("RIFF");
    put32(b, 36 + quint32(frames) * 4);
    b.append("WAVEfmt ");
    put32(b, 16);
    put16(b, 1);
    put16(b, 2);
    put32(b, kRate);
    put32(b, kRate * 4);
    put16(b, 4);
    put16(b, 16);
    b.append("data");
    put32(b, quint32(frames) * 4);
    for (int i = 0; i < frames; ++i) {
        const int v = (i / 50) % 2 ? -amp : amp;
        put16(b, v);
        put16(b, v);
    }
    return b;
}

// Format 0, 480 ticks a beat at 120 bpm: one middle C on the piano for 288
// ticks (0.3 s), then the end of the track.
QByteArray oneNoteMidi()
{
    const QByteArray track = QByteArray::fromHex(
        "00ff510307a120"
        "00c000"
        "00903c64"
        "8220803c40"
        "00ff2f00");
    QByteArray b = QByteArray::fromHex("4d546864" "00000006" "0000" "0001" "01e0");
    b.append("MTrk");
    const quint32 n = quint32(track.size());
    for (int shift = 24; shift >= 0; shift -= 8)
        b.append(char((n >> shift) & 0xff));
    return b + track;
}

QByteArray noise()
{
    QByteArray b("KZ noise ");
    quint32 s = 12345;
    while (b.size() < 4096) {
        s = s * 1103515245u + 12345u;
        b.append(char(s >> 16));
    }
    return b;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write(bytes);
    return path;
}

std::vector<int16_t> readSamples(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return {};
    const QByteArray b = f.readAll();
    std::vector<int16_t> s(size_t(b.size()) / 2);
    for (size_t i = 0; i < s.size(); ++i)
        s[i] = int16_t(quint8(b[int(2 * i)]) | (quint8(b[int(2 * i + 1)]) << 8));
    return s;
}

long countWhere(const std::vector<int16_t>& s, size_t from, size_t to, const std::function<bool(int)>& pred)
{
    long n = 0;
    for (size_t i = from; i < to && i < s.size(); ++i)
        n += pred(s[i]) ? 1 : 0;
    return n;
}

bool isLong(int v) { return std::abs(v) == kLongAmp; }
bool isShort(int v) { return std::abs(v) == kShortAmp; }
bool isSound(int v) { return std::abs(v) > 64; }

// A bound on how long we are willing to wait, not a measurement.
bool waitFor(const std::function<bool()>& done, int ms = 5000)
{
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > ms)
            return false;
        SDL_Delay(5);
    }
    return true;
}

QString gameFile(const char* name)
{
    return QCoreApplication::applicationDirPath() + "/../" + name;
}

class SdlAudioOnDisk : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        longTone = writeFile(dir, "long.wav", squareWav(kLongAmp, kLongSeconds));
        shortTone = writeFile(dir, "short.wav", squareWav(kShortAmp, kShortSeconds));
        note = writeFile(dir, "note.mid", oneNoteMidi());
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIODELAY", "2", 1);
    }
    void TearDown() override
    {
        unsetenv("SDL_AUDIODRIVER");
        unsetenv("SDL_DISKAUDIOFILE");
        unsetenv("SDL_DISKAUDIODELAY");
    }
    // Each device gets its own output file.
    std::unique_ptr<SdlAudio> openDevice(const QString& out)
    {
        setenv("SDL_DISKAUDIOFILE", QFile::encodeName(out).constData(), 1);
        auto audio = std::make_unique<SdlAudio>();
        EXPECT_TRUE(audio->isOpen()) << SDL_GetError();
        return audio;
    }

    QTemporaryDir dir;
    QString longTone, shortTone, note;
};

TEST(SdlAudioWithoutDevice, EveryCallIsSilentAndHarmless)
{
    setenv("SDL_AUDIODRIVER", "nonexistent_driver", 1);
    {
        SdlAudio audio;
        EXPECT_FALSE(audio.isOpen());
        int freq = 0, channels = 0;
        Uint16 format = 0;
        EXPECT_EQ(Mix_QuerySpec(&freq, &format, &channels), 0);
        audio.playEffect(gameFile("KEZ_V9.wav"));
        audio.playEffect({});
        EXPECT_FALSE(audio.openMusic(gameFile("KEZ_M0.mid")));
        audio.playMusic();
        audio.pauseMusic();
        EXPECT_EQ(audio.musicMode(), QString());
        audio.stopMusic();
        audio.closeMusic();
        EXPECT_EQ(audio.musicMode(), QString());
    }
    unsetenv("SDL_AUDIODRIVER");
}

TEST_F(SdlAudioOnDisk, EffectComesOutAndANewOneCutsTheOldOff)
{
    const QString out = dir.filePath("out.raw");
    auto audio = openDevice(out);
    int freq = 0, channels = 0;
    Uint16 format = 0;
    ASSERT_EQ(Mix_QuerySpec(&freq, &format, &channels), 1);
    EXPECT_EQ(freq, kRate);
    EXPECT_EQ(format, AUDIO_S16LSB);
    EXPECT_EQ(channels, 2);
    EXPECT_EQ(Mix_AllocateChannels(-1), 1);

    audio->playEffect(longTone);
    ASSERT_TRUE(waitFor([&] {
        const auto s = readSamples(out);
        return countWhere(s, 0, s.size(), isLong) > 0;
    }));
    EXPECT_EQ(Mix_Playing(0), 1);
    audio->playEffect(shortTone);
    ASSERT_TRUE(waitFor([] { return Mix_Playing(0) == 0; }));
    audio.reset(); // closes and flushes the output file

    const auto s = readSamples(out);
    size_t firstShort = 0;
    while (firstShort < s.size() && !isShort(s[firstShort]))
        ++firstShort;
    ASSERT_LT(firstShort, s.size());
    const long longSamples = long(kLongSeconds * kRate) * 2;
    const long longBefore = countWhere(s, 0, firstShort, isLong);
    EXPECT_GT(longBefore, 0);
    EXPECT_LT(longBefore, longSamples);
    EXPECT_EQ(countWhere(s, firstShort, s.size(), isLong), 0);
    // The short one came out whole, once.
    EXPECT_EQ(countWhere(s, 0, s.size(), isShort), long(kShortSeconds * kRate) * 2);
}

TEST_F(SdlAudioOnDisk, BadEffectOrMusicFilePlaysNothingAndSilencesTheEffect)
{
    const struct {
        const char* what;
        QString path;
    } rows[] = {
        {"empty path", QString()},
        {"missing file", dir.filePath("nowhere.wav")},
        {"empty .wav", writeFile(dir, "empty.wav", {})},
        {"random bytes .wav", writeFile(dir, "noise.wav", noise())},
        {"random bytes .mid", writeFile(dir, "noise.mid", noise())},
        {"empty .mid", writeFile(dir, "empty.mid", {})},
        {"a folder", dir.path()},
    };
    auto audio = openDevice(dir.filePath("out.raw"));
    for (const auto& row : rows) {
        audio->playEffect(longTone);
        ASSERT_EQ(Mix_Playing(0), 1) << row.what;
        audio->playEffect(row.path);
        EXPECT_EQ(Mix_Playing(0), 0) << row.what;

        // A failed open also leaves no piece open from before.
        ASSERT_TRUE(audio->openMusic(note));
        EXPECT_FALSE(audio->openMusic(row.path)) << row.what;
        EXPECT_EQ(audio->musicMode(), QString()) << row.what;
        EXPECT_EQ(Mix_PlayingMusic(), 0) << row.what;
    }
    // Each kind of file only where it belongs.
    audio->playEffect(longTone);
    audio->playEffect(note);
    EXPECT_EQ(Mix_Playing(0), 0);
    EXPECT_FALSE(audio->openMusic(longTone));
}

TEST_F(SdlAudioOnDisk, MusicPlaysOnceAndStaysOpenUntilClosed)
{
    const QString out = dir.filePath("out.raw");
    auto audio = openDevice(out);
    EXPECT_EQ(audio->musicMode(), QString());
    ASSERT_TRUE(audio->openMusic(note));
    EXPECT_EQ(audio->musicMode(), "stopped");
    audio->playMusic();
    EXPECT_EQ(audio->musicMode(), "playing");
    ASSERT_TRUE(waitFor([&] { return audio->musicMode() != "playing"; }));
    EXPECT_EQ(audio->musicMode(), "stopped");

    // Pause keeps the piece open; a paused piece that is stopped is stopped.
    audio->playMusic();
    EXPECT_EQ(audio->musicMode(), "playing");
    audio->pauseMusic();
    EXPECT_EQ(audio->musicMode(), "paused");
    audio->stopMusic();
    EXPECT_EQ(audio->musicMode(), "stopped");
    audio->playMusic();
    EXPECT_EQ(audio->musicMode(), "playing");
    audio->pauseMusic();
    audio->closeMusic();
    EXPECT_EQ(audio->musicMode(), QString());
    EXPECT_EQ(Mix_PausedMusic(), 0);

    // A second device stays silent and leaves the first one's mixer alone.
    {
        SdlAudio second;
        EXPECT_FALSE(second.isOpen());
        EXPECT_FALSE(second.openMusic(note));
    }
    EXPECT_EQ(Mix_QuerySpec(nullptr, nullptr, nullptr), 1);

    audio.reset();
    const auto s = readSamples(out);
    // The first play alone is 0.3 s of piano, well over 0.1 s of sound.
    EXPECT_GT(countWhere(s, 0, s.size(), isSound), long(0.1 * kRate) * 2);
}

TEST_F(SdlAudioOnDisk, GameFilesBesideTheProgramSound)
{
    const struct {
        const char* name;
        bool music;
        long minSound; // samples, both channels counted
    } rows[] = {
        {"KEZ_V9.wav", false, long(0.5 * kRate)},
        {"KEZ_W0.wav", false, 1000},
        {"KEZ_M0.mid", true, long(0.5 * kRate)},
        {"KEZ_M1.mid", true, long(0.5 * kRate)},
    };
    for (const auto& row : rows) {
        const QString path = gameFile(row.name);
        ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
        const QString out = dir.filePath(QString("out-%1.raw").arg(row.name));
        auto audio = openDevice(out);
        if (row.music) {
            ASSERT_TRUE(audio->openMusic(path)) << row.name;
            audio->playMusic();
            EXPECT_EQ(audio->musicMode(), "playing") << row.name;
            // A piece may run for minutes; its first half second will do.
            EXPECT_TRUE(waitFor([&] {
                const auto s = readSamples(out);
                return countWhere(s, 0, s.size(), isSound) > row.minSound;
            })) << row.name;
        } else {
            audio->playEffect(path);
            EXPECT_EQ(Mix_Playing(0), 1) << row.name;
            EXPECT_TRUE(waitFor([] { return Mix_Playing(0) == 0; })) << row.name;
        }
        audio.reset();
        const auto s = readSamples(out);
        EXPECT_GT(countWhere(s, 0, s.size(), isSound), row.minSound) << row.name;
    }
}

} // namespace
