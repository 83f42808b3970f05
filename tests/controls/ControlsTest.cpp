#include "controls/DateEdit.h"
#include "controls/NumericEdit.h"
#include "controls/NumericValidator.h"
#include "controls/ResultField.h"
#include "controls/WholeNumberEdit.h"
#include "taxengine/NumberText.h"

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

#include <gtest/gtest.h>

#include <cmath>
#include <random>

using namespace quillon;

namespace {

// A shown, active form holding the controls under test, so focus and Tab behave as for a user.
struct Form {
    QWidget window;
    QVBoxLayout *layout = new QVBoxLayout(&window);

    template <class Control> Control *add(Control *control, const QString &name) {
        control->setObjectName(name);
        layout->addWidget(control);
        return control;
    }
    bool show() {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window);
    }
};

void typeInto(QLineEdit *edit, const QString &keys) {
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, keys);
}

struct TypingRow {
    const char *name;
    const char *pattern;
    double minimum;
    const char *keys;
    const char *text; // what the field shows while the focus is still in it
    double value;
    bool refused;
};

// Typed keys: a key that would make the text mean another number than typed is refused
// whole, with a reason; the rest reads as the number it means.
TEST(NumericEdit, TypedTextIsReadAsMeantOrRefused) {
    const TypingRow rows[] = {
        {"decimal point", "0.00", 0, "1234.56", "1234.56", 1234.56, false},
        {"decimal comma", "0.000", 0, "12,5", "12,5", 12.5, false},
        {"blank groups", "0.00", 0, "1 234,5", "1 234,5", 1234.5, false},
        {"a third decimal", "0.00", 0, "12.345", "12.34", 12.34, true},
        {"a second decimal separator", "0.00", 0, "1.2.3", "1.23", 1.23, true},
        {"a decimal in a whole field", "0", 0, "12,", "12", 12, true},
        {"an exponent", "0.00", 0, "1e", "1", 1, true},
        {"a sign where the minimum is 0", "0.00", 0, "-5", "5", 5, true},
        {"a sign where negatives are allowed", "0.00", -100, "-5,5", "-5,5", -5.5, false},
        {"a sign after digits", "0.00", -100, "5-5", "55", 55, true},
        {"sixteen digits", "0", 0, "1234567890123456", "123456789012345", 123456789012345.0, true},
    };
    for (const TypingRow &row : rows) {
        SCOPED_TRACE(row.name);
        Form form;
        auto *edit = form.add(new NumericEdit(QString::fromLatin1(row.pattern), row.minimum, 1e15),
                              QStringLiteral("n"));
        ASSERT_TRUE(form.show());
        QSignalSpy refusals(edit, &NumericEdit::refused);
        typeInto(edit, QString::fromLatin1(row.keys));
        EXPECT_EQ(edit->text(), QString::fromLatin1(row.text));
        EXPECT_EQ(edit->value(), row.value);
        EXPECT_EQ(!refusals.isEmpty(), row.refused);
    }
}

struct PasteRow {
    const char *pattern;
    const char *before;
    const char *pasted; // "~" stands for a no-break space
    const char *text;   // afterwards: the paste taken whole, or the field as it was
    double value;
};

