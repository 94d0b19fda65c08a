#pragma once
// The thin layer below the game: time, event handling, dialogs, audio, the
// one random source and the trace. Everything above this folder reaches the
// outside world only through these services, so tests and the headless
// driver can swap all of it.

#include <QByteArray>
#include <QString>
#include <functional>
#include <cstdint>
#include <optional>
#include <vector>

namespace kz {

// Thrown out of a pause or a yield once the program has been asked to end,
// so that a tournament running deep inside nested waits unwinds at once.
// Every entry point that Qt calls (click handlers, menu slots) catches it.
struct QuitRequested {};

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since the clock started.
    virtual double now() const = 0;
    // Blocks for ms milliseconds without handling window events.
    virtual void pause(int ms) = 0;
};

class EventPump {
public:
    virtual ~EventPump() = default;
    // Lets the window handle every pending event once; never blocks.
    virtual void yield() = 0;
    // Blocks until at least one event arrived, then handles what is pending.
    // Used by the button waits, so that waiting costs no processor time.
    virtual void waitForEvents() = 0;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;
    virtual bool askYesNo(const QString& title, const QString& text) = 0;
    // nullopt when the box was cancelled.
    virtual std::optional<QString> askText(const QString& title, const QString& prompt,
                                           const QString& initial) = 0;
    // An information box with the question-mark icon and one OK button.
    virtual void inform(const QString& title, const QString& text) = 0;
    // A plain warning with one OK button.
    virtual void warn(const QString& title, const QString& text) = 0;
};

class AudioDevice {
public:
    virtual ~AudioDevice() = default;
    // Starts an effect, cutting off the one playing; an empty path only silences.
    virtual void playEffect(const QString& path) = 0;
    virtual bool openMusic(const QString& path) = 0;
    virtual void playMusic() = 0;
    virtual void pauseMusic() = 0;
    virtual void stopMusic() = 0;
    virtual void closeMusic() = 0;
    // "playing", "paused", "stopped", or empty when no music is open.
    virtual QString musicMode() = 0;
};

// Whole files in and out. A write replaces the file atomically: a temporary
// file in the same folder, then a rename, so a crash or a full disk leaves
// the old file or the new one, never a torn one.
class FileStore {
public:
    virtual ~FileStore() = default;
    virtual std::optional<QByteArray> read(const QString& path);
    virtual bool write(const QString& path, const QByteArray& bytes);
};

// One repeating timer that runs while the window handles events.
class Ticker {
public:
    virtual ~Ticker() = default;
    virtual void start(int intervalMs, std::function<void()> tick) = 0;
    virtual void stop() = 0;
};

// The program's one uniform generator on [0, 1). It is never seeded from the
// clock: every run draws the same sequence. Tests may supply draws, which are
// used up first.
class Random {
public:
    double next();
    void supply(std::initializer_list<double> draws);
    void supply(const std::vector<double>& draws);
    void reset();
    int draw(int k) { return static_cast<int>(k * next()); }
    std::uint64_t drawsTaken() const { return taken_; }

private:
    std::uint32_t state_ = 0x2545F491u;
    std::vector<double> supplied_;
    std::size_t suppliedPos_ = 0;
    std::uint64_t taken_ = 0;
};

class Trace {
public:
    virtual ~Trace() = default;
    virtual bool enabled() const { return false; }
    virtual void line(const QString&) {}
};

struct Platform {
    Clock* clock = nullptr;
    EventPump* pump = nullptr;
    Dialogs* dialogs = nullptr;
    AudioDevice* audio = nullptr;
    Trace* trace = nullptr;
    FileStore* files = nullptr;
    Ticker* ticker = nullptr;
    Random random;
    QString appDir;
    bool quitRequested = false;

    // Points the platform at all of its parts at once.
    void use(Clock& c, EventPump& p, Dialogs& d, AudioDevice& a, Trace& t, FileStore& f, Ticker& k)
    {
        clock = &c;
        pump = &p;
        dialogs = &d;
        audio = &a;
        trace = &t;
        files = &f;
        ticker = &k;
    }
    void pause(int ms);
    void yield();
    void waitForEvents();
    // Writes "<ms> <text>" to the trace when it is on.
    void note(const QString& text);
    bool tracing() const { return trace && trace->enabled(); }
    void requestQuit() { quitRequested = true; }
};

} // namespace kz
