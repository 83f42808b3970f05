#pragma once

#include "controls/Form.h"
#include "forms/CalculatorWindow.h"
#include "paye/PayFigures.h"

namespace quillon {
class DateRange;
}

namespace quillon::paye {

class PeriodSettingsPanel;

// The annual, monthly, fortnightly, weekly and daily calculators: "&Calculate", "&Settings"
// with the Setup panel, "&Print" with the English / Afrikaans print panel, the information
// panel and "&OK". A window gives its field table and its calculation; the settings are read
// when it opens and every save recalculates.
class PayWindow : public CalculatorWindow {
    Q_OBJECT
public:
    PayWindow(const AppContext &context, const QString &name, const QString &caption,
              QWidget *parent = nullptr);

    const PeriodSettingsPanel *settingsPanel() const { return m_settings; }

protected:
    // Builds the form, the buttons and the panels, reads the settings, shows the opening
    // values and calculates. Called once by each window's constructor.
    void buildWindow(FieldTable table);

    // The settings the calculation uses: the window's copy, changed by the panel at once.
    PaySettings settings() const;
    // Tells a refused check; false when refused.
    bool accept(const InputCheck &check);
    // The tax year's dates on a start and an end field, with the date messages.
    DateRange *guardDates(const QString &startName, const QString &endName);

    // One calculation of a period window: the field being typed into is taken, the settings
    // copied in, the core run on the shared tax lookup; refused inputs are told and leave the
    // figures on the screen as they were.
    template <class Inputs, class Results, class Core>
    bool runCalculation(Inputs &in, Results &shown, Core core) {
        commitFocusedField();
        in.settings = settings();
        Results out = core(in, m_context.state.taxLookup);
        if (!accept(out.check))
            return false;
        shown = out;
        form().showResults();
        return true;
    }

    // The print of the figures on the screen, worked out again from the inputs it prints.
    std::optional<report::PrintJob>
    recalculatedJob(const QString &table, const std::function<report::ReportRecord()> &record,
                    const QString &layout, const QString &title);

private:
    PeriodSettingsPanel *m_settings = nullptr;
};

} // namespace quillon::paye
