#include "business/frmDayBal.h"

#include "business/BusinessFields.h"
#include "business/DailyBalance.h"

#include "controls/BusyCursor.h"
#include "controls/DateEdit.h"
#include "controls/DescribedRows.h"
#include "controls/Form.h"
#include "controls/MessageService.h"
#include "controls/NumericEdit.h"
#include "controls/Spinner.h"

#include <QHBoxLayout>
#include <QLabel>

namespace quillon::business {

namespace {

const QString kStart = QStringLiteral("dtStartDate");
const QString kEnd = QStringLiteral("dtEndDate");
const QString kRate = QStringLiteral("numIntRate");

FieldBinding toDay(std::int32_t &target) {
    FieldBinding b;
    b.setDate = [&target](const QDate &d) { target = d.isValid() ? dayNumber(d) : kUnsetDay; };
    b.date = [&target] { return daySet(target) ? dateOfDay(target) : QDate(); };
    return b;
}

} // namespace

frmDayBal::frmDayBal(const AppContext &context, QWidget *parent)
    : BusinessWindow(context, QStringLiteral("frmDayBal"), QStringLiteral("Daily Balance"), parent),
      m_memory(context.state.memory<business::DailyBalanceMemory>()) {
    setFields(fieldTable());
    addCalculatePrintOk(QStringLiteral("cmdOk"));

    auto *dateSpin = new QWidget(this);
    auto *row = new QHBoxLayout(dateSpin);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(new QLabel(QStringLiteral("Date"), dateSpin));
    auto *spDate = new Spinner(dateSpin);
    spDate->setObjectName(QStringLiteral("spDate"));
    row->addWidget(spDate);
    form().placeAtRowEnd(kEnd, dateSpin);
    connect(spDate, &Spinner::steppedUp, this, [this] { stepDate(1); });
    connect(spDate, &Spinner::steppedDown, this, [this] { stepDate(-1); });
    auto *spRate = new Spinner(this);
    spRate->setObjectName(QStringLiteral("spRate"));
    form().placeAtRowEnd(kRate, spRate);
    connect(spRate, &Spinner::steppedUp, this, [this] { stepRate(1); });
    connect(spRate, &Spinner::steppedDown, this, [this] { stepRate(-1); });
    finishLayout();

    refuseOutOfRange(kRate, kDailyRateMessage, kDailyRateTitle);
    watchDates();
    activated();
}

FieldTable frmDayBal::fieldTable() {
    FieldTable table = describedRows(dailyBalanceDescription(),
                                     static_cast<DailyBalanceInputs &>(m_memory), m_results);
    // These fields hold day numbers.
    rowNamed(table, kStart).binding = toDay(m_memory.startDay);
    rowNamed(table, kEnd).binding = toDay(m_memory.endDay);
    rowNamed(table, kRate).suffix = QStringLiteral("% p.a.");
    placeInColumn(table, {QStringLiteral("numAnsDB1"), QStringLiteral("numAnsDB2")}, 0);
    return table;
}

DailyBalanceInputs frmDayBal::inputs() const {
    return {m_memory.capital, m_memory.rate, m_memory.startDay, m_memory.endDay};
}

// An empty field may stand for a date the user has not typed again; a date missing on either
// side gives no days rather than a count from the placeholder day.
void frmDayBal::recalculate() {
    BusyCursor busy;
    const DailyBalanceInputs in = inputs();
    m_results = daySet(in.startDay) && daySet(in.endDay) ? calculateDailyBalance(in)
                                                         : DailyBalanceResults{};
    form().showResults();
}

bool frmDayBal::calculate() {
    commitFocusedField();
    if (!form().dateEdit(kStart)->date().isValid() || !form().dateEdit(kEnd)->date().isValid())
        return false;
    recalculate();
    return true;
}

void frmDayBal::stepDate(int direction) {
    if (!form().dateEdit(kStart)->date().isValid())
        return;
    m_memory.endDay = stepEndDay(m_memory.startDay, m_memory.endDay, direction);
    form().dateEdit(kEnd)->setDate(dateOfDay(m_memory.endDay));
    recalculate();
}

void frmDayBal::stepRate(int direction) {
    if (form().numeric(kRate)->value() == 0)
        return;
    const DailyRateStep step = stepDailyRate(m_memory.rate, m_memory.rateStep, direction);
    if (step.beep)
        m_context.messages.beep();
    m_memory.rate = step.rate;
    form().numeric(kRate)->setValue(step.rate);
    recalculate();
    focusClose();
}

// The core's checks word the refusals; the fields narrow their ranges as the focus arrives.
void frmDayBal::watchDates() {
    DateEdit *start = form().dateEdit(kStart);
    DateEdit *end = form().dateEdit(kEnd);
    start->setEmptyAllowed(true);
    end->setEmptyAllowed(true);
    connect(end, &DateEdit::focusEntered, this, [this, end] {
        const bool set = daySet(m_memory.startDay);
        end->setMinimumDate(set ? dateOfDay(m_memory.startDay) : QDate());
        end->setMaximumDate(set ? dateOfDay(m_memory.startDay + kThirtyYears) : QDate());
    });
    connect(start, &DateEdit::focusEntered, this, [this, start] {
        const bool set = daySet(m_memory.endDay);
        start->setMinimumDate(set ? dateOfDay(m_memory.endDay - kThirtyYears) : QDate());
        start->setMaximumDate(set ? dateOfDay(m_memory.endDay - 1) : QDate());
    });
    connect(end, &DateEdit::dateRejected, this, [this](const QString &typed) {
        const DateCheck c = checkEndDate(typed, m_memory.startDay);
        refuse(c.ok ? kInvalidDateMessage : c.message, c.ok ? kInvalidDateTitle : c.title, kEnd);
    });
    connect(start, &DateEdit::dateRejected, this, [this](const QString &typed) {
        const DateCheck c = checkStartDate(typed, m_memory.endDay);
        refuse(c.ok ? kInvalidDateMessage : c.message, c.ok ? kInvalidDateTitle : c.title, kStart);
    });
}

std::optional<report::PrintJob> frmDayBal::printJob(std::optional<report::PrintLanguage>) {
    if (!dailyBalancePrintable(m_results))
        return std::nullopt;
    return report::singleRecordJob(kDailyBalanceTable, dailyBalanceRecord(inputs(), m_results),
                                   kDailyBalanceLayout, kDailyBalancePreviewTitle);
}

} // namespace quillon::business
