#include "business/BusinessWindow.h"

#include "controls/Form.h"
#include "controls/NumericEdit.h"

#include <QPushButton>

#include <algorithm>

namespace quillon::business {

void BusinessWindow::activated() {
    form().showInputs();
    recalculate();
}

void BusinessWindow::addCalculatePrintOk(const QString &okName) {
    addButton(QStringLiteral("cmdCalculate"), QStringLiteral("&Calculate"),
              [this] { calculate(); });
    report::PrintPanel::Options options;
    options.objectName = QStringLiteral("fraPrint");
    setPrinting(PrintPattern::WriteThenPanel, options);
    addCloseButton(okName, QStringLiteral("&OK"));
}

void BusinessWindow::refuseOutOfRange(const QString &fieldName, const QString &text,
                                      const QString &title) {
    form().handleRangeItself(fieldName);
    NumericEdit *edit = form().numeric(fieldName);
    connect(edit, &NumericEdit::rangeError, this, [this, fieldName, edit, text, title] {
        for (const FieldRow &fieldRow : form().fields())
            if (fieldRow.name == fieldName)
                edit->setValue(
                    std::clamp(edit->value(), fieldRow.range.minimum, fieldRow.range.maximum));
        refuse(text, title, fieldName);
    });
}

void BusinessWindow::focusClose() {
    // The close button stands last in the row; its name differs between windows.
    const QList<QPushButton *> buttons = findChildren<QPushButton *>();
    for (QPushButton *b : buttons)
        if (b->objectName().compare(QLatin1String("cmdOk"), Qt::CaseInsensitive) == 0)
            b->setFocus();
}

} // namespace quillon::business
