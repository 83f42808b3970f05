#include "package/NetToGross.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using namespace quillon::package;

// One net-to-gross search with the delivered settings, reporting search rounds per second.
void searchFor(benchmark::State &state, double netRequired, bool annual) {
    const quillon::tax::SetupRecord setup = quillon::tax::deliveredSetup();
    PackageInputs in;
    in.Age = 40;
    in.Amount = netRequired;
    quillon::tax::TaxLookup lookup;
    std::int64_t rounds = 0;
    for (auto _ : state) {
        PackageResults out;
        rounds += searchGross(in, setup, annual, out, lookup);
        benchmark::DoNotOptimize(out.NetFound);
    }
    state.counters["rounds"] =
        benchmark::Counter(static_cast<double>(rounds), benchmark::Counter::kIsRate);
}

void NetAnnual200k(benchmark::State &state) {
    searchFor(state, 200000, true);
}
void NetAnnual1M(benchmark::State &state) {
    searchFor(state, 1000000, true);
}
void NetAnnual10M(benchmark::State &state) {
    searchFor(state, 10000000, true);
}
void NetMonthly10k(benchmark::State &state) {
    searchFor(state, 10000, false);
}

BENCHMARK(NetAnnual200k)->Unit(benchmark::kMillisecond);
BENCHMARK(NetAnnual1M)->Unit(benchmark::kMillisecond);
BENCHMARK(NetAnnual10M)->Unit(benchmark::kMillisecond);
BENCHMARK(NetMonthly10k)->Unit(benchmark::kMicrosecond);

} // namespace
