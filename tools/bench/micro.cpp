// Micro-benchmarks on bare pictures and a window that is not shown:
// the tile composition and the two ranking passes.

#include "Stats.h"
#include "game/GameState.h"
#include "performance/SpriteRenderer.h"
#include "presentation/Ranking.h"
#include "tests/support/TestWorld.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <map>
#include <random>

using namespace kz;

namespace {

QImage noise(QSize size, std::uint32_t seed)
{
    QImage img(size, QImage::Format_RGB32);
    std::mt19937 gen(seed);
    for (int y = 0; y < img.height(); ++y) {
        auto* line = reinterpret_cast<quint32*>(img.scanLine(y));
        for (int x = 0; x < img.width(); ++x)
            line[x] = 0xff000000u | (gen() & 0xffffffu);
    }
    return img;
}

void ComposeTileAlone(benchmark::State& st)
{
    QImage tile(200, 200, QImage::Format_RGB32);
    const QImage bg = noise({786, 300}, 1), mask = noise({760, 160}, 2), figure = noise({760, 160}, 3);
    int n = 0;
    for (auto _ : st) {
        ComposeTile(tile, bg, mask, figure, QPoint(10 + (n * 7) % 600, 95), n % 76);
        benchmark::DoNotOptimize(tile.constBits());
        ++n;
    }
}

// Ranking without the event processing between its steps.
struct NoEvents final : EventPump {
    void yield() override {}
    void waitForEvents() override {}
};

struct RankingWorld {
    test::TestWorld w;
    NoEvents pump;
    Trace quiet;
    std::array<int, kSlots> states{};
    std::array<double, kSlots> totals{};
    RankingWorld()
    {
        w.platform.pump = &pump;
        w.platform.trace = &quiet;
        std::mt19937 gen(7);
        for (int seat = 0; seat < kSeats; ++seat)
            w.s.PL_STATE[seat] = 1;
        for (int i = 0; i < kSlots; ++i) {
            w.s.ATH_NAME[i] = QString("選手%1").arg(i);
            w.s.ATH_STATE[i] = 1;
            // One decimal, as the judges give it: ties happen.
            w.s.ATH_SCORE[i] = (gen() % 400) / 10.0 + 50;
            w.s.ATH_TOTAL[i] = (gen() % 2000) / 10.0;
        }
        for (int seat = 0; seat < kSeats; ++seat)
            w.s.PL_SCORE[seat] = w.s.ATH_SCORE[96 + seat];
        w.s.BASE_LEVEL = 60;
        states = w.s.ATH_STATE;
        totals = w.s.ATH_TOTAL;
    }
    void restore()
    {
        w.s.ATH_STATE = states;
        w.s.ATH_TOTAL = totals;
    }
};

void RankTotalsOf100(benchmark::State& st)
{
    RankingWorld r;
    for (auto _ : st) {
        st.PauseTiming();
        r.restore();
        st.ResumeTiming();
        RankTotals();
    }
}

void RankMatchOf100(benchmark::State& st)
{
    RankingWorld r;
    for (auto _ : st) {
        st.PauseTiming();
        r.restore();
        st.ResumeTiming();
        RankMatch();
    }
}

double percentile99(const std::vector<double>& v)
{
    return bench::summarise(v).p99;
}
double minimum(const std::vector<double>& v)
{
    return bench::summarise(v).min;
}
double maximum(const std::vector<double>& v)
{
    return bench::summarise(v).max;
}

// Prints one line per benchmark from the statistics over its repetitions.
class LineReporter final : public benchmark::BenchmarkReporter {
public:
    std::map<std::string, double> targetUs;
    bool ReportContext(const Context&) override { return true; }
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& r : runs)
            if (r.run_type == Run::RT_Aggregate)
                stats_[r.run_name.function_name][r.aggregate_name] = r.GetAdjustedRealTime() / 1000.0;
    }
    void Finalize() override
    {
        for (auto& [name, s] : stats_) {
            const double target = targetUs[name];
            bench::report(name, bench::fmt("%.0fus", target), bench::fmt("%.1fus", s["median"]), s["median"] <= target,
                          bench::fmt("p99=%.1fus", s["p99"]) + bench::fmt(" min-max=%.1f-%.1fus", s["min"], s["max"]));
        }
    }

private:
    std::map<std::string, std::map<std::string, double>> stats_;
};

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    for (auto* b : {benchmark::RegisterBenchmark("compose_tile", ComposeTileAlone),
                    benchmark::RegisterBenchmark("rank_totals_100", RankTotalsOf100),
                    benchmark::RegisterBenchmark("rank_match_100", RankMatchOf100)}) {
        b->Unit(benchmark::kNanosecond)
            ->Repetitions(25)
            ->MinTime(0.02)
            ->ReportAggregatesOnly(true)
            ->ComputeStatistics("p99", percentile99)
            ->ComputeStatistics("min", minimum)
            ->ComputeStatistics("max", maximum);
    }
    LineReporter reporter;
    reporter.targetUs = {{"compose_tile", 50}, {"rank_totals_100", 200}, {"rank_match_100", 200}};
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
