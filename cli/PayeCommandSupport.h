#pragma once

#include "cli/Described.h"
#include "cli/JsonHelpers.h"
#include "paye/PayFields.h"

#include <memory>

namespace quillon::cli {

// The print job of a period calculator: its one report table, layout and preview title.
report::PrintJob periodPrint(const QString &table, report::ReportRecord record,
                             const QString &layout, const QString &title);

// What a period calculator (monthly, fortnightly, weekly, daily) gives its command besides its
// description: the inputs before any key is read, the core, and the record it prints.
template <class Inputs, class Results> struct PeriodCalculator {
    const tax::CalculatorDescription<Inputs, Results> &description;
    std::function<Inputs()> opening;
    std::function<Results(const Inputs &, tax::TaxLookup &)> calculate;
    std::function<report::PrintJob(const Inputs &, const Results &, const QString &name,
                                   report::PrintLanguage)>
        print;
};

// The command of a period calculator: reads the described inputs and the printed name, runs
// the core on a fresh lookup, and answers the described results with the lookup record.
template <class Inputs, class Results>
Command periodCommand(PeriodCalculator<Inputs, Results> calc) {
    const auto &d = calc.description;
    auto keys = std::make_shared<const std::vector<JsonKey>>(describedKeys(d.inputs));
    auto writer = std::make_shared<const AnswerWriter<Results>>(d.outputs);
    auto run = [calc, keys, writer](const JsonInputValue &json,
                                    const RunOptions &options) -> CommandResult {
        InputReader r(json, *keys);
        Inputs in = calc.opening();
        readDescribed(r, calc.description.inputs, in);
        const QString name = r.printedName(paye::employeeNameKey());
        if (!r.ok())
            return CommandResult::failure(r.error());
        tax::TaxLookup lookup;
        const Results out = calc.calculate(in, lookup);
        if (!out.check.ok())
            return CommandResult::failure(out.check.text);
        JsonObject o = writer->answer(out);
        o.add(kLookupKey, lookupJson(lookup));
        const report::PrintLanguage language = options.language;
        return {std::move(o), {}, printWhenAsked(options, [calc, in, out, name, language] {
                    return calc.print(in, out, name, language);
                })};
    };
    return {d.command, d.summary, *keys, describedKeys(d.outputs), std::move(run), true};
}

// The period sub-commands, registered next to `annual`.
Command monthlyCommand();
Command weeklyCommand();
Command fortnightlyCommand();
Command dailyCommand();
Command quickTaxCommand();

} // namespace quillon::cli
