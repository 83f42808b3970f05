#pragma once

#include "taxengine/TaxLookup.h"

#include <QJsonObject>

namespace quillon::cli {

// The shared tax lookup record as the sub-commands print it.
inline QJsonObject lookupJson(const tax::TaxLookup &l) {
    return QJsonObject{{QStringLiteral("annualTaxableIncome"), l.AnnualTaxableIncome},
                       {QStringLiteral("marginalRate"), l.MarginalRate},
                       {QStringLiteral("bracketFloor"), l.BracketFloor},
                       {QStringLiteral("bracketCeiling"), l.BracketCeiling},
                       {QStringLiteral("baseTax"), l.BaseTax},
                       {QStringLiteral("taxOnExcess"), l.TaxOnExcess},
                       {QStringLiteral("totalTax"), l.TotalTax}};
}

inline const QString kLookupKey = QStringLiteral("lookup");

} // namespace quillon::cli
