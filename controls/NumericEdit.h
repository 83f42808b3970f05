#pragma once

#include <QLineEdit>
#include <QString>

namespace quillon {

class NumericValidator;

// A number field: shows its value through a display pattern ("0", "0.00", "0.000",
// "# ### ##0.00"), holds the number its text means as its value, and reports every edit.
// A keystroke or paste that would make the text mean anything else than a number the field can
// hold is refused as a whole: the field keeps its text, beeps (through whoever listens to
// `refused`) and shows the reason under itself. A value outside the minimum and maximum is
// reported when it is committed (focus leaves the field or Enter is pressed); the window
// decides what to say and where the focus goes.
class NumericEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit NumericEdit(QWidget *parent = nullptr);
    NumericEdit(const QString &pattern, double minimum, double maximum, QWidget *parent = nullptr);

    void setPattern(const QString &pattern);
    const QString &pattern() const { return m_pattern; }
    void setRange(double minimum, double maximum);
    double minimum() const { return m_minimum; }
    double maximum() const { return m_maximum; }

    // The leading number of the text, 0 when there is none.
    double value() const;
    // Shows the value through the pattern.
    void setValue(double value);

    // Reformats the text through the pattern and checks the range; false (after rangeError)
    // when the value is outside it.
    bool commit();

    const NumericValidator *numericValidator() const { return m_validator; }
    // The reason of the last refusal, empty when nothing was refused.
    const QString &lastRefusal() const { return m_lastRefusal; }

    // How many characters the field is sized for.
    void setDisplayWidth(int characters);
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    void valueChanged(double value);
    void rangeError(double value);
    // Typed or pasted text refused, with the short reason shown to the user.
    void refused(const QString &reason);

protected:
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void updateRules();
    void pasteChecked();
    QString withInserted(const QString &inserted) const;
    void refuse(const QString &reason);

    NumericValidator *m_validator = nullptr;
    QString m_pattern = QStringLiteral("0.00");
    double m_minimum = 0;
    double m_maximum = 999999999999.0;
    int m_displayWidth = 12;
    bool m_committing = false;
    QString m_lastRefusal;
    QString m_committedText; // what the field showed after its last commit
};

} // namespace quillon
