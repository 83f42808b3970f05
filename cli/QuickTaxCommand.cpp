#include "cli/PayeCommandSupport.h"
#include "paye/QuickTaxReport.h"

namespace quillon::cli {

namespace {

CommandResult runQuickTax(const JsonInputValue &json, const RunOptions &options) {
    const paye::QuickTaxDescription &d = paye::quickTaxDescription();
    static const std::vector<JsonKey> keys = describedKeys(d.inputs);
    static const AnswerWriter<paye::QuickTaxResults> writer(d.outputs);
    InputReader r(json, keys);
    // The window takes its income from the shared lookup; here it is typed.
    tax::TaxLookup lookup;
    paye::QuickTaxMemory memory;
    paye::QuickTaxInputs in{lookup, memory};
    readDescribed(r, d.inputs, in);
    if (!r.ok())
        return CommandResult::failure(r.error());

    const paye::QuickTaxResults out = paye::calculateQuickTax(memory, lookup);
    JsonObject o = writer.answer(out);
    o.add(kLookupKey, lookupJson(lookup));
    // English only, as the window prints it.
    return {std::move(o), {}, printWhenAsked(options, [out] {
                return periodPrint(paye::kQuickTaxTable, paye::quickTaxReportRecord(out),
                                   paye::kQuickTaxLayout, paye::kQuickTaxPreviewTitle);
            })};
}

} // namespace

Command quickTaxCommand() {
    const paye::QuickTaxDescription &d = paye::quickTaxDescription();
    return {d.command,   d.summary, describedKeys(d.inputs), describedKeys(d.outputs),
            runQuickTax, true};
}

} // namespace quillon::cli
