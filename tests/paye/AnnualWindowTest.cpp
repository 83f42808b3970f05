#include "common/TestData.h"
#include "controls/DateEdit.h"
#include "controls/MessageService.h"
#include "controls/NumericEdit.h"
#include "controls/ResultField.h"
#include "forms/AppContext.h"
#include "paye/AnnualReport.h"
#include "paye/PayMessages.h"
#include "paye/PeriodSettingsPanel.h"
#include "paye/frmAnnual.h"
#include "report/PrintPanel.h"
#include "report/ReportComponent.h"
#include "taxengine/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <memory>

using namespace quillon;
using paye::frmAnnual;
using Icon = MessageService::Icon;

namespace {

// A program folder of its own for each test, with the delivered settings file, and an open,
// active annual window on it.
class AnnualWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        m_paths = DataPaths::forFolder(m_folder.path());
        ASSERT_EQ(test::createDatabase(m_paths.settingsDatabase,
                                       test::sourcePath(QStringLiteral("data/sql/Settings.sql"))),
                  QString());
        m_reports = std::make_unique<report::ReportComponent>(m_paths.programFolder,
                                                              m_paths.reportDatabase, m_messages);
    }

    frmAnnual &open() {
        m_context =
            std::make_unique<AppContext>(AppContext{m_paths, m_state, m_messages, *m_reports});
        m_window = std::make_unique<frmAnnual>(*m_context);
        m_window->show();
        m_window->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(m_window.get()));
        return *m_window;
    }

    template <class T = QWidget> T *control(const char *name) {
        auto *w = m_window->findChild<T *>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    void type(const char *name, const QString &keys) {
        auto *edit = control<QLineEdit>(name);
        edit->setFocus(Qt::TabFocusReason);
        edit->selectAll();
        QTest::keyClicks(edit, keys);
    }
    void click(const char *name) {
        QTest::mouseClick(control<QAbstractButton>(name), Qt::LeftButton);
    }
    double result(const char *name) { return control<ResultField>(name)->value(); }
    QString shown(const char *name) { return control<QLineEdit>(name)->text(); }

    void storeRate(double rate) {
        const QString connection = QStringLiteral("rate");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(m_paths.settingsDatabase);
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(
                q.exec(QStringLiteral("UPDATE Setup SET TAIncRate8020 = %1, PensionCont = 7.5")
                           .arg(rate)));
        }
        QSqlDatabase::removeDatabase(connection);
    }

    void runSettingsSql(const QString &sql) {
        const QString connection = QStringLiteral("sql");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(m_paths.settingsDatabase);
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(sql)) << q.lastError().text().toStdString();
        }
        QSqlDatabase::removeDatabase(connection);
    }
    double settingsValue(const QString &field) {
        double value = -1;
        const QString connection = QStringLiteral("value");
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
            db.setDatabaseName(m_paths.settingsDatabase);
            EXPECT_TRUE(db.open());
            QSqlQuery q(QStringLiteral("SELECT %1 FROM Setup").arg(field), db);
            if (q.next())
                value = q.value(0).toDouble();
        }
        QSqlDatabase::removeDatabase(connection);
        return value;
    }

    QTemporaryDir m_folder;
    DataPaths m_paths;
    ProgramState m_state;
    RecordingMessageService m_messages;
    std::unique_ptr<report::ReportComponent> m_reports;
    std::unique_ptr<AppContext> m_context;
    std::unique_ptr<frmAnnual> m_window;
};

TEST_F(AnnualWindow, OpensOnTheWholeTaxYearWithZeros) {
    open();
    EXPECT_TRUE(m_messages.messages().empty());
    EXPECT_EQ(m_window->windowTitle(), QStringLiteral("Annual"));
    EXPECT_EQ(shown("dtStartDate"), QStringLiteral("01/03/2016"));
    EXPECT_EQ(shown("dtEndDate"), QStringLiteral("28/02/2017"));
    EXPECT_EQ(shown("silgEdit2"), QStringLiteral("0"));
    EXPECT_EQ(shown("numAns1"), QStringLiteral("0.00"));
    EXPECT_TRUE(control<QRadioButton>("optTAIncRate80")->isChecked());
    EXPECT_FALSE(control<QWidget>("Frame3")->isVisible());
    EXPECT_FALSE(control<QWidget>("fraPrint")->isVisible());
    EXPECT_FALSE(control<QWidget>("fraInfo_One")->isVisible());
    EXPECT_EQ(control<QGroupBox>("Frame1")->title(),
              QStringLiteral("Number of Medical Aid Beneficiaries "));
}

