#include "paye/PayWindow.h"

#include "controls/DateEdit.h"
#include "controls/DateRange.h"
#include "controls/Form.h"
#include "paye/PayMessages.h"
#include "paye/PeriodSettingsPanel.h"
#include "taxengine/TaxYear.h"

namespace quillon::paye {

PayWindow::PayWindow(const AppContext &context, const QString &name, const QString &caption,
                     QWidget *parent)
    : CalculatorWindow(context, name, caption, parent) {}

void PayWindow::buildWindow(FieldTable table) {
    setFields(std::move(table));
    addButton(QStringLiteral("cmdCalculate"), QStringLiteral("&Calculate"),
              [this] { calculate(); });
    m_settings =
        new PeriodSettingsPanel(m_context.paths.settingsDatabase, m_context.messages, this);
    adoptPanel(m_settings);
    addButton(QStringLiteral("cmdSettings"), QStringLiteral("&Settings"),
              [this] { m_settings->open(); });
    connect(m_settings, &OverlayPanel::closed, this, [this] { calculate(); });

    report::PrintPanel::Options options;
    options.languageChoice = true;
    options.nameField = true;
    options.nameCaption = QStringLiteral("Employee name");
    setPrinting(PrintPattern::ChooseLanguage, options);
    addInfoButton(QStringLiteral("General Information"), kGeneralInformation);
    addCloseButton(QStringLiteral("cmdOk"), QStringLiteral("&OK"));
    finishLayout();

    const tax::SetupRecord setup = loadSettings();
    m_settings->setSettings(setup, settingsWereRead());
    form().showInputs();
    calculate();
}

PaySettings PayWindow::settings() const {
    return PaySettings::fromSetup(m_settings->settings());
}

bool PayWindow::accept(const InputCheck &check) {
    if (check.ok())
        return true;
    refuse(check.text, check.title, check.focus);
    return false;
}

DateRange *PayWindow::guardDates(const QString &startName, const QString &endName) {
    DateEdit *start = form().dateEdit(startName);
    DateRange::Messages messages{startDateMessage,
                                 [start] { return endDateMessage(start->text()); }, kDateTitle};
    return new DateRange(start, form().dateEdit(endName), tax::taxYearStart(), tax::taxYearEnd(),
                         std::move(messages), m_context.messages, this);
}

std::optional<report::PrintJob>
PayWindow::recalculatedJob(const QString &table,
                           const std::function<report::ReportRecord()> &record,
                           const QString &layout, const QString &title) {
    if (!calculate())
        return std::nullopt;
    return report::singleRecordJob(table, record(), layout, title);
}

} // namespace quillon::paye
