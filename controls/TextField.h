#pragma once

#include <QLineEdit>

namespace quillon {

// A plain text field with a maximum length (names, registration numbers).
class TextField : public QLineEdit {
    Q_OBJECT
public:
    explicit TextField(int maximumLength, QWidget *parent = nullptr);
};

} // namespace quillon
