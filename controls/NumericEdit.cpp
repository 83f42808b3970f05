#include "controls/NumericEdit.h"

#include "controls/FocusSelect.h"
#include "controls/MessageService.h"
#include "controls/NumericValidator.h"
#include "taxengine/NumberText.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace quillon {

namespace {

// Decimals a display pattern shows, and whether the field takes negative values.
NumberRules rulesFor(const QString &pattern, double minimum) {
    NumberRules rules;
    const qsizetype point = pattern.indexOf(u'.');
    rules.decimals = 0;
    if (point >= 0)
        for (QChar c : QStringView(pattern).mid(point + 1))
            if (c == u'0' || c == u'#')
                ++rules.decimals;
    rules.allowMinus = minimum < 0;
    return rules;
}

const QColor kProblemColour(0xc0, 0x10, 0x10);

} // namespace

NumericEdit::NumericEdit(QWidget *parent)
    : NumericEdit(QStringLiteral("0.00"), 0, 999999999999.0, parent) {}

NumericEdit::NumericEdit(const QString &pattern, double minimum, double maximum, QWidget *parent)
    : QLineEdit(parent), m_pattern(pattern), m_minimum(minimum), m_maximum(maximum),
      m_rules(rulesFor(m_pattern, m_minimum)) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    connect(this, &QLineEdit::textChanged, this, &NumericEdit::readText);
    setValue(0);
}

NumericEdit::~NumericEdit() {
    delete m_note.data();
}

void NumericEdit::setPattern(const QString &pattern) {
    m_pattern = pattern;
    updateRules();
    setValue(m_value);
}

void NumericEdit::setRange(double minimum, double maximum) {
    m_minimum = minimum;
    m_maximum = maximum;
    updateRules();
    readText();
}

void NumericEdit::setMessages(MessageService *messages, const QString &caption) {
    m_messages = messages;
    m_caption = caption.trimmed();
}

void NumericEdit::updateRules() {
    m_rules = rulesFor(m_pattern, m_minimum);
}

void NumericEdit::setHelp(const QString &help) {
    m_help = help;
    if (m_refusal.isEmpty()) {
        setToolTip(help);
        setAccessibleDescription(help);
    }
}

// Every change of the text: the figure it means comes into force, or the committed one stays.
void NumericEdit::readText() {
    const NumberReading reading = readNumber(text(), m_rules);
    const QString refusal = reading.refused() ? reading.reason : QString();
    const bool takable = !reading.refused() && !reading.incompleteGroup;
    m_value = takable ? reading.value : m_committedValue;
    m_problemTold = false;
    if (refusal != m_refusal) {
        m_refusal = refusal;
        setToolTip(m_refusal.isEmpty() ? m_help : m_refusal);
        setAccessibleDescription(m_refusal.isEmpty() ? m_help : m_refusal);
        if (m_refusal.isEmpty())
            hideNote();
        else if (hasFocus())
            showNote();
        update();
    } else if (m_note && m_note->isVisible()) {
        showNote(); // the field may have widened
    }
    Q_EMIT valueChanged(m_value);
}

QString NumericEdit::problem() const {
    if (!m_refusal.isEmpty())
        return m_refusal;
    // "1,234,5" is no number yet: it cannot be taken as it stands.
    if (readNumber(text(), m_rules).incompleteGroup)
        return kGroupsInThrees;
    return {};
}

void NumericEdit::setValue(double value) {
    m_committedValue = value;
    const QString shown = formatPattern(value, m_pattern);
    if (shown != text())
        setText(shown);
    // The figure keeps its full precision: the text shows it through the pattern.
    m_value = value;
}

bool NumericEdit::commit() {
    if (m_committing)
        return true;
    if (!canCommit()) {
        tellProblem();
        return false;
    }
    m_committing = true;
    const double v = m_value;
    setValue(v);
    const bool inRange = v >= m_minimum && v <= m_maximum;
    if (inRange)
        Q_EMIT committed(v);
    else
        Q_EMIT rangeError(v);
    m_committing = false;
    return inRange;
}

void NumericEdit::commitQuietly() {
    if (canCommit())
        commit();
}

