// kezora-soak [N]: N whole four-player tournaments (default 200) in one
// process through the headless driver. Resident memory after each must stay
// within 2 MB of what it was after the first; leaks are LeakSanitizer's to
// report in the sanitizer build (whose own quarantine makes RSS meaningless).
#include "Monkey.h"

#include <QApplication>
#include <QRegularExpression>
#include <cstdio>
#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace {

long residentKb()
{
    // Free heap pages go back first, so that what is left is what is held.
    malloc_trim(0);
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMeasureMemory = false;
#else
constexpr bool kMeasureMemory = true;
#endif

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int n = argc > 1 ? std::atoi(argv[1]) : 200;
    const QString script = "players 4\nautoplay all\nstart\n";
    long first = 0, highest = 0;
    int failures = 0;
    for (int i = 1; i <= n; ++i) {
        const auto r = kz::monkey::RunChecked(script);
        const bool finished = r.outcome.transcript.contains(QRegularExpression("^\\d+ message 1 おつかれさまでした$"));
        if (!r.faults.isEmpty() || r.outcome.stalled || !finished) {
            ++failures;
            std::printf("tournament %d: %s%s\n", i, finished ? "" : "did not finish; ",
                        r.faults.join("; ").toUtf8().constData());
        }
        const long kb = residentKb();
        if (i == 1)
            first = kb;
        highest = std::max(highest, kb);
        if (i <= 3 || i % 50 == 0 || i == n || std::getenv("KEZORA_SOAK_EVERY"))
            std::printf("after %d: %ld kB resident\n", i, kb);
    }
    const long growth = highest - first;
    std::printf("kezora-soak: %d tournaments, %d failed; resident %ld kB after the first, at most %ld kB (+%ld kB)%s\n", n,
                failures, first, highest, growth, kMeasureMemory ? "" : " [not judged under ASan]");
    if (kMeasureMemory && growth > 2048) {
        std::printf("kezora-soak: memory grew by more than 2 MB\n");
        return 1;
    }
    return failures ? 1 : 0;
}
