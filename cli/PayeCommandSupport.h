#pragma once

#include "cli/Command.h"
#include "paye/PayFigures.h"

#include <vector>

namespace quillon::cli {

// The keys every period sub-command (monthly, fortnightly, weekly, daily) reads: the amounts,
// then the five settings, which default to the delivered Setup row.
std::vector<JsonKey> payInputKeys(const QString &period);
std::vector<JsonKey> payOutputKeys();

// The ranges a period window gives its fields.
struct PayRanges {
    tax::FieldRange amounts = tax::kRandAndCents; // salary, medical aid, commission
    tax::FieldRange bonusAndTravel = tax::kRandAndCents;
    tax::FieldRange beneficiaries = tax::kCount;
};

// Reads the amounts and settings into `in`; problems are kept by the reader.
void readPayInputs(InputReader &r, paye::PayInputs &in, const PayRanges &ranges);

// The settings the period windows share: UIF and skills levy percentages, the UIF limit.
void readPaySettings(InputReader &r, paye::PaySettings &s);

// The figures the period windows show, unrounded, plus the numbers their "0.00" fields show.
JsonObject payResultsJson(const paye::PayResults &out);

// Appends keys to a list.
void appendKeys(std::vector<JsonKey> &to, const std::vector<JsonKey> &more);

// The print job of a period calculator: its one report table, layout and preview title.
report::PrintJob periodPrint(const QString &table, report::ReportRecord record,
                             const QString &layout, const QString &title);

// The period sub-commands, registered next to `annual`.
Command monthlyCommand();
Command weeklyCommand();
Command fortnightlyCommand();
Command dailyCommand();
Command quickTaxCommand();

} // namespace quillon::cli