TEST(NumericEdit, APasteIsTakenWholeOrRefused) {
    const PasteRow rows[] = {
        {"0.00", "", "1234.56", "1234.56", 1234.56},
        {"0.00", "", "1 234,56", "1 234,56", 1234.56},
        {"0.00", "", "R 2~345.67", "R 2~345.67", 2345.67},
        {"0.00", "", "1,234,567.89", "1,234,567.89", 1234567.89},
        {"0.00", "", "1.234,5", "1.234,5", 1234.5},
        {"0.000", "", "1,5", "1,5", 1.5},
        {"0", "7", "1,234", "7", 7},    // a comma that could be either: refused
        {"0.00", "7", "1,234", "7", 7}, // three decimals in a two-decimal field
        {"0.00", "7", "-5000", "7", 7}, // no sign where the minimum is 0
        {"0.00", "7", "12abc", "7", 7},
        {"0.00", "7", "1,23,456", "7", 7},  // irregular groups
        {"0.00", "7", "1.234.5,6", "7", 7}, // the last group too short
    };
    const auto nbsp = [](const char *text) {
        return QString::fromLatin1(text).replace(u'~', QChar(0x00A0));
    };
    for (const PasteRow &row : rows) {
        SCOPED_TRACE(row.pasted);
        Form form;
        auto *edit = form.add(new NumericEdit(QString::fromLatin1(row.pattern), 0, 1e15),
                              QStringLiteral("n"));
        ASSERT_TRUE(form.show());
        typeInto(edit, QString::fromLatin1(row.before));
        edit->selectAll();
        QApplication::clipboard()->setText(nbsp(row.pasted));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(edit->text(), nbsp(row.text));
        EXPECT_EQ(edit->value(), row.value);
    }
}

TEST(NumericEdit, EveryEditSignalsTheLeadingNumberAndLeavingReformats) {
    Form form;
    auto *edit = form.add(new NumericEdit(QStringLiteral("0.00"), 0, 1000), QStringLiteral("n"));
    auto *other = form.add(new NumericEdit(), QStringLiteral("other"));
    ASSERT_TRUE(form.show());
    QSignalSpy changes(edit, &NumericEdit::valueChanged);
    typeInto(edit, QStringLiteral("12.5"));
    // Selecting all and typing "1" replaces the text, then "2", ".", "5" follow.
    ASSERT_GE(changes.size(), 4);
    EXPECT_EQ(changes.last().at(0).toDouble(), 12.5);
    EXPECT_EQ(changes.at(changes.size() - 2).at(0).toDouble(), 12.0);

    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_TRUE(other->hasFocus());
    EXPECT_EQ(edit->text(), QStringLiteral("12.50"));
    EXPECT_EQ(edit->value(), 12.5);

    edit->setValue(1234.567);
    EXPECT_EQ(edit->text(), QStringLiteral("1234.57"));
}

TEST(NumericEdit, ValuesOutsideTheRangeAreReportedOnCommit) {
    struct Row {
        const char *name;
        const char *keys;
        bool viaEnter;
        int errors;
    };
    const Row rows[] = {
        {"above the maximum, Enter", "25", true, 1},
        {"above the maximum, focus leaves", "25", false, 1},
        {"the maximum itself", "24", true, 0},
        {"empty reads 0, inside", "", false, 0},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        Form form;
        auto *edit = form.add(new WholeNumberEdit(0, 24), QStringLiteral("month"));
        auto *next = form.add(new WholeNumberEdit(), QStringLiteral("next"));
        ASSERT_TRUE(form.show());
        QSignalSpy errors(edit, &NumericEdit::rangeError);
        typeInto(edit, QString::fromLatin1(row.keys));
        if (QString::fromLatin1(row.keys).isEmpty())
            QTest::keyClick(edit, Qt::Key_Backspace);
        if (row.viaEnter)
            QTest::keyClick(edit, Qt::Key_Return);
        else
            next->setFocus(Qt::TabFocusReason);
        ASSERT_EQ(errors.size(), row.errors);
        if (row.errors) {
            EXPECT_EQ(errors.first().at(0).toDouble(), 25.0);
        }
    }
}

TEST(NumericEdit, AnotherWindowTakingTheFocusCommitsNothing) {
    // A message box coming up must not raise the same message again from the field it is about.
    Form form;
    auto *edit = form.add(new WholeNumberEdit(0, 24), QStringLiteral("month"));
    ASSERT_TRUE(form.show());
    QSignalSpy errors(edit, &NumericEdit::rangeError);
    typeInto(edit, QStringLiteral("30"));
    QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(edit, &out);
    EXPECT_EQ(errors.size(), 0);
}

