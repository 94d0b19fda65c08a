// kezora-monkey [COUNT [FIRST_SEED]]   plays COUNT random scripts (default 10000)
// kezora-monkey --print SEED           prints the script of one seed
// Exit 1 when any run broke an invariant of the game state; the seed and its
// script are printed so that the run can be replayed with kezora-sim.
#include "Monkey.h"

#include <QApplication>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

std::uint32_t gSeed = 0;

void onAlarm(int)
{
    // A run that takes this long is a hang: say which.
    char msg[80];
    const int n = std::snprintf(msg, sizeof msg, "kezora-monkey: seed %u hangs\n", gSeed);
    (void)!write(2, msg, static_cast<size_t>(n));
    _exit(2);
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.value(0) == "--print") {
        std::fputs(kz::monkey::RandomScript(args.value(1).toUInt()).toUtf8().constData(), stdout);
        return 0;
    }
    const int count = args.isEmpty() ? 10000 : args[0].toInt();
    const std::uint32_t first = args.size() > 1 ? args[1].toUInt() : 1;
    std::signal(SIGALRM, onAlarm);
    int bad = 0, stalls = 0, quits = 0, rankings = 0, checks = 0;
    for (int i = 0; i < count; ++i) {
        gSeed = first + static_cast<std::uint32_t>(i);
        const QString script = kz::monkey::RandomScript(gSeed);
        alarm(120);
        const auto r = kz::monkey::RunChecked(script);
        alarm(0);
        stalls += r.outcome.stalled;
        quits += r.outcome.quit;
        rankings += r.rankings;
        checks += r.checks;
        if (!r.faults.isEmpty()) {
            ++bad;
            std::printf("seed %u: %d fault(s)\n%s\n--- script\n%s---\n", gSeed, int(r.faults.size()),
                        r.faults.mid(0, 10).join('\n').toUtf8().constData(), script.toUtf8().constData());
        }
        if ((i + 1) % 1000 == 0)
            std::fprintf(stderr, "kezora-monkey: %d scripts\n", i + 1);
    }
    std::printf("kezora-monkey: %d scripts (seeds %u..%u), %d with faults; %d stalled, %d quit; %d rankings, %d checks\n",
                count, first, first + static_cast<std::uint32_t>(count) - 1, bad, stalls, quits, rankings, checks);
    return bad ? 1 : 0;
}