TEST_F(AnnualWindow, TypedFiguresGiveTheCoresResults) {
    struct Row {
        const char *name;
        std::vector<std::pair<const char *, const char *>> typed;
        const char *paye; // as shown, or null to compare with the core only
    };
    const Row rows[] = {
        {"a worked figure: salary only",
         {{"silgEdit1", "40"}, {"silgEdit2", "300000"}},
         "49 780.00"},
        {"part year with a bonus and travel allowance",
         {{"silgEdit1", "30"},
          {"silgEdit2", "150000"},
          {"silgEdit4", "20000"},
          {"silgEdit8", "60000"},
          {"numEmpRRFundCont", "9000"},
          {"numEmpERFundCont", "12000"},
          {"dtStartDate", "01/09/2016"}},
         nullptr},
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        m_window.reset();
        open();
        for (const auto &[name, keys] : row.typed)
            type(name, QString::fromLatin1(keys));
        click("cmdCalculate");
        ASSERT_TRUE(m_messages.messages().empty());
        if (row.paye) {
            EXPECT_EQ(shown("numAns1"), QString::fromLatin1(row.paye));
        }
        // What the window passed on must be what was typed: compare with the core itself.
        paye::AnnualInputs expected = m_window->inputs();
        tax::TaxLookup lookup;
        const paye::AnnualResults r = paye::calculateAnnual(expected, lookup);
        EXPECT_EQ(result("numAns1"), r.taxLiability);
        EXPECT_EQ(result("numTaxLiability"), r.taxLiability);
        EXPECT_EQ(result("numMAns"), r.periodTax);
        EXPECT_EQ(result("numTaxCredit"), r.medicalCredit);
        EXPECT_EQ(result("numMTCForContri"), r.additionalCredit);
        EXPECT_EQ(result("numAllowableRFundDed"), r.allowableDeduction);
        EXPECT_EQ(m_state.taxLookup.AnnualTaxableIncome, lookup.AnnualTaxableIncome);
    }
    EXPECT_EQ(m_window->inputs().startDate, QDate(2016, 9, 1));
}

TEST_F(AnnualWindow, PensionerWorkedFigure) {
    open();
    type("silgEdit1", QStringLiteral("65"));
    type("silgEdit2", QStringLiteral("400000"));
    type("numEmpERMedAidCont", QStringLiteral("10000"));
    type("numEmpEEMedAidCont", QStringLiteral("20000"));
    type("numAnnCalcBens3", QStringLiteral("2"));
    click("cmdDuplicate");
    click("cmdCalculate");
    EXPECT_EQ(result("numTaxCredit"), 6864);
    EXPECT_EQ(shown("numMTCForContri"), QStringLiteral("3 132.86"));
}

TEST_F(AnnualWindow, MonthsOutsideThePeriodAreClearedWhenMedicalAidIsPaid) {
    open();
    type("numEmpEEMedAidCont", QStringLiteral("12000"));
    type("numAnnCalcBens3", QStringLiteral("3"));
    click("cmdDuplicate");
    type("dtStartDate", QStringLiteral("01/06/2016"));
    click("cmdCalculate");
    for (const char *month : {"numAnnCalcBens3", "numAnnCalcBens4", "numAnnCalcBens5"})
        EXPECT_EQ(shown(month), QStringLiteral("0")) << month;
    EXPECT_EQ(shown("numAnnCalcBens6"), QStringLiteral("3"));
    EXPECT_EQ(m_window->inputs().monthBeneficiaries[4], 0);
    EXPECT_EQ(result("numTaxCredit"), 9 * 764);
}

