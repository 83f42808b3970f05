#include "business/LoanBuster.h"
#include "business/LoanFormulas.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace quillon::business;

namespace {

// The period search: 100000 at 12% found at 240 months, and a repayment that barely covers the
// interest, which walks to the 600-month limit.
void BM_PeriodSearch(benchmark::State &state) {
    const double repayment = state.range(0) == 0 ? 1101.08 : 1002.0;
    for (auto _ : state)
        benchmark::DoNotOptimize(searchPeriod(100000, 12, repayment));
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(state.range(0) == 0 ? "240 months" : "600-month limit");
}
BENCHMARK(BM_PeriodSearch)->Arg(0)->Arg(1);

// The rate search back from the repayment: 12% and close to the 50% limit.
void BM_RateSearch(benchmark::State &state) {
    const double rate = state.range(0) == 0 ? 12 : 49.99;
    const double target = loanRepayment(100000, 240, rate);
    for (auto _ : state)
        benchmark::DoNotOptimize(searchRate(100000, 240, target));
    state.SetItemsProcessed(state.iterations());
    state.SetLabel(state.range(0) == 0 ? "12%" : "49.99%");
}
BENCHMARK(BM_RateSearch)->Arg(0)->Arg(1);

// The worst rate target the command line accepts: refused at the ceiling check.
void BM_RateSearchOutOfReach(benchmark::State &state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(searchRate(1000, 600, 9999999.99));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RateSearchOutOfReach);

// One loan-buster calculation with an extra payment of 200.
void BM_BusterCalculate(benchmark::State &state) {
    auto loan = std::make_unique<LoanMemory>();
    const BusterInputs in{100000, 240, 12.0f, 200};
    for (auto _ : state)
        benchmark::DoNotOptimize(calculateBuster(in, BusterResults{}, *loan));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BusterCalculate);

} // namespace