// The reading of arbitrary text is either the number the text means or a refusal: with the
// blanks and the grouping marks taken out and the decimal mark made a point, a reading that is
// not refused equals what the C library reads from that text.
TEST(NumberReading, FuzzedTextReadsAsMeantOrIsRefused) {
    std::mt19937 random(2017);
    const char alphabet[] = "0123456789.-+eE ,\t\n\xa0"
                            "abcR%$";
    for (int round = 0; round < 20000; ++round) {
        QByteArray bytes;
        const int length = static_cast<int>(random() % 24);
        for (int k = 0; k < length; ++k) {
            const unsigned r = static_cast<unsigned>(random());
            bytes.append(r % 4 ? alphabet[r / 4 % (sizeof alphabet - 1)]
                               : static_cast<char>(r >> 8));
        }
        const QString text = QString::fromLatin1(bytes);
        for (const NumberRules rules :
             {NumberRules{2, false}, NumberRules{3, true}, NumberRules{0, false}}) {
            const NumberReading reading = readNumber(text, rules);
            if (reading.refused())
                continue;
            ASSERT_TRUE(std::isfinite(reading.value));
            QString plain = text;
            plain.remove(u' ').remove(QChar(0x00A0)).remove(u'\t').remove(u'\n');
            if (plain.startsWith(u'R'))
                plain = plain.mid(1);
            const qsizetype dot = plain.lastIndexOf(u'.');
            const qsizetype comma = plain.lastIndexOf(u',');
            const bool repeated = plain.count(u'.') > 1 || plain.count(u',') > 1;
            // The decimal mark is the last of two different marks, or a single mark alone.
            if ((dot >= 0 && comma >= 0) || !repeated) {
                const QChar mark = dot > comma ? QChar(u'.') : QChar(u',');
                plain.remove(mark == u'.' ? QChar(u',') : QChar(u'.'));
                plain.replace(mark, u'.');
            } else {
                plain.remove(u'.').remove(u',');
            }
            const double expected = std::strtod(plain.toLatin1().constData(), nullptr);
            ASSERT_EQ(reading.value, expected) << bytes.toStdString();
            if (!rules.allowMinus) {
                ASSERT_GE(reading.value, 0.0);
            }
        }
    }
}

struct DateRow {
    const char *name;
    const char *typed;
    bool emptyAllowed;
    bool accepted;
    QDate date; // the field's date afterwards
};

TEST(DateEdit, CommitTakesGoodDatesAndRefusesTheRest) {
    const QDate start(2016, 3, 1);
    const DateRow rows[] = {
        {"inside", "15/06/2016", false, true, QDate(2016, 6, 15)},
        {"single digits", "1/9/2016", false, true, QDate(2016, 9, 1)},
        {"slashes come by themselves", "15062016", false, true, QDate(2016, 6, 15)},
        {"a typed slash is not doubled", "15/06/2016", false, true, QDate(2016, 6, 15)},
        {"first day", "01/03/2016", false, true, start},
        {"before the range", "28/02/2016", false, false, start},
        {"after the moved maximum", "01/01/2017", false, false, start},
        {"no such day", "30/02/2016", false, false, start},
        {"half typed", "12/0", false, false, start},
        {"empty refused", "", false, false, start},
        {"empty allowed", "", true, true, QDate()},
    };
    for (const DateRow &row : rows) {
        SCOPED_TRACE(row.name);
        Form form;
        auto *edit = form.add(new DateEdit(), QStringLiteral("dtStartDate"));
        auto *next = form.add(new NumericEdit(), QStringLiteral("next"));
        edit->setMinimumDate(start);
        edit->setMaximumDate(QDate(2016, 12, 31));
        edit->setEmptyAllowed(row.emptyAllowed);
        edit->setDate(start);
        ASSERT_TRUE(form.show());
        QSignalSpy rejected(edit, &DateEdit::dateRejected);
        typeInto(edit, QString::fromLatin1(row.typed));
        if (QString::fromLatin1(row.typed).isEmpty())
            QTest::keyClick(edit, Qt::Key_Delete);
        next->setFocus(Qt::TabFocusReason);
        EXPECT_EQ(rejected.size(), row.accepted ? 0 : 1);
        if (!row.accepted) {
            EXPECT_EQ(rejected.first().at(0).toString(), QString::fromLatin1(row.typed));
        }
        EXPECT_EQ(edit->date(), row.date);
        // A refused date never stays in the field.
        EXPECT_EQ(edit->text(),
                  row.date.isValid() ? row.date.toString(QStringLiteral("dd/MM/yyyy")) : QString());
    }
}