TEST_F(AnnualWindow, MoreThan24BeneficiariesAreHeldTo24WithTheMessage) {
    open();
    type("numAnnCalcBens7", QStringLiteral("25"));
    QTest::keyClick(control<QWidget>("numAnnCalcBens7"), Qt::Key_Tab);
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(m_messages.last().text,
              QStringLiteral(
                  "Only a maximum of 24 are allowed i.e. Principal member & first beneficiary!"));
    EXPECT_EQ(m_messages.last().title, QString()); // the application's title
    EXPECT_EQ(m_messages.last().icon, Icon::None);
    EXPECT_EQ(shown("numAnnCalcBens7"), QStringLiteral("24"));
    EXPECT_EQ(m_window->inputs().monthBeneficiaries[7], 24);
}

TEST_F(AnnualWindow, DuplicateCopiesMarchAndHoldsCountsTo24) {
    open();
    type("numAnnCalcBens3", QStringLiteral("4"));
    QTest::keyClick(control<QWidget>("numAnnCalcBens3"), Qt::Key_Tab);
    // A count not yet committed (no focus change) is still caught.
    control<QLineEdit>("numAnnCalcBens11")->setText(QStringLiteral("30"));
    m_window->duplicateMarch();
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_EQ(m_messages.last().text, paye::beneficiaryMessage());
    for (int month = 1; month <= 12; ++month) {
        EXPECT_EQ(shown(QStringLiteral("numAnnCalcBens%1").arg(month).toLatin1().constData()),
                  QStringLiteral("4"));
        EXPECT_EQ(m_window->inputs().monthBeneficiaries[static_cast<std::size_t>(month)], 4);
    }
}

TEST_F(AnnualWindow, DatesNarrowOnFocusAndRefusalsReturnTheFocus) {
    struct Row {
        const char *name;
        const char *field;
        const char *typed;
        const char *message; // null when accepted
    };
    const QString start = QStringLiteral(
        "The date entered is not correct please enter a date between 01/03/2016 and 28/02/2017");
    const Row rows[] = {
        {"start before the tax year", "dtStartDate", "29/02/2016", "start"},
        {"start after the end date", "dtStartDate", "01/01/2017", "start"},
        {"start not a date", "dtStartDate", "31/04/2016", "start"},
        {"start accepted", "dtStartDate", "01/07/2016", nullptr},
        {"end before the start", "dtEndDate", "31/05/2016", "end"},
        {"end after the tax year", "dtEndDate", "01/03/2017", "end"},
        {"end accepted", "dtEndDate", "30/11/2016", nullptr},
    };
    open();
    // The end date of 31/12/2016 is the latest start; the start of 01/06/2016 the earliest end.
    type("dtEndDate", QStringLiteral("31/12/2016"));
    type("dtStartDate", QStringLiteral("01/06/2016"));
    type("silgEdit2", QString());
    ASSERT_TRUE(m_messages.messages().empty());
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        m_messages.clear();
        const QString before = shown(row.field);
        type(row.field, QString::fromLatin1(row.typed));
        auto *other = control<QWidget>("silgEdit15");
        other->setFocus(Qt::TabFocusReason);
        if (!row.message) {
            EXPECT_TRUE(m_messages.messages().empty());
            EXPECT_EQ(shown(row.field), QString::fromLatin1(row.typed));
            continue;
        }
        ASSERT_EQ(m_messages.messages().size(), 1u);
        const QString expected =
            QString::fromLatin1(row.message) == u"start"
                ? start
                : QStringLiteral("The date entered is not correct please enter a date between ") +
                      shown("dtStartDate") + QStringLiteral(" and 28/02/2017");
        EXPECT_EQ(m_messages.last().text, expected);
        EXPECT_EQ(m_messages.last().title, QStringLiteral("Incorrect Date"));
        EXPECT_EQ(m_messages.last().icon, Icon::Critical);
        EXPECT_EQ(shown(row.field), before);
        EXPECT_TRUE(QTest::qWaitFor([&] { return control<QWidget>(row.field)->hasFocus(); }));
    }
    EXPECT_EQ(m_window->inputs().startDate, QDate(2016, 7, 1));
    EXPECT_EQ(m_window->inputs().endDate, QDate(2016, 11, 30));
}

