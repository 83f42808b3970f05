#include "controls/DateEdit.h"
#include "controls/MessageService.h"
#include "controls/NumericEdit.h"
#include "controls/NumericValidator.h"
#include "controls/ResultField.h"
#include "controls/WholeNumberEdit.h"
#include "taxengine/FieldRanges.h"
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

// Keys typed one by one, then optionally a second edit from the start of the text: the caret
// moved `at` places, `select` characters selected, `backspaces` pressed and `then` typed.
struct TypingRow {
    const char *name;
    tax::FieldRange range;
    double before; // the field's figure when the user comes to it
    const char *keys;
    double value; // the figure in force afterwards; `before` when refused
    bool refused;
    int at = -1;
    int select = 0;
    int backspaces = 0;
    const char *then = "";
};

// The whole text is read after every key: it gives the figure it means, or it is refused
// visibly and the figure the field had stays. Leaving a refused text tells the user, puts the
// focus back and changes nothing; a taken one is shown through the pattern.
TEST(NumericEdit, TypedTextGivesTheFigureItMeansOrIsRefusedWhole) {
    const tax::FieldRange cents = tax::kRandAndCents, rand = tax::kWholeRand, age = tax::kCount,
                          rate = tax::kLoanRate, signedRate = tax::kInflationRate;
    const TypingRow rows[] = {
        {"grouped with commas", cents, 0, "45,000.00", 45000, false},
        {"grouped with a blank", cents, 0, "1 234,56", 1234.56, false},
        {"comma groups, point decimals", cents, 0, "12,345.67", 12345.67, false},
        {"a comma group under 10 000", cents, 0, "1,234.56", 1234.56, false},
        {"point groups, comma decimals", cents, 0, "1.234,56", 1234.56, false},
        {"a third decimal", cents, 7, "12.345", 7, true},
        {"letters", cents, 7, "12abc", 7, true},
        {"a sign where no negative is allowed", cents, 1234, "-5000", 1234, true},
        {"decimals in whole rand, point", rand, 0, "1000.50", 0, true},
        {"decimals in whole rand, comma", rand, 0, "1000,50", 0, true},
        {"a large salary with cents", rand, 0, "540000.50", 0, true},
        {"whole rand with a blank group", rand, 0, "540 000", 540000, false},
        {"an age with a decimal", age, 40, "40.5", 40, true},
        {"an age", age, 40, "65", 65, false},
        {"a rate with a decimal comma", rate, 0, "1,5", 1.5, false},
        {"a rate with a fourth decimal", rate, 9, "12.3456", 9, true},
        {"a negative rate where allowed", signedRate, 0, "-2,5", -2.5, false},
        {"typed over a selection", cents, 0, "1234.56", 129.56, false, 2, 2, 0, "9"},
        {"a sign typed over the whole part", cents, 0, "1234.56", 0, true, 0, 4, 0, "-"},
        {"backspace leaves a group mark alone", cents, 0, "1,234.56", 0, true, 1, 0, 1},
        {"backspace takes out a group mark", cents, 0, "45,000.00", 45000, false, 3, 0, 1},
    };
    for (const TypingRow &row : rows) {
        SCOPED_TRACE(row.name);
        Form form;
        auto *edit = form.add(new NumericEdit(QString::fromUtf16(row.range.pattern),
                                              row.range.minimum, row.range.maximum),
                              QStringLiteral("n"));
        auto *next = form.add(new NumericEdit(), QStringLiteral("next"));
        RecordingMessageService messages;
        edit->setMessages(&messages, QStringLiteral("Amount"));
        edit->setValue(row.before);
        ASSERT_TRUE(form.show());
        typeInto(edit, QString::fromLatin1(row.keys));
        if (row.at >= 0) {
            QTest::keyClick(edit, Qt::Key_Home);
            for (int k = 0; k < row.at; ++k)
                QTest::keyClick(edit, Qt::Key_Right);
            for (int k = 0; k < row.select; ++k)
                QTest::keyClick(edit, Qt::Key_Right, Qt::ShiftModifier);
            for (int k = 0; k < row.backspaces; ++k)
                QTest::keyClick(edit, Qt::Key_Backspace);
            QTest::keyClicks(edit, QString::fromLatin1(row.then));
        }
        const QString typed = edit->text();
        EXPECT_EQ(edit->value(), row.value);
        EXPECT_EQ(!edit->problem().isEmpty(), row.refused) << edit->problem().toStdString();

        QTest::keyClick(edit, Qt::Key_Tab);
        EXPECT_EQ(edit->value(), row.value);
        if (row.refused) {
            ASSERT_EQ(messages.messages().size(), 1u);
            EXPECT_TRUE(messages.last().text.contains(typed)) << messages.last().text.toStdString();
            EXPECT_EQ(edit->text(), typed) << "the user's text stays for them to mend";
            EXPECT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }));
        } else {
            EXPECT_TRUE(messages.messages().empty());
            EXPECT_TRUE(next->hasFocus());
            EXPECT_EQ(edit->text(),
                      formatPattern(row.value, QString::fromUtf16(row.range.pattern)));
        }
    }
}

struct PasteRow {
    const char *pattern;
    const char *pasted; // "~" stands for a no-break space
    double value;       // 7, the figure before, where the paste is refused
    bool refused;
};

TEST(NumericEdit, APasteIsReadWhole) {
    const PasteRow rows[] = {
        {"0.00", "1234.56\n", 1234.56, false},
        {"0.00", "R 2~345.67", 2345.67, false},
        {"0.00", "1,234,567.89", 1234567.89, false},
        {"0", "1,234", 7, true},    // a comma that could be either
        {"0.00", "1,234", 7, true}, // three decimals in a two-decimal field
        {"0.00", "1,23,456", 7, true},
        {"0.00", "1.234.5,6", 7, true},
    };
    for (const PasteRow &row : rows) {
        SCOPED_TRACE(row.pasted);
        Form form;
        auto *edit = form.add(new NumericEdit(QString::fromLatin1(row.pattern), 0, 1e15),
                              QStringLiteral("n"));
        edit->setValue(7);
        ASSERT_TRUE(form.show());
        edit->setFocus();
        edit->selectAll();
        QApplication::clipboard()->setText(
            QString::fromLatin1(row.pasted).replace(u'~', QChar(0x00A0)));
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(edit->value(), row.value);
        EXPECT_EQ(!edit->problem().isEmpty(), row.refused);
    }
}

TEST(NumericEdit, EveryEditSignalsTheFigureAndLeavingReformats) {
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
    EXPECT_TRUE(QTest::qWaitFor([&] { return first->selectedText() == first->text(); }));

    EXPECT_EQ(result->text(), QStringLiteral("1 234.57")); // grouped as the printouts group
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
