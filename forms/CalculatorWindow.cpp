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
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon {

namespace {

// Holds the form above the button row: as large as the form wants, yet able to shrink and
// scroll where the screen is smaller than the form, so the buttons always stay in view.
class FormArea : public QScrollArea {
public:
    explicit FormArea(QWidget *parent) : QScrollArea(parent) {
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        viewport()->setAutoFillBackground(false);
    }
    QSize sizeHint() const override {
        const QSize content = widget() ? widget()->sizeHint() : QSize();
        return content + QSize(2 * frameWidth(), 2 * frameWidth());
    }
    QSize minimumSizeHint() const override { return {100, 60}; }
};

} // namespace

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

QPushButton *CalculatorWindow::rowButton(const QString &name, const QString &caption) {
    auto *button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    m_buttonRow->addWidget(button);
    m_buttons << button;
    return button;
}

QPushButton *CalculatorWindow::addButton(const QString &name, const QString &caption,
                                         std::function<void()> action) {
    QPushButton *button = rowButton(name, caption);
    connect(button, &QPushButton::clicked, this, [this, action] {
        if (Form::takeTypedFigures(this))
            action();
    });
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
    m_closeButton = rowButton(name, caption);
    // Closing calculates nothing: a text a field cannot take is left behind with its figure.
    connect(m_closeButton, &QPushButton::clicked, this, [this] {
        commitFocusedField();
        closeWindow();
    });
}

void CalculatorWindow::finishLayout() {
    m_formArea = new FormArea(this);
    m_content = new QWidget(m_formArea);
    m_content->setAutoFillBackground(false);
    auto *columns = new QHBoxLayout;
    for (int c = 0; c < m_form->columnCount(); ++c) {
        if (c > 0)
            columns->addSpacing(24);
        QGridLayout *grid = m_form->column(c);
        grid->setRowStretch(grid->rowCount(), 1);
        columns->addLayout(grid, 1);
    }
    auto *form = new QVBoxLayout(m_content);
    form->setContentsMargins(0, 0, 0, 0);
    form->addLayout(columns);
    for (QWidget *w : m_below)
        form->addWidget(w);
    form->addStretch(1);
    m_formArea->setWidget(m_content);
    auto *page = new QVBoxLayout(this);
    page->addWidget(m_formArea, 1);
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
    if (m_pattern == PrintPattern::WriteThenPanel) {
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
    if (m_pattern == PrintPattern::WriteThenPanel) {
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
    if (m_pattern == PrintPattern::ChooseLanguage) {
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
        } else if (m_pattern == PrintPattern::CheckOnOutput) {
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
    const bool formResized = watched == m_content && event->type() == QEvent::LayoutRequest;
    const bool shown = watched == this && event->type() == QEvent::Show;
    if ((formResized || shown) && !m_growPending) {
        // The form changed its size (a panel shown, a figure widened): once its layout has
        // worked the new size out, the window follows.
        m_growPending = true;
        QMetaObject::invokeMethod(this, &CalculatorWindow::growToForm, Qt::QueuedConnection);
    }
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

// The window (or the frame it sits in) grows to show the whole form, but never past the
// room it has: the main window's client area, or the screen. What does not fit scrolls.
void CalculatorWindow::growToForm() {
    m_growPending = false;
    if (!m_formArea || !isVisible())
        return;
    m_formArea->updateGeometry();
    auto *sub = qobject_cast<QMdiSubWindow *>(m_frame);
    QWidget *frame = sub ? static_cast<QWidget *>(sub) : (isWindow() ? this : nullptr);
    if (!frame)
        return;
    QRect room;
    if (sub && sub->mdiArea())
        room = sub->mdiArea()->viewport()->rect();
    else if (const QScreen *screen = frame->screen())
        room = screen->availableGeometry();
    // The frame's title bar and borders come on top of the form's own size.
    QSize wanted = (sub ? sub->sizeHint() : sizeHint()).expandedTo(frame->size());
    // A form cut in one direction scrolls that way: its scroll bar takes room in the other.
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    if (room.isValid() && wanted.width() > room.width())
        wanted.rheight() += bar;
    if (room.isValid() && wanted.height() > room.height())
        wanted.rwidth() += bar;
    const QSize fits = room.isValid() ? wanted.boundedTo(room.size()) : wanted;
    if (fits == frame->size())
        return;
    frame->resize(fits);
    if (room.isValid() && sub) {
        const QRect placed = sub->geometry();
        sub->move(
            std::max(room.left(), std::min(placed.left(), room.right() + 1 - placed.width())),
            std::max(room.top(), std::min(placed.top(), room.bottom() + 1 - placed.height())));
    }
}

void CalculatorWindow::closeWindow() {
    closeHostWindow(this);
}

} // namespace quillon