TEST_F(AnnualWindow, TabVisitsTheInputsInOrderAndSkipsResults) {
    open();
    const char *order[] = {"silgEdit1",
                           "silgEdit2",
                           "numEmpERMedAidCont",
                           "numEmpEEMedAidCont",
                           "numEmpRRFundCont",
                           "numEmpERFundCont",
                           "numDirFees",
                           "silgEdit4",
                           "silgEdit8",
                           "numMedAidBens",
                           "numAnnCalcBens3",
                           "numAnnCalcBens4",
                           "numAnnCalcBens5",
                           "numAnnCalcBens6",
                           "numAnnCalcBens7",
                           "numAnnCalcBens8",
                           "numAnnCalcBens9",
                           "numAnnCalcBens10",
                           "numAnnCalcBens11",
                           "numAnnCalcBens12",
                           "numAnnCalcBens1",
                           "numAnnCalcBens2",
                           "cmdDuplicate",
                           "silgEdit15",
                           "dtStartDate",
                           "dtEndDate",
                           "cmdCalculate",
                           "cmdSettings",
                           "cmdPrint",
                           "cmdInfo",
                           "cmdOk"};
    control<QWidget>(order[0])->setFocus(Qt::TabFocusReason);
    for (const char *name : order) {
        QWidget *focused = QApplication::focusWidget();
        ASSERT_NE(focused, nullptr);
        EXPECT_EQ(focused->objectName(), QString::fromLatin1(name));
        EXPECT_EQ(qobject_cast<ResultField *>(focused), nullptr);
        QTest::keyClick(focused, Qt::Key_Tab);
    }
}

TEST_F(AnnualWindow, SettingsPanelSavesTheRateAndKeepsOtherFields) {
    storeRate(0.5);
    open();
    // 0.5 is neither option, and it is what the window computes with.
    EXPECT_FALSE(control<QRadioButton>("optTAIncRate80")->isChecked());
    EXPECT_FALSE(control<QRadioButton>("optTAIncRate20")->isChecked());
    type("silgEdit8", QStringLiteral("100000"));
    click("cmdCalculate");
    EXPECT_EQ(m_state.taxLookup.AnnualTaxableIncome, 50000);

    click("cmdSettings");
    EXPECT_TRUE(control<QWidget>("Frame3")->isVisible());
    for (const char *b : {"cmdOk", "cmdCalculate", "cmdSettings", "cmdPrint"})
        EXPECT_FALSE(control<QWidget>(b)->isEnabled()) << b;
    click("optTAIncRate20");
    type("numUIFLimit", QStringLiteral("17712"));
    type("numEmpEUIF", QStringLiteral("1.25"));
    click("cmdSetupOK");
    EXPECT_TRUE(m_messages.messages().empty());
    EXPECT_FALSE(control<QWidget>("Frame3")->isVisible());
    for (const char *b : {"cmdOk", "cmdCalculate", "cmdSettings", "cmdPrint"})
        EXPECT_TRUE(control<QWidget>(b)->isEnabled()) << b;
    // Recalculated with the new rate.
    EXPECT_EQ(m_state.taxLookup.AnnualTaxableIncome, 20000);

    const std::optional<tax::SetupRecord> saved =
        tax::SettingsStore(m_paths.settingsDatabase).read();
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->TAIncRate8020, 0.2);
    EXPECT_EQ(saved->UIFLimit, 17712);
    EXPECT_EQ(saved->EmployeeUIF, 1.25);
    EXPECT_EQ(saved->PensionCont, 7.5); // not a period setting: left as stored
}

