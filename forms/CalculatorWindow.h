#pragma once

#include "controls/FieldTable.h"
#include "forms/AppContext.h"
#include "report/PrintPanel.h"
#include "report/ReportComponent.h"
#include "taxengine/SetupRecord.h"

#include <QEvent>
#include <QList>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QHBoxLayout;
class QKeyEvent;
class QPushButton;
class QScrollArea;
class QToolButton;
class QVBoxLayout;

namespace quillon {

class Form;
class InfoPanel;
class OverlayPanel;

// What every calculator window shares: the field table built into a captioned form, the
// button row, the panels that lie in front of the form, reading the settings row, the message
// routing, closing, and the ways a calculator prints. A window adds only its table, its
// calculation and its own behaviour.
class CalculatorWindow : public QWidget {
    Q_OBJECT
public:
    // How the user prints.
    enum class PrintPattern {
        // The print panel with the language choice writes and runs on view or printer.
        ChooseLanguage,
        // The print panel (after an optional recalculation) writes and runs on view or printer.
        PanelThenWrite,
        // "&Print" writes the tables at once and opens the panel only for a valid result
        // (otherwise the focus goes to OK); view or printer then run what was written.
        WriteThenPanel,
        // The panel opens at once; view or printer recalculate and print only a valid result,
        // leaving the panel open otherwise.
        CheckOnOutput,
    };

    CalculatorWindow(const AppContext &context, const QString &name, const QString &caption,
                     QWidget *parent = nullptr);
    ~CalculatorWindow() override;

    const Form &form() const { return *m_form; }
    report::PrintPanel *printPanel() const { return m_printPanel; }

    // "&Calculate": works out and shows the figures of the inputs on the screen; false when the
    // inputs were refused (the user has been told).
    virtual bool calculate() = 0;

protected:
    // Runs once each time the window becomes active: on its own, or as the child of a frame that
    // is activated (both are told of one activation; the second word is not a new activation).
    virtual void activated() {}

    // Builds the controls of the table, in its order.
    void setFields(FieldTable table);
    Form &form() { return *m_form; }

    // A widget between the form's columns and the button row.
    void addBelowColumns(QWidget *widget);
    // A command button of the row; its action first takes the value of the field being typed
    // into, so an accelerator key acts on what is on the screen, and does not run while a
    // field holds a text it cannot take.
    QPushButton *addButton(const QString &name, const QString &caption,
                           std::function<void()> action);
    // The information button and its panel.
    InfoPanel *addInfoButton(const QString &title, const QString &text);
    // OK closes the window; it stands at the right end of the row.
    void addCloseButton(const QString &name, const QString &caption);
    // Lays out the columns, the widgets below them and the button row.
    void finishLayout();

    // A panel in front of the form: the row's buttons are disabled while it is open.
    void adoptPanel(OverlayPanel *panel);

    // The print panel and the pattern it follows. `beforeOpen` runs before a PanelThenWrite panel
    // opens (the windows that recalculate first); false keeps the panel closed.
    void setPrinting(PrintPattern pattern, const report::PrintPanel::Options &options,
                     std::function<bool()> beforeOpen = {},
                     const QString &buttonName = QStringLiteral("cmdPrint"));
    // The job of one print, or nothing when nothing is (validly) to be printed. The language is
    // given on ChooseLanguage only.
    virtual std::optional<report::PrintJob>
    printJob(std::optional<report::PrintLanguage> language) = 0;

    // The Setup row as stored, or the delivered one with a message when it cannot be read.
    tax::SetupRecord loadSettings();
    // False after loadSettings() fell back to the delivered row: saving then would put the
    // delivered figures over the user's own.
    bool settingsWereRead() const { return m_settingsRead; }

    // A refusal: the message with the error icon, then the focus to the named control.
    void refuse(const QString &text, const QString &title, const QString &focusName);
    // A control of the window by name: a form field or another control.
    QWidget *control(const QString &name) const;

    // Tab visits these controls in this order (check boxes among the fields they belong to).
    void orderTabs(const QStringList &names);

    // Takes the field being typed into when it reads as a figure; calculations that run on
    // their own (activation, a changed option) call it, and never raise a message through it.
    void commitFocusedField();
    void closeWindow();

    // The window's own accelerators win over the main menu's; an open panel's over the window's.
    bool eventFilter(QObject *watched, QEvent *event) override;
    // Enter presses the focused button, else the window's first one (its calculation).
    void keyPressEvent(QKeyEvent *event) override;

    AppContext m_context;

private:
    void noteActivation(QObject *watched, QEvent::Type type);
    void followFrame();
    void becomeActive();
    void openPrintPanel(const std::function<bool()> &beforeOpen);
    QWidget *mnemonicTarget(int key) const;
    void print(report::Destination destination);
    void growToForm();
    // A button placed in the row and disabled with it while a panel is open.
    QPushButton *rowButton(const QString &name, const QString &caption);

    std::unique_ptr<Form> m_form;
    QList<QWidget *> m_buttons;
    QList<OverlayPanel *> m_panels;
    QList<QWidget *> m_below;
    QHBoxLayout *m_buttonRow = nullptr;
    QPushButton *m_closeButton = nullptr;
    report::PrintPanel *m_printPanel = nullptr;
    PrintPattern m_pattern = PrintPattern::ChooseLanguage;
    bool m_active = false;
    QWidget *m_frame = nullptr;
    QScrollArea *m_formArea = nullptr; // the form's columns and what stands below them
    QWidget *m_content = nullptr;
    bool m_growPending = false;
    bool m_settingsRead = true;
    // WriteThenPanel: what "&Print" wrote, run later on view or printer.
    std::optional<report::PrintJob> m_writtenJob;
};

} // namespace quillon
