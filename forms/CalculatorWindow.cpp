#include "forms/CalculatorWindow.h"

#include "controls/BusyCursor.h"
#include "controls/FocusSelect.h"
#include "controls/Form.h"
#include "controls/InfoPanel.h"
#include "controls/MessageService.h"
#include "forms/HostWindow.h"
#include "taxengine/SettingsStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace quillon {

CalculatorWindow::CalculatorWindow(const AppContext &context, const QString &name,
                                   const QString &caption, QWidget *parent)
    : QWidget(parent), m_context(context) {
    setObjectName(name);
    setWindowTitle(caption);
    m_buttonRow = new QHBoxLayout;
    // Alt+letter reaches the shortcut map before this window; a filter sees it first.
    qApp->installEventFilter(this);
}

CalculatorWindow::~CalculatorWindow() = default;

void CalculatorWindow::setFields(FieldTable table) {
    m_form = std::make_unique<Form>(this, std::move(table), m_context.messages);
}

void CalculatorWindow::addBelowColumns(QWidget *widget) {
    m_below << widget;
}

QPushButton *CalculatorWindow::addButton(const QString &name, const QString &caption,
                                         std::function<void()> action) {
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, action] {
        if (Form::takeTypedFigures(this))
            action();
    });
    m_buttonRow->addWidget(button);
    m_buttons << button;
    return button;
}

InfoPanel *CalculatorWindow::addInfoButton(const QString &title, const QString &text) {
    auto *button = new QToolButton(this);
    button->setObjectName(QStringLiteral("cmdInfo"));
    button->setIcon(style()->standardIcon(QStyle::SP_MessageBoxInformation));
    button->setAccessibleName(title);
    button->setToolTip(title);
    button->setFocusPolicy(Qt::StrongFocus);
    m_buttonRow->addWidget(button);
    m_buttons << button;
    auto *panel = new InfoPanel(
        title, text,
        {QStringLiteral("fraInfo_One"), QStringLiteral("lblABC"), QStringLiteral("cmdOK_Info_One")},
        this);
    adoptPanel(panel);
    connect(button, &QToolButton::clicked, panel, &OverlayPanel::open);
    return panel;
}

void CalculatorWindow::addCloseButton(const QString &name, const QString &caption) {
    m_buttonRow->addStretch();
    m_closeButton = new QPushButton(caption, this);
    m_closeButton->setObjectName(name);
    m_closeButton->setAutoDefault(false);
    // Closing calculates nothing: a text a field cannot take is left behind with its figure.
    connect(m_closeButton, &QPushButton::clicked, this, [this] {
        commitFocusedField();
        closeWindow();
    });
    m_buttonRow->addWidget(m_closeButton);
    m_buttons << m_closeButton;
}

void CalculatorWindow::finishLayout() {
    auto *columns = new QHBoxLayout;
    for (int c = 0; c < m_form->columnCount(); ++c) {
        if (c > 0)
            columns->addSpacing(24);
        QGridLayout *grid = m_form->column(c);
        grid->setRowStretch(grid->rowCount(), 1);
        columns->addLayout(grid, 1);
    }
    auto *page = new QVBoxLayout(this);
    page->addLayout(columns);
    for (QWidget *w : m_below)
        page->addWidget(w);
    page->addStretch(1);
    page->addLayout(m_buttonRow);
    // The form keeps its natural size; a maximised window does not spread it.
    page->setSizeConstraint(QLayout::SetMinimumSize);
    // The print panel lies in front of the form, outside the layout: the window is made at
    // least as wide as the panel, so that a narrow window does not cut its buttons.
    if (m_printPanel)
        page->addStrut(m_printPanel->sizeHint().width());
    for (OverlayPanel *panel : m_panels)
        panel->setGuardedButtons(m_buttons);
}

void CalculatorWindow::adoptPanel(OverlayPanel *panel) {
    m_panels << panel;
    panel->setGuardedButtons(m_buttons);
}

void CalculatorWindow::setPrinting(PrintPattern pattern, const report::PrintPanel::Options &options,
                                   std::function<bool()> beforeOpen, const QString &buttonName) {
    m_pattern = pattern;
    m_printPanel = new report::PrintPanel(options, this);
    adoptPanel(m_printPanel);
    addButton(buttonName, QStringLiteral("&Print"),
              [this, beforeOpen] { openPrintPanel(beforeOpen); });
    connect(m_printPanel, &report::PrintPanel::outputChosen, this, &CalculatorWindow::print);
    connect(m_printPanel, &report::PrintPanel::cancelled, m_printPanel, &OverlayPanel::dismiss);
}

void CalculatorWindow::openPrintPanel(const std::function<bool()> &beforeOpen) {
    if (beforeOpen && !beforeOpen())
        return;
    if (m_pattern == PrintPattern::C) {
        m_writtenJob.reset();
        std::optional<report::PrintJob> job = printJob(std::nullopt);
        if (!job) {
            if (m_closeButton)
                m_closeButton->setFocus();
            return;
        }
        BusyCursor busy;
        if (!m_context.reports.write(job->tables, this))
            return;
        m_writtenJob = std::move(job);
    }
    m_printPanel->open();
}

