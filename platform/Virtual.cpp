#include "platform/Virtual.h"

namespace kz {

void VirtualClock::advanceTo(double t)
{
    if (t <= now_)
        return;
    now_ = t;
    if (onAdvance)
        onAdvance(now_);
}

void VirtualTicker::start(int intervalMs, std::function<void()> tick)
{
    tick_ = std::move(tick);
    interval_ = std::max(1, intervalMs);
    next_ = clock_.now() + interval_;
    running_ = true;
}

void VirtualTicker::stop()
{
    running_ = false;
}

void VirtualTicker::fireDue()
{
    while (running_ && next_ <= clock_.now()) {
        next_ += interval_;
        auto tick = tick_; // the tick may stop or restart the timer
        tick();
    }
}

static QString oneLine(QString s)
{
    return s.replace('\n', "\\n");
}

bool ScriptedDialogs::askYesNo(const QString& title, const QString& text)
{
    asked.push_back({"yesno", title, text});
    QString a = "yes";
    if (!answers.empty()) {
        a = answers.front();
        answers.pop_front();
    }
    const bool yes = a.compare("no", Qt::CaseInsensitive) != 0;
    if (platform)
        platform->note("dialog yesno " + oneLine(title) + " | " + oneLine(text) + " -> " + (yes ? "yes" : "no"));
    return yes;
}

std::optional<QString> ScriptedDialogs::askText(const QString& title, const QString& prompt,
                                                const QString& initial)
{
    asked.push_back({"text", title, prompt});
    std::optional<QString> result;
    if (!answers.empty()) {
        const QString a = answers.front();
        answers.pop_front();
        if (a != "cancel")
            result = a.startsWith("text ") ? a.mid(5) : a;
    }
    if (platform)
        platform->note("dialog text " + oneLine(title) + " | " + oneLine(prompt) + " | " + initial + " -> "
                       + (result ? *result : QStringLiteral("(cancel)")));
    return result;
}

void ScriptedDialogs::inform(const QString& title, const QString& text)
{
    asked.push_back({"inform", title, text});
    if (platform)
        platform->note("dialog inform " + oneLine(title) + " | " + oneLine(text));
}

void ScriptedDialogs::warn(const QString& title, const QString& text)
{
    asked.push_back({"warn", title, text});
    if (platform)
        platform->note("dialog warn " + oneLine(title) + " | " + oneLine(text));
}

bool RecordingAudio::openMusic(const QString& path)
{
    calls << "open " + path;
    mode = "stopped";
    return true;
}

void RecordingAudio::playMusic()
{
    calls << "play";
    mode = "playing";
}

void RecordingAudio::pauseMusic()
{
    calls << "pause";
    if (!mode.isEmpty())
        mode = "paused";
}

void RecordingAudio::stopMusic()
{
    calls << "stop";
    if (!mode.isEmpty())
        mode = "stopped";
}

void RecordingAudio::closeMusic()
{
    calls << "close";
    mode.clear();
}

} // namespace kz
