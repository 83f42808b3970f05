#pragma once

#include <QString>

class QGridLayout;
class QPushButton;
class QRadioButton;
class QWidget;

namespace quillon {

class MessageService;
class NumericEdit;

// The rows of a settings panel: a caption, a short text before the field ("R") or after it
// ("%"), pairs of option buttons on one line, and the panel's OK button under them. A field's
// problems are told under its caption.
class SettingsGrid {
public:
    SettingsGrid(QWidget *panel, MessageService &messages);

    void addField(const QString &caption, NumericEdit *field, const QString &before = {},
                  const QString &after = {});
    // The two buttons form one group; neither is selected for a value outside the pair.
    void addChoice(const QString &caption, QRadioButton *first, QRadioButton *second);
    void addButton(QPushButton *button);

    // Shows which of a pair holds, or neither, without the group forcing one on.
    static void select(QRadioButton *first, QRadioButton *second, bool isFirst, bool isSecond);

private:
    QWidget *m_panel;
    MessageService &m_messages;
    QGridLayout *m_grid;
    int m_row = 0;
};

} // namespace quillon
