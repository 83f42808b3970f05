#include "shell/CalculatorWindows.h"

#include "business/frmDayBal.h"
#include "business/frmInflation.h"
#include "business/frmLoanBuster.h"
#include "business/frmLoanComp.h"
#include "business/frmLoans.h"
#include "package/frmBrisvaneAnn.h"
#include "package/frmBrisvaneMon.h"
#include "package/frmQuillonAnn.h"
#include "package/frmQuillonMon.h"
#include "paye/WeekWindow.h"
#include "paye/frmAnnual.h"
#include "paye/frmDaily.h"
#include "paye/frmKwikTax.h"
#include "paye/frmMonthly.h"
#include "vehicle/frmCarAll1.h"
#include "vehicle/frmCompCar.h"

#include <stdexcept>

namespace quillon::shell {

namespace {

template <class Window> void wire(WindowCatalogue &catalogue, const QString &name) {
    const bool listed = catalogue.setFactory(
        name, [](const AppContext &c, QWidget *parent) { return new Window(c, parent); });
    if (!listed)
        throw std::logic_error("the window catalogue lists no " + name.toStdString());
}

} // namespace

void registerCalculatorWindows(WindowCatalogue &catalogue) {
    wire<paye::frmAnnual>(catalogue, QStringLiteral("frmAnnual"));
    wire<paye::frmMonthly>(catalogue, QStringLiteral("frmMonthly"));
    wire<paye::frmFortNight>(catalogue, QStringLiteral("frmFortNight"));
    wire<paye::frmWeekly>(catalogue, QStringLiteral("frmWeekly"));
    wire<paye::frmDaily>(catalogue, QStringLiteral("frmDaily"));
    wire<paye::frmKwikTax>(catalogue, QStringLiteral("frmKwikTax"));
    wire<vehicle::frmCarAll1>(catalogue, QStringLiteral("frmCarAll1"));
    wire<vehicle::frmCompCar>(catalogue, QStringLiteral("frmCompCar"));
    wire<business::frmLoans>(catalogue, QStringLiteral("frmLoans"));
    wire<business::frmDayBal>(catalogue, QStringLiteral("frmDayBal"));
    wire<business::frmInflation>(catalogue, QStringLiteral("frmInflation"));
    wire<business::frmLoanBuster>(catalogue, QStringLiteral("frmLoanBuster"));
    wire<business::frmLoanComp>(catalogue, QStringLiteral("frmLoanComp"));
    wire<package::frmQuillonMon>(catalogue, QStringLiteral("frmQuillonMon"));
    wire<package::frmQuillonAnn>(catalogue, QStringLiteral("frmQuillonAnn"));
    wire<package::frmBrisvaneMon>(catalogue, QStringLiteral("frmBrisvaneMon"));
    wire<package::frmBrisvaneAnn>(catalogue, QStringLiteral("frmBrisvaneAnn"));
}

} // namespace quillon::shell
