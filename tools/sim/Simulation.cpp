#include "Simulation.h"

#include "Autoplayer.h"

#include "game/GameState.h"
#include "game/Tournament.h"
#include "game/World.h"
#include "platform/Virtual.h"
#include "shell/Am.h"
#include "shell/Startup.h"
#include "shell/TitleWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QTemporaryDir>
#include <algorithm>
#include <map>
#include <tuple>

namespace kz::sim {

namespace {

class Driver final : public EventPump, public Trace {
public:
    Driver(const Script& script, VirtualClock& clock, Platform& platform, Outcome& out,
           const std::function<void(const QString&)>& sink)
        : script_(script), clock_(clock), platform_(platform), out_(out), sink_(sink)
    {
        for (const Event& e : script.events)
            remaining_.push_back(e);
        const auto seats = script.autoplay;
        const int until = script.autoplayUntil;
        player_.playsWell = [seats, until](int match, int seat) {
            return match <= until && std::find(seats.begin(), seats.end(), seat) != seats.end();
        };
    }

    // Trace: keep the line, and watch for the moments scripted times count from.
    bool enabled() const override { return true; }
    void line(const QString& l) override
    {
        out_.transcript << l;
        if (sink_)
            sink_(l);
        const QString what = l.section(' ', 1);
        const double now = clock_.now();
        player_.onEvent(what);
        if (what == "pass forward" || what == "pass return") {
            const auto& s = state();
            anchors_[{s.MATCH_NO, static_cast<int>(s.CUR_SEAT), what == "pass return"}] = now;
        } else if (what == "wait Are" && script_.areDelay) {
            press_ = Press{now + *script_.areDelay, am().Are};
        } else if (what == "wait Pre" && script_.preDelay) {
            press_ = Press{now + *script_.preDelay, am().Pre};
        } else if (what == "title shown" && script_.titleDelay) {
            titleAt_ = now + *script_.titleDelay;
        }
    }

    void yield() override
    {
        deliverDue();
        player_.act();
        ticker_.fireDue();
        QCoreApplication::processEvents();
    }

    VirtualTicker& ticker() { return ticker_; }

    void waitForEvents() override
    {
        if (!hasDue()) {
            const double next = nextTime();
            if (next < 0) {
                out_.stalled = true;
                platform_.note("stall");
                platform_.requestQuit();
                return;
            }
            clock_.advanceTo(next);
        }
        yield();
    }

    // Runs the script's events that no wait will reach (those before and
    // between tournaments). Returns when nothing is left.
    void runIdle()
    {
        while (!platform_.quitRequested) {
            const double next = nextTime(/*idle=*/true);
            if (next < 0)
                break;
            if (script_.endAt >= 0 && next > script_.endAt)
                break;
            clock_.advanceTo(next);
            try {
                yield();
            } catch (const QuitRequested&) {
                break;
            }
        }
    }

private:
    struct Press {
        double at;
        QAbstractButton* button;
    };

    double timeOf(const Event& e) const
    {
        if (e.when == Event::When::Absolute)
            return e.at;
        const auto it = anchors_.find({e.match, e.seat, e.returnPass});
        return it == anchors_.end() ? -1 : it->second + e.at;
    }

    bool hasDue() const
    {
        const double now = clock_.now();
        for (const Event& e : remaining_) {
            const double t = timeOf(e);
            if (t >= 0 && t <= now)
                return true;
        }
        return press_ && press_->at <= now;
    }

    double nextTime(bool idle = false) const
    {
        double best = -1;
        for (const Event& e : remaining_) {
            const double t = timeOf(e);
            if (t >= 0 && (best < 0 || t < best))
                best = t;
        }
        if (!idle && press_ && (best < 0 || press_->at < best))
            best = press_->at;
        if (titleAt_ >= 0 && (best < 0 || titleAt_ < best))
            best = titleAt_;
        // Timer ticks only matter while something else is still to come, or
        // until the script's end.
        const double tick = ticker_.nextTick();
        if (tick >= 0 && (best >= 0 || script_.endAt >= 0) && (best < 0 || tick < best))
            best = tick;
        return best;
    }

