#include "controls/TextField.h"

namespace quillon {

TextField::TextField(int maximumLength, QWidget *parent) : QLineEdit(parent) {
    setMaxLength(maximumLength);
}

} // namespace quillon
