#pragma once

class QPushButton;
class QWidget;

namespace quillon::shell {

// A notice window (about, update) answers the keyboard as soon as it opens: its OK button
// takes the focus whenever the window does, Enter presses it and Escape closes the window.
void answerKeysWithOk(QWidget *window, QPushButton *ok);

} // namespace quillon::shell