void NumericEdit::tellProblem() {
    if (m_problemTold)
        return;
    m_problemTold = true;
    focusLater(this);
    const QString kept = formatPattern(m_committedValue, m_pattern);
    if (!m_messages) {
        QApplication::beep();
        return;
    }
    const QString name = m_caption.isEmpty() ? QStringLiteral("This field") : m_caption;
    informAfterClick(*m_messages, window(),
                     QStringLiteral("%1 cannot take \"%2\".\n%3\n\nThe figure stays %4.")
                         .arg(name, text(), problem(), kept),
                     m_caption, MessageService::Icon::Warning);
}

void NumericEdit::setDisplayWidth(int characters) {
    m_displayWidth = characters;
    updateGeometry();
}

QSize NumericEdit::sizeHint() const {
    const QSize base = QLineEdit::sizeHint();
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int textWidth = fontMetrics().horizontalAdvance(u'0') * m_displayWidth + 8;
    const QSize wanted = style()->sizeFromContents(QStyle::CT_LineEdit, &option,
                                                   QSize(textWidth, base.height()), this);
    return {wanted.width(), base.height()};
}

QSize NumericEdit::minimumSizeHint() const {
    return {sizeHint().width(), QLineEdit::minimumSizeHint().height()};
}

void NumericEdit::focusInEvent(QFocusEvent *event) {
    QLineEdit::focusInEvent(event);
    // A field the user comes back to keeps what they typed: selecting it all would let the
    // next key wipe the text they are correcting.
    if (m_refusal.isEmpty())
        selectAllOnFocus(this, event);
    else
        showNote();
}

void NumericEdit::focusOutEvent(QFocusEvent *event) {
    QLineEdit::focusOutEvent(event);
    hideNote();
    // Another window or a popup taking the focus is not the user leaving the field.
    if (isCommitReason(event->reason())) {
        m_problemTold = false; // each time the user leaves, they hear why the text stays
        commit();
    }
}

void NumericEdit::keyPressEvent(QKeyEvent *event) {
    if (event->matches(QKeySequence::Paste)) {
        pasteTrimmed();
        return;
    }
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter)
        m_problemTold = false;
    if (enter && !commit() && !canCommit()) {
        // Nothing is calculated on a text the field cannot take.
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void NumericEdit::contextMenuEvent(QContextMenuEvent *event) {
    QMenu *menu = createStandardContextMenu();
    // The menu's paste goes the way of Ctrl+V.
    for (QAction *action : menu->actions()) {
        if (action->objectName() == QLatin1String("edit-paste")) {
            disconnect(action, &QAction::triggered, nullptr, nullptr);
            connect(action, &QAction::triggered, this, &NumericEdit::pasteTrimmed);
        }
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// A figure copied from a table or a document often brings a line break or blanks with it.
void NumericEdit::pasteTrimmed() {
    if (!isReadOnly())
        insert(QApplication::clipboard()->text().trimmed());
}

void NumericEdit::paintEvent(QPaintEvent *event) {
    QLineEdit::paintEvent(event);
    if (m_refusal.isEmpty())
        return;
    QPainter painter(this);
    painter.setPen(QPen(kProblemColour, 2));
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void NumericEdit::hideEvent(QHideEvent *event) {
    hideNote();
    QLineEdit::hideEvent(event);
}

// The reason stands just under the field, over whatever lies there, while the field has the
// focus; it goes above the field where the window ends below it.
void NumericEdit::showNote() {
    QWidget *host = window();
    if (!host || host == this || m_refusal.isEmpty())
        return;
    if (!m_note) {
        m_note = new QLabel(host);
        m_note->setObjectName(objectName() + QStringLiteral("_problem"));
        m_note->setAutoFillBackground(true);
        m_note->setStyleSheet(QStringLiteral("QLabel { background: #fff4f4; color: #a00000; "
                                             "border: 1px solid #c01010; padding: 1px 4px; }"));
    }
    if (m_note->parentWidget() != host)
        m_note->setParent(host); // the field moved into another window since
    m_note->setText(m_refusal);
    m_note->adjustSize();
    const QPoint below = mapTo(host, QPoint(0, height()));
    const int x = std::clamp(below.x() + width() - m_note->width(), 0,
                             std::max(0, host->width() - m_note->width()));
    const int y = below.y() + m_note->height() <= host->height()
                      ? below.y()
                      : below.y() - height() - m_note->height();
    m_note->move(x, std::max(0, y));
    m_note->raise();
    m_note->show();
}

void NumericEdit::hideNote() {
    if (m_note)
        m_note->hide();
}

} // namespace quillon
