#pragma once
// Production services: the real clock, Qt's event loop and dialogs.

#include "platform/Platform.h"

#include <chrono>

class QTimer;
class QWidget;

namespace kz {

class SteadyClock final : public Clock {
public:
    SteadyClock();
    double now() const override;
    // Sleeps to an absolute deadline, so that the pause is as long as asked
    // and not rounded to a timer tick; it aims early by how late waking has
    // lately been, so that the pause ends when it is due, not a wake-up later.
    void pause(int ms) override;

private:
    std::chrono::steady_clock::time_point start_;
    long long leadNs_ = 0;
};

class QtEventPump final : public EventPump {
public:
    void yield() override;
    void waitForEvents() override;
};

class QtDialogs final : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    bool askYesNo(const QString& title, const QString& text) override;
    std::optional<QString> askText(const QString& title, const QString& prompt,
                                   const QString& initial) override;
    void inform(const QString& title, const QString& text) override;
    void warn(const QString& title, const QString& text) override;

private:
    QWidget* parent_;
};

class QtTicker final : public Ticker {
public:
    QtTicker();
    ~QtTicker() override;
    void start(int intervalMs, std::function<void()> tick) override;
    void stop() override;

private:
    QTimer* timer_;
    std::function<void()> tick_;
};

// No sound at all: what the game does where no audio device can be opened.
class SilentAudio final : public AudioDevice {
public:
    void playEffect(const QString&) override {}
    bool openMusic(const QString&) override { return false; }
    void playMusic() override {}
    void pauseMusic() override {}
    void stopMusic() override {}
    void closeMusic() override {}
    QString musicMode() override { return {}; }
};

} // namespace kz