TEST_F(AnnualWindow, AFailedSaveIsToldAndTheWindowKeepsItsCopy) {
    open();
    ASSERT_TRUE(QFile::remove(m_paths.settingsDatabase));
    type("silgEdit8", QStringLiteral("100000"));
    click("cmdSettings");
    click("optTAIncRate20");
    click("cmdSetupOK");
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_TRUE(
        m_messages.last().text.startsWith(QStringLiteral("The settings could not be saved")));
    EXPECT_EQ(m_messages.last().icon, Icon::Warning);
    EXPECT_FALSE(control<QWidget>("Frame3")->isVisible());
    EXPECT_TRUE(control<QWidget>("cmdCalculate")->isEnabled());
    EXPECT_EQ(m_state.taxLookup.AnnualTaxableIncome, 20000);
    EXPECT_EQ(m_window->settingsPanel()->settings().TAIncRate8020, 0.2);
    EXPECT_FALSE(QFile::exists(m_paths.settingsDatabase)); // no empty file left behind
}

TEST_F(AnnualWindow, UnreadableSettingsAreToldOnceAndTheDeliveredOnesUsed) {
    ASSERT_TRUE(QFile::remove(m_paths.settingsDatabase));
    open();
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_TRUE(
        m_messages.last().text.startsWith(QStringLiteral("The saved settings could not be read")));
    EXPECT_EQ(m_window->settingsPanel()->settings(), tax::deliveredSetup());
    EXPECT_TRUE(control<QRadioButton>("optTAIncRate80")->isChecked());
}

TEST_F(AnnualWindow, SettingsThatCouldNotBeReadAreNotSavedOver) {
    // A row that cannot be read whole, though the period fields could still be written.
    storeRate(0.5);
    runSettingsSql(QStringLiteral("ALTER TABLE Setup DROP COLUMN PensionCont"));
    open();
    click("cmdSettings");
    type("numUIFLimit", QStringLiteral("17712"));
    click("optTAIncRate20");
    click("cmdSetupOK");
    ASSERT_EQ(m_messages.messages().size(), 2u);
    EXPECT_TRUE(m_messages.last().text.contains(QStringLiteral("the saved ones are kept")));
    EXPECT_EQ(m_window->settingsPanel()->settings().TAIncRate8020, 0.2);
    EXPECT_EQ(settingsValue(QStringLiteral("TAIncRate8020")), 0.5);
}

// Escape closes the panel with the figures it opened with: the window and the stored row agree.
TEST_F(AnnualWindow, EscapeInTheSettingsPanelPutsTheFiguresBack) {
    open();
    click("cmdSettings");
    type("numEmpEUIF", QStringLiteral("12.5"));
    click("optTAIncRate20");
    QTest::keyClick(control("numEmpEUIF"), Qt::Key_Escape);
    EXPECT_FALSE(control<QWidget>("Frame3")->isVisible());
    EXPECT_EQ(shown("numEmpEUIF"), QStringLiteral("1.000"));
    EXPECT_TRUE(control<QRadioButton>("optTAIncRate80")->isChecked());
    EXPECT_EQ(m_window->settingsPanel()->settings().EmployeeUIF, 1.0);
    EXPECT_EQ(m_window->settingsPanel()->settings().TAIncRate8020, 0.8);
    EXPECT_EQ(settingsValue(QStringLiteral("EmployeeUIF")), 1.0);
}

