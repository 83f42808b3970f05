#pragma once

#include "controls/NumericValidator.h"

#include <QLineEdit>
#include <QPointer>
#include <QString>

class QLabel;

namespace quillon {

class MessageService;

// A number field: shows its value through a display pattern ("0", "0.00", "0.000",
// "# ### ##0.00") and keeps every key the user types. After each change it reads its whole
// text: a text that means a figure the field can hold puts that figure in force; any other text
// (a decimal in a whole-number field, a third decimal, a sign where no negative is allowed,
// letters) is shown as a problem at once, with a red frame and the reason beneath the field,
// and the figure of the last commit stays in force. Committing (focus leaving the field, Enter,
// a command) reformats a readable text through the pattern; an unreadable one is told in a
// message, the focus goes back to the field and no figure changes. A value outside the minimum
// and maximum is reported on commit; the window decides what to say and where the focus goes.
class NumericEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumericEdit(QWidget *parent = nullptr);
    NumericEdit(const QString &pattern, double minimum, double maximum, QWidget *parent = nullptr);
    ~NumericEdit() override;

    void setPattern(const QString &pattern);
    const QString &pattern() const { return m_pattern; }
    void setRange(double minimum, double maximum);
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }

    // Where an unreadable text is told, and the field's name in that message.
    void setMessages(MessageService *messages, const QString &caption);
    // The field's help: its tooltip and accessible description while its text can be read.
    void setHelp(const QString &help);

    // The figure in force.
    double value() const { return m_value; }
    // Shows the value through the pattern; it is then the committed figure.
    void setValue(double value);

    // Takes the text as the field's figure: reformats it through the pattern and checks the
    // range (false after rangeError when outside). A text that cannot be taken is told, the
    // focus goes back to the field, and false is returned with the figure unchanged.
    bool commit();
    // Commits only a text that can be taken; an unreadable one stays, silently, for the user
    // to be told when they leave the field or give a command.
    void commitQuietly();

    // Why the text cannot be taken as it stands; empty when it can.
    QString problem() const;
    bool canCommit() const { return problem().isEmpty(); }
    // Tells the problem and gives the field the focus back, unless it was told since the
    // user last changed the text, left the field or pressed Enter: one command that both
    // leaves the field and checks it raises one message.
    void tellProblem();

    // How many characters the field is sized for.
    void setDisplayWidth(int characters);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void valueChanged(double value);
    void rangeError(double value);
    // A readable text was taken as the field's figure.
    void committed(double value);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void updateRules();
    void readText();
    void pasteTrimmed();
    void showNote();
    void hideNote();

    QString m_pattern = QStringLiteral("0.00");
    double m_minimum = 0;
    double m_maximum = 999999999999.0;
    NumberRules m_rules;
    int m_displayWidth = 12;
    bool m_committing = false;
    double m_value = 0;          // the figure in force
    double m_committedValue = 0; // the figure of the last commit
    QString m_help;
    QString m_refusal; // why the text cannot be read, empty when it can
    bool m_problemTold = false;
    MessageService *m_messages = nullptr;
    QString m_caption;
    QPointer<QLabel> m_note; // the reason, shown beneath the field
};

} // namespace quillon