TEST(DateEdit, TheRangeCanNarrowWhenTheFieldGetsTheFocus) {
    Form form;
    auto *startEdit = form.add(new DateEdit(), QStringLiteral("dtStartDate"));
    auto *endEdit = form.add(new DateEdit(), QStringLiteral("dtEndDate"));
    for (DateEdit *e : {startEdit, endEdit}) {
        e->setMinimumDate(QDate(2016, 3, 1));
        e->setMaximumDate(QDate(2017, 2, 28));
    }
    startEdit->setDate(QDate(2016, 3, 1));
    endEdit->setDate(QDate(2016, 8, 31));
    QObject::connect(startEdit, &DateEdit::focusEntered, startEdit,
                     [&] { startEdit->setMaximumDate(endEdit->date()); });
    ASSERT_TRUE(form.show());
    QSignalSpy rejected(startEdit, &DateEdit::dateRejected);
    QSignalSpy changed(startEdit, &DateEdit::dateChanged);
    typeInto(startEdit, QStringLiteral("01/09/2016"));
    QTest::keyClick(startEdit, Qt::Key_Return);
    EXPECT_EQ(rejected.size(), 1);
    typeInto(startEdit, QStringLiteral("31/08/2016"));
    QTest::keyClick(startEdit, Qt::Key_Return);
    EXPECT_EQ(rejected.size(), 1);
    ASSERT_EQ(changed.size(), 1);
    EXPECT_EQ(changed.first().at(0).toDate(), QDate(2016, 8, 31));
}

TEST(Focus, FieldsSelectAllOnFocusAndTabSkipsResults) {
    Form form;
    auto *first = form.add(new NumericEdit(), QStringLiteral("first"));
    auto *result = form.add(new ResultField(), QStringLiteral("result"));
    auto *date = form.add(new DateEdit(), QStringLiteral("date"));
    date->setDate(QDate(2016, 3, 1));
    first->setValue(42);
    result->setValue(1234.5678);
    ASSERT_TRUE(form.show());
    first->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(first->selectedText(), first->text());

    QTest::keyClick(first, Qt::Key_Tab);
    EXPECT_TRUE(date->hasFocus());
    EXPECT_EQ(date->selectedText(), QStringLiteral("01/03/2016"));

    // A click that gives the focus does not leave the caret in place of the selection.
    QTest::mouseClick(first, Qt::LeftButton, {}, QPoint(4, first->height() / 2));
    QTRY_COMPARE(first->selectedText(), first->text());

    EXPECT_EQ(result->text(), QStringLiteral("1234.57"));
    EXPECT_EQ(result->value(), 1234.5678);
    EXPECT_TRUE(result->isReadOnly());
}

} // namespace

namespace {

TEST(ResultField, AFigureWiderThanTheFieldWidensIt) {
    Form form;
    auto *field = form.add(new ResultField(QStringLiteral("0.00")), QStringLiteral("r"));
    field->setDisplayWidth(8);
    ASSERT_TRUE(form.show());
    for (double value : {40999905930.59, 999999999999.99}) {
        field->setValue(value);
        QApplication::processEvents();
        form.window.adjustSize();
        EXPECT_GE(field->contentsRect().width(),
                  field->fontMetrics().horizontalAdvance(field->text()))
            << field->text().toStdString();
    }
}

} // namespace
