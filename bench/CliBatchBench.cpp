#include "cli/Runner.h"

#include <QBuffer>
#include <QTextStream>

#include <benchmark/benchmark.h>

namespace {

using namespace quillon::cli;

// Input through quillon-calc's whole path: read a line or row, parse it, check its keys, work
// out the tax, write the answer. Reports input lines (or rows) a second.
void run(benchmark::State &state, const QStringList &arguments, const QByteArray &input,
         int lines) {
    CommandRegistry registry;
    registerPayeCommands(registry);
    registerBusinessCommands(registry);
    for (auto _ : state) {
        QBuffer in;
        in.setData(input);
        in.open(QIODevice::ReadOnly);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QString errText;
        QTextStream err(&errText);
        const int code = runCommandLine(
            registry, arguments, [&in](char *data, qint64 size) { return in.read(data, size); },
            out, err);
        if (code != 0)
            state.SkipWithError("the batch was refused");
        benchmark::DoNotOptimize(out.data().size());
    }
    state.SetItemsProcessed(state.iterations() * lines);
}

constexpr int kLines = 20000;

void batchOf(benchmark::State &state, const char *command, const QByteArray &line) {
    QByteArray input;
    input.reserve(line.size() * kLines + kLines);
    for (int i = 0; i < kLines; ++i)
        input += line + '\n';
    run(state, {QStringLiteral("quillon-calc"), QString::fromLatin1(command)}, input, kLines);
}

void AnnualBatch(benchmark::State &state) {
    batchOf(state, "annual", R"({"salary":300000,"age":40,"employeeMedAid":1200,"bonus":20000})");
}
BENCHMARK(AnnualBatch)->Unit(benchmark::kMillisecond);

void MonthlyBatch(benchmark::State &state) {
    batchOf(state, "monthly", R"({"salary":25000.50,"age":40,"employeeFund":1500})");
}
BENCHMARK(MonthlyBatch)->Unit(benchmark::kMillisecond);

void LoanBatch(benchmark::State &state) {
    batchOf(state, "loan", R"({"principal":100000,"period":240,"rate":12})");
}
BENCHMARK(LoanBatch)->Unit(benchmark::kMillisecond);

// The monthly employees as a spreadsheet through --csv, beside the JSON batch.
void MonthlyCsvBatch(benchmark::State &state) {
    QByteArray input = "salary,age,employeeFund,bonus\n";
    for (int i = 0; i < kLines; ++i)
        input += "25000.50,40,1500,\n";
    run(state, {QStringLiteral("quillon-calc"), QStringLiteral("monthly"), QStringLiteral("--csv")},
        input, kLines);
}
BENCHMARK(MonthlyCsvBatch)->Unit(benchmark::kMillisecond);

} // namespace
