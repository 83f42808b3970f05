#include "package/NetToGross.h"

#include <benchmark/benchmark.h>

#include <cstdint>

namespace {

using namespace quillon::package;

// One net-to-gross search with the delivered settings, reporting the whole-rand gross steps it
// covers per second (the rounds a walk from 1 would take).
template <bool Walk = false>
void searchFor(benchmark::State &state, double netRequired, bool annual) {
    const quillon::tax::SetupRecord setup = quillon::tax::deliveredSetup();
    PackageInputs in;
    in.Age = 40;
    in.Amount = netRequired;
    quillon::tax::TaxLookup lookup;
    std::int64_t rounds = 0;
    for (auto _ : state) {
        PackageResults out;
        rounds += Walk ? walkGross(in, setup, annual, out, lookup)
                       : searchGross(in, setup, annual, out, lookup);
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
// Beyond any gross: the search gives up at its limit.
void NetAnnual1e12(benchmark::State &state) {
    searchFor(state, 1e12, true);
}
// The walk the fast search replaces, for comparison.
void WalkNetAnnual200k(benchmark::State &state) {
    searchFor<true>(state, 200000, true);
}
void WalkNetMonthly10k(benchmark::State &state) {
    searchFor<true>(state, 10000, false);
}

BENCHMARK(NetAnnual200k)->Unit(benchmark::kMicrosecond);
BENCHMARK(NetAnnual1M)->Unit(benchmark::kMicrosecond);
BENCHMARK(NetAnnual10M)->Unit(benchmark::kMicrosecond);
BENCHMARK(NetMonthly10k)->Unit(benchmark::kMicrosecond);
BENCHMARK(NetAnnual1e12)->Unit(benchmark::kMicrosecond);
BENCHMARK(WalkNetAnnual200k)->Unit(benchmark::kMillisecond);
BENCHMARK(WalkNetMonthly10k)->Unit(benchmark::kMicrosecond);

} // namespace