void CalculatorWindow::print(report::Destination destination) {
    if (!Form::takeTypedFigures(this)) {
        m_printPanel->dismiss();
        return;
    }
    if (m_pattern == PrintPattern::C) {
        if (m_writtenJob) {
            BusyCursor busy;
            const QString title = destination == report::Destination::Preview
                                      ? m_writtenJob->previewTitle
                                      : QString();
            m_context.reports.run(m_writtenJob->layoutName, title, destination, this);
        }
        m_printPanel->dismiss();
        return;
    }
    std::optional<report::PrintLanguage> language;
    if (m_pattern == PrintPattern::A) {
        // Nothing is printed until a language is chosen.
        language = m_printPanel->language();
        if (!language) {
            m_printPanel->dismiss();
            return;
        }
    }
    {
        BusyCursor busy;
        if (std::optional<report::PrintJob> job = printJob(language)) {
            job->destination = destination;
            // The title belongs to the preview; direct printing leaves the last one.
            if (destination == report::Destination::Printer)
                job->previewTitle.clear();
            // A failure has been told by the report component; the window keeps its figures.
            m_context.reports.print(*job, this);
        } else if (m_pattern == PrintPattern::D) {
            // No valid result: nothing happens and the panel stays for another try.
            return;
        }
    }
    m_printPanel->dismiss();
}

tax::SetupRecord CalculatorWindow::loadSettings() {
    tax::SettingsStore store(m_context.paths.settingsDatabase);
    std::optional<tax::SetupRecord> stored = store.read();
    m_settingsRead = stored.has_value();
    if (stored)
        return *stored;
    m_context.messages.inform(this,
                              QStringLiteral("The saved settings could not be read, so the "
                                             "delivered settings are used.\n\n") +
                                  store.lastError(),
                              QStringLiteral("Setup"), MessageService::Icon::Warning);
    return tax::deliveredSetup();
}

void CalculatorWindow::refuse(const QString &text, const QString &title, const QString &focusName) {
    m_context.messages.inform(this, text, title, MessageService::Icon::Critical);
    if (!focusName.isEmpty())
        focusLater(control(focusName));
}

void CalculatorWindow::orderTabs(const QStringList &names) {
    for (qsizetype i = 1; i < names.size(); ++i)
        setTabOrder(control(names[i - 1]), control(names[i]));
}

QWidget *CalculatorWindow::control(const QString &name) const {
    if (m_form)
        for (const FieldRow &fieldRow : m_form->fields())
            if (fieldRow.name == name)
                return m_form->widget(name);
    if (auto *w = findChild<QWidget *>(name))
        return w;
    throw UnknownFieldError(name);
}

void CalculatorWindow::commitFocusedField() {
    Form::commitFocused(this);
}

void CalculatorWindow::noteActivation(QObject *watched, QEvent::Type type) {
    if (watched != this)
        return;
    if (type == QEvent::ParentChange)
        followFrame();
    else if (type == QEvent::WindowDeactivate)
        m_active = false;
    else if (type == QEvent::WindowActivate &&
             (!m_frame || m_frame->windowState().testFlag(Qt::WindowActive)))
        becomeActive(); // a child window is active only while its frame is
}

// A child window is activated through its frame, which reports it as a change of state.
void CalculatorWindow::followFrame() {
    auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget());
    if (!frame || frame == m_frame)
        return;
    m_frame = frame;
    connect(frame, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates before, Qt::WindowStates now) {
                if (!now.testFlag(Qt::WindowActive))
                    m_active = false;
                else if (!before.testFlag(Qt::WindowActive))
                    becomeActive();
            });
}

void CalculatorWindow::becomeActive() {
    if (m_active)
        return;
    m_active = true;
    activated();
}

// Installed on the application: sees the window's and its frame's activation as well as keys.
bool CalculatorWindow::eventFilter(QObject *watched, QEvent *event) {
    noteActivation(watched, event->type());
    const bool keyEvent =
        event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
    if (keyEvent && watched->isWidgetType()) {
        auto *widget = static_cast<QWidget *>(watched);
        auto *key = static_cast<QKeyEvent *>(event);
        if ((widget == this || isAncestorOf(widget)) && key->modifiers() == Qt::AltModifier) {
            if (QWidget *target = mnemonicTarget(key->key())) {
                event->accept();
                if (event->type() == QEvent::KeyPress) {
                    if (auto *button = qobject_cast<QAbstractButton *>(target)) {
                        button->setFocus(Qt::ShortcutFocusReason);
                        button->animateClick();
                    } else {
                        target->setFocus(Qt::ShortcutFocusReason);
                    }
                }
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

// The button, or the field a caption stands for, whose & letter is `key`: in the open panel if
// there is one, else among the window's own visible and enabled controls.
QWidget *CalculatorWindow::mnemonicTarget(int key) const {
    const QWidget *scope = this;
    for (OverlayPanel *panel : m_panels)
        if (panel->isOpen())
            scope = panel;
    const QKeySequence wanted(QKeyCombination(Qt::AltModifier, Qt::Key(key)));
    const auto usable = [](const QWidget *w) { return w->isVisible() && w->isEnabled(); };
    for (QAbstractButton *button : scope->findChildren<QAbstractButton *>())
        if (usable(button) && QKeySequence::mnemonic(button->text()) == wanted)
            return button;
    for (QLabel *label : scope->findChildren<QLabel *>())
        if (label->buddy() && usable(label) && usable(label->buddy()) &&
            QKeySequence::mnemonic(label->text()) == wanted)
            return label->buddy();
    return nullptr;
}

void CalculatorWindow::keyPressEvent(QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && event->modifiers() == Qt::NoModifier) {
        auto *focused = qobject_cast<QAbstractButton *>(focusWidget());
        if (focused && isAncestorOf(focused))
            focused->click();
        else if (!m_buttons.isEmpty() && m_buttons.front()->isEnabled())
            static_cast<QAbstractButton *>(m_buttons.front())->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CalculatorWindow::closeWindow() {
    closeHostWindow(this);
}

} // namespace quillon