TEST_F(AnnualWindow, AFailedPrintLeavesTheWindowWithItsFigures) {
    // The program folder holds no report database or layout, so the print cannot succeed.
    open();
    type("silgEdit1", QStringLiteral("40"));
    type("silgEdit2", QStringLiteral("300000"));
    click("cmdCalculate");
    click("cmdPrint");
    control<QLineEdit>("Text1")->setText(QStringLiteral("A. Employee"));
    click("Option2");
    click("cmdPD");
    EXPECT_FALSE(m_messages.messages().empty()); // the report component told the user
    EXPECT_FALSE(control<QWidget>("fraPrint")->isVisible());
    EXPECT_TRUE(m_window->isVisible());
    EXPECT_EQ(shown("numAns1"), QStringLiteral("49 780.00"));
    EXPECT_EQ(shown("silgEdit2"), QStringLiteral("300000"));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(AnnualWindow, AnAfrikaansPreviewWritesTheRecordAndSetsTheTitle) {
    ASSERT_EQ(test::createDatabase(m_paths.reportDatabase,
                                   test::sourcePath(QStringLiteral("data/sql/Crysprin.sql"))),
              QString());
    ASSERT_TRUE(QFile::copy(test::sourcePath(QStringLiteral("data/layouts/Annual.rpt")),
                            m_paths.file(QStringLiteral("Annual.rpt"))));
    open();
    type("silgEdit1", QStringLiteral("40"));
    type("silgEdit2", QStringLiteral("300000"));
    click("cmdPrint");
    control<QLineEdit>("Text1")->setText(QStringLiteral("A. Werknemer"));
    click("Option2");
    click("cmdVR");
    EXPECT_TRUE(m_messages.messages().empty()) << m_messages.last().text.toStdString();
    EXPECT_EQ(m_reports->windowTitle(), paye::kAnnualPreviewTitle);
    ASSERT_NE(m_reports->lastPreview(), nullptr);
    delete m_reports->lastPreview();

    const QString connection = QStringLiteral("check");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection);
        db.setDatabaseName(m_paths.reportDatabase);
        ASSERT_TRUE(db.open());
        QSqlQuery q(QStringLiteral("SELECT Employee, PAYENum, SalNum FROM IRP5Ann"), db);
        ASSERT_TRUE(q.next());
        EXPECT_EQ(q.value(0).toString(), QStringLiteral("Vir : A. Werknemer"));
        EXPECT_EQ(q.value(1).toDouble(), 49780);
        EXPECT_EQ(q.value(2).toDouble(), 300000);
        EXPECT_FALSE(q.next());
    }
    QSqlDatabase::removeDatabase(connection);
}

TEST_F(AnnualWindow, InformationPanelShowsItsTextAndHides) {
    open();
    click("cmdInfo");
    auto *info = control<QWidget>("fraInfo_One");
    EXPECT_TRUE(info->isVisible());
    auto *text = control<QLabel>("lblABC");
    EXPECT_TRUE(text->wordWrap());
    EXPECT_TRUE(text->text().contains(
        QStringLiteral("employer’s R/Fund contributions, that you enter here")));
    // The whole text is on the panel, not cut off.
    EXPECT_GE(text->height(), text->heightForWidth(text->width()));
    click("cmdOK_Info_One");
    EXPECT_FALSE(info->isVisible());
}

// Pictures of the window and its panels for a person to look at (in the temporary folder), and
// a check that no two fields of the form cover each other.
TEST_F(AnnualWindow, FieldsDoNotOverlapAndPicturesAreSaved) {
    open();
    type("silgEdit1", QStringLiteral("65"));
    type("silgEdit2", QStringLiteral("400000"));
    type("numEmpEEMedAidCont", QStringLiteral("30000"));
    type("numAnnCalcBens3", QStringLiteral("2"));
    click("cmdDuplicate");
    click("cmdCalculate");
    const QList<QLineEdit *> fields = m_window->findChildren<QLineEdit *>();
    for (QLineEdit *a : fields) {
        for (QLineEdit *b : fields) {
            if (a == b || !a->isVisible() || !b->isVisible())
                continue;
            const QRect ra(a->mapTo(m_window.get(), QPoint()), a->size());
            const QRect rb(b->mapTo(m_window.get(), QPoint()), b->size());
            EXPECT_FALSE(ra.intersects(rb))
                << a->objectName().toStdString() << " " << b->objectName().toStdString();
        }
    }
    const QString folder = QDir::tempPath() + QStringLiteral("/annual_");
    EXPECT_TRUE(m_window->grab().save(folder + QStringLiteral("window.png")));
    click("cmdSettings");
    EXPECT_TRUE(m_window->grab().save(folder + QStringLiteral("settings.png")));
    click("cmdSetupOK");
    click("cmdInfo");
    EXPECT_TRUE(m_window->grab().save(folder + QStringLiteral("info.png")));
    click("cmdOK_Info_One");
    click("cmdPrint");
    EXPECT_TRUE(m_window->grab().save(folder + QStringLiteral("print.png")));
}

} // namespace
