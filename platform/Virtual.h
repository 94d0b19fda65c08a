#pragma once
// Services for tests and the headless driver: virtual time, scripted dialog
// answers, an audio device that records what it was asked, a trace in memory.

#include "platform/Platform.h"

#include <QStringList>
#include <deque>
#include <functional>

namespace kz {

// Time moves only when the game pauses (or a driver moves it), so a whole
// tournament runs in a fraction of a second and always the same way.
class VirtualClock final : public Clock {
public:
    double now() const override { return now_; }
    void pause(int ms) override { advanceTo(now_ + ms); }
    void advanceTo(double t);
    // Called whenever time moves on, before the pause returns.
    std::function<void(double)> onAdvance;

private:
    double now_ = 0;
};

// The repeating timer on virtual time: ticks are due every interval and fire
// when the event pump next handles events, as a real timer's would.
class VirtualTicker final : public Ticker {
public:
    explicit VirtualTicker(const Clock& clock) : clock_(clock) {}
    void start(int intervalMs, std::function<void()> tick) override;
    void stop() override;
    // Fires the ticks that are due by now, one at a time.
    void fireDue();
    // Time of the next tick, or -1 when stopped.
    double nextTick() const { return running_ ? next_ : -1; }

private:
    const Clock& clock_;
    std::function<void()> tick_;
    double next_ = 0;
    int interval_ = 0;
    bool running_ = false;
};

class ScriptedDialogs final : public Dialogs {
public:
    struct Asked {
        QString kind, title, text;
    };
    // Answers given in order; when they run out, Yes/OK and cancel.
    std::deque<QString> answers;
    std::vector<Asked> asked;
    Platform* platform = nullptr; // for trace lines

    bool askYesNo(const QString& title, const QString& text) override;
    std::optional<QString> askText(const QString& title, const QString& prompt,
                                   const QString& initial) override;
    void inform(const QString& title, const QString& text) override;
    void warn(const QString& title, const QString& text) override;
};

class RecordingAudio final : public AudioDevice {
public:
    QStringList calls;
    QString mode; // what musicMode() reports
    void playEffect(const QString& path) override { calls << "effect " + path; }
    bool openMusic(const QString& path) override;
    void playMusic() override;
    void pauseMusic() override;
    void stopMusic() override;
    void closeMusic() override;
    QString musicMode() override { return mode; }
};

class MemoryTrace final : public Trace {
public:
    QStringList lines;
    bool enabled() const override { return true; }
    void line(const QString& l) override { lines << l; }
};

} // namespace kz
