#pragma once

#include <QLineEdit>
#include <QString>

namespace quillon {

// A calculated figure: read-only, shown through a display pattern with its thousands grouped as
// the printouts group them, bold on a grey ground so it is not mistaken for an input, and left
// out of the Tab order. It keeps the full-precision
// value beside the rounded text.
class ResultField : public QLineEdit {
    Q_OBJECT
public:
    explicit ResultField(const QString &pattern = QStringLiteral("0.00"),
                         QWidget *parent = nullptr);

    void setPattern(const QString &pattern);
    const QString &pattern() const { return m_pattern; }

    double value() const { return m_value; }
    void setValue(double value);

    void setDisplayWidth(int characters);
    QSize sizeHint() const override;

private:
    QString m_pattern;
    double m_value = 0;
    int m_displayWidth = 12;
};

} // namespace quillon
