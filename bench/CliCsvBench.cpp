#include "cli/Runner.h"

#include <QBuffer>
#include <QTextStream>

#include <benchmark/benchmark.h>

namespace {

using namespace quillon::cli;

// A spreadsheet of employees through quillon-calc --csv: read a row, turn it into the input
// object, work out the tax, flatten the answer into cells. Reports rows a second, to set
// beside the JSON batch of the same employees.
void MonthlyCsvBatch(benchmark::State &state) {
    constexpr int kRows = 20000;
    QByteArray input = "salary,age,employeeFund,bonus\n";
    for (int i = 0; i < kRows; ++i)
        input += "25000.50,40,1500,\n";
    CommandRegistry registry;
    registerPayeCommands(registry);
    const QStringList arguments{QStringLiteral("quillon-calc"), QStringLiteral("monthly"),
                                QStringLiteral("--csv")};
    for (auto _ : state) {
        QBuffer in(&input);
        in.open(QIODevice::ReadOnly);
        QBuffer out;
        out.open(QIODevice::WriteOnly);
        QString errText;
        QTextStream err(&errText);
        const int code = runCommandLine(
            registry, arguments, [&in](char *data, qint64 size) { return in.read(data, size); },
            out, err);
        if (code != 0)
            state.SkipWithError("the sheet was refused");
        benchmark::DoNotOptimize(out.data().size());
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(MonthlyCsvBatch)->Unit(benchmark::kMillisecond);

} // namespace