    void deliverDue()
    {
        const double now = clock_.now();
        if (titleAt_ >= 0 && titleAt_ <= now) {
            titleAt_ = -1;
            if (TitleWindow* t = am().atitle) {
                if (script_.titleByKey) {
                    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
                    QCoreApplication::sendEvent(t->TIT, &key);
                } else {
                    sendMouse(t->TIT, Qt::LeftButton);
                }
            }
        }
        if (press_ && press_->at <= now) {
            QAbstractButton* b = press_->button;
            press_.reset();
            if (b->isVisible())
                b->click();
        }
        // Everything due at this yield, in script order.
        std::vector<Event> due;
        for (auto it = remaining_.begin(); it != remaining_.end();) {
            const double t = timeOf(*it);
            if (t >= 0 && t <= now) {
                due.push_back(*it);
                it = remaining_.erase(it);
            } else {
                ++it;
            }
        }
        std::sort(due.begin(), due.end(), [](const Event& a, const Event& b) { return a.order < b.order; });
        for (const Event& e : due)
            perform(e.action);
    }

    static QWidget* keyTarget()
    {
        QWidget* w = QApplication::focusWidget();
        return w ? w : &am();
    }

    static void sendKey(int key, const QString& text)
    {
        QWidget* target = keyTarget();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(target, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(keyTarget(), &release);
    }

    static void sendMouse(QWidget* w, Qt::MouseButton button, QEvent::Type type = QEvent::MouseButtonPress)
    {
        const QPointF local(w->width() / 2.0, w->height() / 2.0);
        const QPointF global = w->mapToGlobal(local);
        QMouseEvent press(type, local, global, button, button, Qt::NoModifier);
        QCoreApplication::sendEvent(w, &press);
        if (type == QEvent::MouseButtonPress) {
            QMouseEvent release(QEvent::MouseButtonRelease, local, global, button, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(w, &release);
        }
    }

    void clickIfVisible(QAbstractButton* b, const QString& what)
    {
        if (b->isVisible())
            b->click();
        else
            platform_.note("ignored click " + what);
    }

    void perform(const Action& a)
    {
        auto& w = am();
        const QString arg0 = a.args.value(0);
        const int n = a.args.value(1).toInt();
        if (a.verb == "hand" || a.verb == "foot" || a.verb == "space" || a.verb == "muhenkan") {
            static const std::map<QString, std::pair<int, QString>> keys = {
                {"hand", {Qt::Key_Z, "z"}}, {"foot", {Qt::Key_X, "x"}}, {"space", {Qt::Key_Space, " "}},
                {"muhenkan", {Qt::Key_Muhenkan, ""}}};
            const auto& k = keys.at(a.verb);
            for (int i = 0; i < a.repeat; ++i)
                sendKey(k.first, k.second);
        } else if (a.verb == "lmb" || a.verb == "rmb") {
            for (int i = 0; i < a.repeat; ++i)
                sendMouse(w.BGV, a.verb == "lmb" ? Qt::LeftButton : Qt::RightButton);
        } else if (a.verb == "key") {
            if (arg0 == "enter")
                sendKey(Qt::Key_Return, "\r");
        } else if (a.verb == "menu") {
            platform_.note("choose " + a.args.join(' '));
            if (arg0 == "start")
                w.MENU1[0]->trigger();
            else if (arg0 == "version")
                w.MENU1[2]->trigger();
            else if (arg0 == "quit")
                w.MENU1[3]->trigger();
            else if (arg0 == "players" && n >= 1 && n <= 4)
                w.MENU2[n - 1]->trigger();
            else if (arg0 == "howto")
                w.MENU3[0]->trigger();
            else if (arg0 == "controls")
                w.MENU3[1]->trigger();
        } else if (a.verb == "click") {
            if (arg0 == "start")
                clickIfVisible(w.GM_START, "start");
            else if (arg0 == "are")
                clickIfVisible(w.Are, "are");
            else if (arg0 == "pre")
                clickIfVisible(w.Pre, "pre");
            else if (arg0 == "sel" && n >= 1 && n <= 4)
                clickIfVisible(w.SEL[n - 1], "sel");
            else if (arg0 == "name" && n >= 0 && n <= 3)
                sendMouse(w.L_NM[n], Qt::LeftButton);
        } else if (a.verb == "drag" && a.args.size() == 2) {
            // Press on one name label and let go over another (or off the labels).
            const int from = arg0.toInt();
            if (from < 0 || from > 3)
                return;
            QWidget* src = w.L_NM[from];
            const QPointF local(src->width() / 2.0, src->height() / 2.0);
            QPointF global = src->mapToGlobal(local);
            const int to = a.args[1] == "off" ? -1 : a.args[1].toInt();
            if (to >= 0 && to <= 3)
                global = w.L_NM[to]->mapToGlobal(local);
            else
                global = w.HAI->mapToGlobal(QPointF(700, 200));
            QMouseEvent press(QEvent::MouseButtonPress, local, src->mapToGlobal(local), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(src, &press);
            QMouseEvent release(QEvent::MouseButtonRelease, src->mapFromGlobal(global), global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
            QCoreApplication::sendEvent(src, &release);
        } else if (a.verb == "dblclick" && arg0 == "hotspot") {
            sendMouse(w.Image1, Qt::LeftButton, QEvent::MouseButtonDblClick);
        } else if (a.verb == "close") {
            w.close();
        }
    }

    const Script& script_;
    VirtualClock& clock_;
    Platform& platform_;
    Outcome& out_;
    std::function<void(const QString&)> sink_;
    std::vector<Event> remaining_;
    std::map<std::tuple<int, int, bool>, double> anchors_;
    std::optional<Press> press_;
    double titleAt_ = -1;
    Autoplayer player_;
    VirtualTicker ticker_{clock_};
};

QString num(double v)
{
    return QString::number(v, 'g', 15);
}

} // namespace

QStringList DumpState()
{
    const auto& s = state();
    QStringList out;
    auto put = [&](const QString& field, const QString& value) { out << "state " + field + " " + value; };
    auto seat = [&](const char* f, int i, const QString& v) { put(QString("%1[%2]").arg(f).arg(i), v); };
    put("LAST_PLAYER", QString::number(s.LAST_PLAYER));
    for (int i = 0; i < kSeats; ++i) {
        seat("PL_NAME", i, s.PL_NAME[i]);
        seat("PL_STATE", i, QString::number(s.PL_STATE[i]));
        seat("PL_SCORE", i, num(s.PL_SCORE[i]));
        seat("PL_TOTAL", i, num(s.PL_TOTAL[i]));
        seat("PL_RANK", i, QString::number(s.PL_RANK[i]));
        seat("PL_MRANK", i, QString::number(s.PL_MRANK[i]));
    }
    for (int i = 0; i < kSlots; ++i) {
        seat("ATH_NAME", i, s.ATH_NAME[i]);
        seat("ATH_STATE", i, QString::number(s.ATH_STATE[i]));
        seat("ATH_SCORE", i, num(s.ATH_SCORE[i]));
        seat("ATH_TOTAL", i, num(s.ATH_TOTAL[i]));
    }
    put("STOP_FLAG", QString::number(s.STOP_FLAG));
    put("MATCH_NO", QString::number(s.MATCH_NO));
    put("BASE_LEVEL", QString::number(s.BASE_LEVEL));
    put("CUR_SEAT", QString::number(s.CUR_SEAT));
    put("POS_X", QString::number(s.POS_X));
    put("POS_Y", QString::number(s.POS_Y));
    put("SPEED_X", QString::number(s.SPEED_X));
    put("FRAME_WAIT", QString::number(s.FRAME_WAIT));
    put("SMALL_TECH", QString::number(s.SMALL_TECH));
    put("BIG_TECH", QString::number(s.BIG_TECH));
    put("FAULT_SCORE", QString::number(s.FAULT_SCORE));
    put("CHARM", QString::number(s.CHARM));
    put("EVALUATION", num(s.EVALUATION));
    for (int i = 0; i < 7; ++i)
        seat("MOVE_USED", i, QString::number(s.MOVE_USED[i]));
    put("RECORD", num(s.RECORD));
    put("RECORD_NAME", s.RECORD_NAME);
    return out;
}

Outcome RunSimulation(const Script& script, const std::function<void(const QString&)>& sink)
{
    Outcome out;
    VirtualClock clock;
    ScriptedDialogs dialogs;
    RecordingAudio audio;
    FileStore files;
    Platform platform;
    Driver driver(script, clock, platform, out, sink);
    platform.use(clock, driver, dialogs, audio, driver, files, driver.ticker());
    // A fresh folder unless the script names one, so that no run sees another's records.
    QTemporaryDir scratch;
    platform.appDir = script.appDir.isEmpty() ? scratch.path() : script.appDir;
    dialogs.platform = &platform;
    for (const QString& a : script.answers)
        dialogs.answers.push_back(a);

    Surface::setPresentImmediately(false);
    GameState gameState;
    installWorld(&gameState, nullptr, &platform);
    ResetTournamentGuards();
    {
        Am window;
        installWorld(&gameState, &window, &platform);
        StartUp();
        QCoreApplication::processEvents();
        if (script.players > 0)
            window.SEL[script.players - 1]->setChecked(true);
        for (const auto& [seat, name] : script.names) {
            gameState.PL_NAME[seat] = name;
            window.setNameCaption(seat, name);
        }
        driver.runIdle();
        out.quit = platform.quitRequested && !out.stalled;
        for (const QString& l : DumpState()) {
            out.transcript << l;
            if (sink)
                sink(l);
        }
    }
    installWorld(nullptr, nullptr, nullptr);
    return out;
}

} // namespace kz::sim
