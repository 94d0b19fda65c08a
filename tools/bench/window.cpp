// Whole-window measurements in a real X server: the frame timing of every
// motion played by the real PlayMove, and DrawAthlete with its present.
//   kezora-bench-window frames   (KEZORA_BENCH_DETAIL=1: one line per motion)
//   kezora-bench-window draw
//   kezora-bench-window split    composition and present apart, after sleeps

#include "Stats.h"
#include "game/GameState.h"
#include "game/World.h"
#include "performance/Motions.h"
#include "performance/SpriteRenderer.h"
#include "platform/QtPlatform.h"
#include "platform/SdlAudio.h"
#include "shell/Am.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QPainter>
#include <cmath>
#include <cstring>

using namespace kz;
using bench::fmt;

namespace {

// The real clock, with a timestamp on both sides of every pause.
class TimedClock final : public Clock {
public:
    struct Pause {
        double start, end;
    };
    std::vector<Pause> pauses;
    double now() const override { return inner_.now(); }
    void pause(int ms) override
    {
        const double start = inner_.now();
        inner_.pause(ms);
        pauses.push_back({start, inner_.now()});
    }

private:
    SteadyClock inner_;
};

// Timestamps of the paint events of the arena view: a frame counts as
// presented when one fell between its draw and its pause.
class PaintStamps final : public QObject {
public:
    explicit PaintStamps(const Clock& clock) : clock_(clock) {}
    std::vector<double> stamps;

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Paint)
            stamps.push_back(clock_.now());
        return false;
    }

private:
    const Clock& clock_;
};

struct Window {
    TimedClock clock;
    QtEventPump pump;
    QtDialogs dialogs;
    SdlAudio audio;
    Trace trace;
    FileStore files;
    QtTicker ticker;
    Platform platform;
    GameState s;
    std::unique_ptr<Am> am;

    Window()
    {
        platform.use(clock, pump, dialogs, audio, trace, files, ticker);
        platform.appDir = QCoreApplication::applicationDirPath();
        installWorld(&s, nullptr, &platform);
        am = std::make_unique<Am>();
        installWorld(&s, am.get(), &platform);
        am->show();
        // Until the window is mapped and has painted once.
        QElapsedTimer t;
        t.start();
        while (t.elapsed() < 700)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    ~Window()
    {
        am.reset();
        installWorld(nullptr, nullptr, nullptr);
    }
};

int frames()
{
    Window w;
    PaintStamps paints(w.clock);
    w.am->BGV->installEventFilter(&paints);
    bool allMet = true;
    for (const int wait : {10, 55}) {
        std::vector<double> deviation, excessPerFrame;
        int presented = 0, total = 0;
        const int rounds = wait == 10 ? 6 : 2;
        for (int round = 0; round < rounds; ++round) {
            for (const Motion& m : MotionTable()) {
                if (m.name.startsWith("END_"))
                    continue; // they set their own 80 ms
                w.s.POS_X = 300;
                w.s.POS_Y = 95;
                w.s.SPEED_X = 8;
                w.s.FRAME_WAIT = static_cast<std::int16_t>(wait);
                w.clock.pauses.clear();
                paints.stamps.clear();
                const double begin = w.clock.now();
                PlayMove(m.name);
                const double end = w.clock.now();
                const auto& ps = w.clock.pauses;
                const int n = static_cast<int>(ps.size());
                double previousEnd = begin;
                for (const auto& p : ps) {
                    // The period is the draw (whatever ran since the last
                    // pause) plus the pause; what it exceeds that by is late waking.
                    const double draw = p.start - previousEnd;
                    const double period = p.end - previousEnd;
                    deviation.push_back(std::fabs(period - (wait + draw)));
                    for (double t : paints.stamps)
                        if (t >= previousEnd && t <= p.start) {
                            ++presented;
                            break;
                        }
                    ++total;
                    previousEnd = p.end;
                }
                excessPerFrame.push_back(((end - begin) - n * wait) / n);
                if (qEnvironmentVariableIsSet("KEZORA_BENCH_DETAIL")) {
                    double over = 0;
                    for (const auto& p : ps)
                        over += p.end - p.start - wait;
                    std::printf("  %s: %d frames, %.3f ms/frame late waking, %.3f ms/frame the rest\n",
                                qPrintable(m.name), n, over / n, ((end - begin) - n * wait - over) / n);
                }
            }
        }
        const auto dev = bench::summarise(deviation);
        // The worst motion counts: each must keep its length.
        const auto ex = bench::summarise(excessPerFrame);
        const bool met = dev.median <= 0.3 && dev.p99 <= 1.5 && ex.max <= 0.5 && presented == total;
        allMet = allMet && met;
        bench::report("frame_timing_" + std::to_string(wait) + "ms", "median<=0.3ms,p99<=1.5ms,excess<=0.5ms/frame",
                      fmt("median=%.3fms,p99=%.3fms", dev.median, dev.p99) + fmt(",worst_motion_excess=%.3fms/frame", ex.max), met,
                      fmt("frames=%.0f", total) + fmt(" min-max=%.3f-%.3fms", dev.min, dev.max)
                          + fmt(" motion_excess_median=%.3fms/frame", ex.median) + fmt(" presented=%.0f/%.0f", presented, total));
    }
    return allMet ? 0 : 1;
}

int draw()
{
    Window w;
    std::vector<double> samples;
    w.s.POS_Y = 95;
    for (int i = 0; i < 3000; ++i) {
        w.s.POS_X = (i * 8) % 740;
        const double t0 = w.clock.now();
        DrawAthlete(static_cast<std::int16_t>(i % 76));
        samples.push_back(w.clock.now() - t0);
        if (i % 50 == 0)
            QCoreApplication::processEvents(); // the server's replies, as the game's yields do
    }
    const auto s = bench::summarise(samples);
    bench::report("draw_athlete_window", "0.25ms", fmt("%.3fms", s.median), s.median <= 0.25,
                  fmt("p99=%.3fms", s.p99) + fmt(" min-max=%.3f-%.3fms", s.min, s.max));
    return s.median <= 0.25 ? 0 : 1;
}

int split()
{
    Window w;
    std::vector<double> compose, present;
    for (int i = 0; i < 300; ++i) {
        w.clock.pause(10);
        const QPoint at((i * 8) % 740, 95);
        const double t0 = w.clock.now();
        ComposeTile(w.am->Dummy, w.am->BG, w.am->M_CHA, w.am->CHA, at, i % 76);
        {
            QPainter p(&w.am->BGV->image());
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.drawImage(at, w.am->Dummy);
        }
        const double t1 = w.clock.now();
        w.am->BGV->present(QRect(at, QSize(200, 200)));
        const double t2 = w.clock.now();
        compose.push_back(t1 - t0);
        present.push_back(t2 - t1);
    }
    auto c = bench::summarise(compose), p = bench::summarise(present);
    std::printf("compose median %.3f p99 %.3f; present median %.3f p99 %.3f\n", c.median, c.p99, p.median, p.p99);
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const char* what = argc > 1 ? argv[1] : "";
    if (std::strcmp(what, "frames") == 0)
        return frames();
    if (std::strcmp(what, "split") == 0)
        return split();
    if (std::strcmp(what, "draw") == 0)
        return draw();
    std::fprintf(stderr, "usage: kezora-bench-window frames|draw|split\n");
    return 2;
}
