#include "report/ReportComponent.h"
#include "controls/MessageService.h"
#include "paye/AnnualCalc.h"
#include "paye/AnnualReport.h"
#include "report/PdfExport.h"
#include "report/ReportDatabase.h"
#include "report/ReportPreview.h"

#include "ReportTestSupport.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPrinterInfo>
#include <QScreen>
#include <QToolBar>

#include <gtest/gtest.h>

using namespace quillon;
using namespace quillon::report;
using quillon::test::ReportFolder;

namespace {

const QString kTitle = paye::kAnnualPreviewTitle;

PrintJob annualJob(Destination destination, const QString &title = kTitle) {
    paye::AnnualInputs in;
    in.age = 40;
    in.salary = 300000;
    tax::TaxLookup lookup;
    const paye::AnnualResults out = paye::calculateAnnual(in, lookup);
    PrintJob job;
    job.tables = {ReportData::singleRecord(
        paye::kAnnualTable,
        paye::annualReportRecord(in, out, QStringLiteral("A. Person"), PrintLanguage::English))};
    job.layoutName = QStringLiteral("\\") + paye::kAnnualLayout; // as the windows name it
    job.previewTitle = title;
    job.destination = destination;
    return job;
}

// One program folder, one component, and every preview closed afterwards.
class ReportComponentTest : public ::testing::Test {
protected:
    ReportComponentTest() : m_component(m_folder.folder(), m_folder.databasePath(), m_messages) {
        QObject::connect(&m_component, &ReportComponent::previewOpened,
                         [this](QWidget *w) { m_previews.push_back(w); });
        // A printer set to a file stands in for a real one: its file is the answer.
        m_component.setExportFileChooser(
            [this](QWidget *, const QString &) { return m_component.printer().outputFileName(); });
    }
    ~ReportComponentTest() override {
        for (QWidget *w : m_previews)
            delete w;
    }

    ReportFolder m_folder;
    RecordingMessageService m_messages;
    ReportComponent m_component;
    std::vector<QPointer<QWidget>> m_previews;
};

TEST_F(ReportComponentTest, APreviewOpensNonModalWithItsTitleAndItsPages) {
    ASSERT_TRUE(m_component.print(annualJob(Destination::Preview), nullptr))
        << (m_messages.messages().empty() ? std::string() : m_messages.last().text.toStdString());
    EXPECT_TRUE(m_messages.messages().empty());
    ASSERT_EQ(m_previews.size(), 1u);
    QWidget *preview = m_component.lastPreview();
    ASSERT_EQ(preview, m_previews.front());
    EXPECT_TRUE(preview->isVisible());
    EXPECT_FALSE(preview->isModal());
    EXPECT_EQ(preview->windowTitle(), kTitle);
    EXPECT_EQ(m_component.reportFileName(), QDir(m_folder.folder()).filePath(paye::kAnnualLayout));
    auto *pages = preview->findChild<QPrintPreviewWidget *>();
    ASSERT_TRUE(pages);
    EXPECT_EQ(pages->pageCount(), 1);
    // On the screen whatever its size, the whole page in view, no orientation to change.
    EXPECT_TRUE(preview->screen()->availableGeometry().contains(
        preview->geometry().adjusted(0, -24, 0, 0)));
    EXPECT_EQ(pages->zoomMode(), QPrintPreviewWidget::FitInView);
    for (QAction *a : preview->findChild<QToolBar *>()->actions())
        EXPECT_FALSE(a->isVisible() && a->text().contains(QStringLiteral("andscape")));
}

TEST_F(ReportComponentTest, TheSuitcaseSitsOnTheToolbarAndExportsAPdf) {
    const QString target = m_folder.path(QStringLiteral("exported"));
    QString suggested;
    m_component.setExportFileChooser([&](QWidget *, const QString &s) {
        suggested = s;
        return target;
    });
    ASSERT_TRUE(m_component.print(annualJob(Destination::Preview), nullptr));
    auto *preview = qobject_cast<ReportPreview *>(m_component.lastPreview());
    ASSERT_TRUE(preview);
    QAction *exportAction = preview->exportAction();
    ASSERT_TRUE(exportAction);
    EXPECT_FALSE(exportAction->icon().isNull());
    auto *toolBar = preview->findChild<QToolBar *>();
    ASSERT_TRUE(toolBar);
    EXPECT_TRUE(toolBar->actions().contains(exportAction));

    // The keyboard reaches both commands: a shortcut each, and Tab.
    EXPECT_EQ(exportAction->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    ASSERT_TRUE(preview->printAction());
    EXPECT_EQ(preview->printAction()->shortcut(), QKeySequence(QKeySequence::Print));
    for (QAction *a : {exportAction, preview->printAction()})
        EXPECT_TRUE(toolBar->widgetForAction(a)->focusPolicy() & Qt::TabFocus);

    exportAction->trigger();
    EXPECT_TRUE(suggested.endsWith(QStringLiteral("Annual.pdf"))) << suggested.toStdString();
    EXPECT_TRUE(QFileInfo(suggested).dir().exists()) << suggested.toStdString();
    EXPECT_TRUE(preview->findChild<QLabel *>(QStringLiteral("exportStatus"))
                    ->text()
                    .contains(QDir::toNativeSeparators(target)));
    const test::PdfText pdf = test::readPdf(target + QStringLiteral(".pdf"));
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_TRUE(pdf.text.contains(QStringLiteral("Annual Check")));
    EXPECT_TRUE(m_messages.messages().empty());
}

TEST_F(ReportComponentTest, ALaterPrinterRunLeavesThePreviewAsItWas) {
    ASSERT_TRUE(m_component.print(annualJob(Destination::Preview), nullptr));
    QPointer<QWidget> preview = m_component.lastPreview();

    // Printer Setup pointed at a file stands in for a real printer; a file destination asks
    // for the file on every print, and a cancelled question prints nothing.
    const QString printed = m_folder.path(QStringLiteral("printed.pdf"));
    m_component.printer().setOutputFormat(QPrinter::PdfFormat);
    m_component.printer().setOutputFileName(m_folder.path(QStringLiteral("print.pdf")));
    QString answer;
    m_component.setExportFileChooser([&answer](QWidget *, const QString &) { return answer; });
    PrintJob direct = annualJob(Destination::Printer, QString());
    direct.tables.front().record.front().value = QStringLiteral("Changed Check");
    EXPECT_FALSE(m_component.print(direct, nullptr));
    EXPECT_FALSE(QFile::exists(m_folder.path(QStringLiteral("print.pdf"))));
    answer = printed;
    ASSERT_TRUE(m_component.print(direct, nullptr));

    ASSERT_TRUE(preview);
    EXPECT_TRUE(preview->isVisible());
    EXPECT_EQ(preview->windowTitle(), kTitle);
    EXPECT_EQ(m_component.lastPreview(), preview.data());
    EXPECT_EQ(m_component.windowTitle(), kTitle) << "a print without a title keeps the last one";
    EXPECT_EQ(m_component.destination(), Destination::Printer);
    EXPECT_EQ(m_previews.size(), 1u);
    const test::PdfText pdf = test::readPdf(printed);
    EXPECT_EQ(pdf.pages, 1);
    EXPECT_TRUE(test::withoutBlanks(pdf.text).contains(QStringLiteral("ChangedCheck")));
}

TEST_F(ReportComponentTest, NoPrinterIsToldInsteadOfPrintingNothing) {
    m_component.setPrinterCheck([](const QPrinter &) { return false; });
    EXPECT_FALSE(m_component.print(annualJob(Destination::Printer), nullptr));
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_TRUE(m_messages.last().text.startsWith(QStringLiteral("No printer is installed.")));
    EXPECT_EQ(m_messages.last().icon, MessageService::Icon::Critical);
}

TEST_F(ReportComponentTest, NoPrinterOnThisMachineIsTheSameMessage) {
    if (!QPrinterInfo::availablePrinters().isEmpty())
        GTEST_SKIP() << "this machine has a printer";
    EXPECT_FALSE(m_component.print(annualJob(Destination::Printer), nullptr));
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_TRUE(m_messages.last().text.startsWith(QStringLiteral("No printer is installed.")));
}

struct Breakage {
    const char *name;
    std::function<void(ReportFolder &, PrintJob &)> breakIt;
    const char *message;
};

class ReportComponentFailure : public ::testing::TestWithParam<Breakage> {};

TEST_P(ReportComponentFailure, TellsWhatIsMissingAndAbandonsThePrint) {
    ReportFolder folder;
    RecordingMessageService messages;
    PrintJob job = annualJob(Destination::Preview);
    GetParam().breakIt(folder, job);
    QString databasePath = folder.databasePath();
    ReportComponent component(folder.folder(), databasePath, messages);
    int opened = 0;
    QObject::connect(&component, &ReportComponent::previewOpened, [&](QWidget *w) {
        ++opened;
        delete w;
    });
    EXPECT_FALSE(component.print(job, nullptr));
    EXPECT_EQ(opened, 0);
    ASSERT_EQ(messages.messages().size(), 1u);
    EXPECT_EQ(messages.last().icon, MessageService::Icon::Critical);
    EXPECT_TRUE(messages.last().text.contains(QString::fromUtf8(GetParam().message)))
        << messages.last().text.toStdString();
    EXPECT_TRUE(messages.last().text.endsWith(QStringLiteral("The report was not printed.")));
}

INSTANTIATE_TEST_SUITE_P(
    Missing, ReportComponentFailure,
    ::testing::Values(
        Breakage{"Database", [](ReportFolder &f, PrintJob &) { QFile::remove(f.databasePath()); },
                 "Crysprin.mdb was not found."},
        Breakage{"Table",
                 [](ReportFolder &f, PrintJob &) { f.exec(QStringLiteral("DROP TABLE IRP5Ann")); },
                 "has no table \"IRP5Ann\""},
        Breakage{"Record",
                 [](ReportFolder &f, PrintJob &) { f.exec(QStringLiteral("DELETE FROM IRP5Ann")); },
                 "\"IRP5Ann\" of the report database holds no record"},
        Breakage{"Layout",
                 [](ReportFolder &f, PrintJob &) {
                     QFile::remove(f.path(QStringLiteral("Annual.rpt")));
                 },
                 "Annual.rpt was not found."},
        Breakage{"LayoutFieldNotInTable",
                 [](ReportFolder &f, PrintJob &job) {
                     f.writeFile(QStringLiteral("Odd.rpt"),
                                 QStringLiteral("quillon-layout 1\ntable IRP5Ann\nband title 20\n"
                                                "field 0 0 20 5 SalNumber"));
                     job.layoutName = QStringLiteral("Odd.rpt");
                 },
                 "line 4: the field \"SalNumber\" is not in table \"IRP5Ann\""},
        Breakage{"LayoutSyntax",
                 [](ReportFolder &f, PrintJob &job) {
                     f.writeFile(QStringLiteral("Odd.rpt"),
                                 QStringLiteral("quillon-layout 1\ntable IRP5Ann\nbox 0 0 1 1"));
                     job.layoutName = QStringLiteral("Odd.rpt");
                 },
                 "is not valid: line 3:"}),
    [](const auto &row) { return std::string(row.param.name); });

TEST_F(ReportComponentTest, WritingAndRunningAreTwoSteps) {
    // As a calculator that writes its table on "&Print" and runs on the printer button later.
    ASSERT_TRUE(m_component.write(annualJob(Destination::Printer).tables, nullptr));
    EXPECT_EQ(m_component.reportFileName(), QString()) << "writing runs nothing";
    const QString printed = m_folder.path(QStringLiteral("printed.pdf"));
    m_component.printer().setOutputFormat(QPrinter::PdfFormat);
    m_component.printer().setOutputFileName(printed);
    ASSERT_TRUE(
        m_component.run(QStringLiteral("\\Annual.rpt"), QString(), Destination::Printer, nullptr));
    EXPECT_EQ(m_component.reportFileName(), QDir(m_folder.folder()).filePath(paye::kAnnualLayout));
    EXPECT_TRUE(
        test::withoutBlanks(test::readPdf(printed).text).contains(QStringLiteral("A.Person")));
    EXPECT_TRUE(m_messages.messages().empty());

    // A table that cannot be written stops the write after the tables before it.
    std::vector<ReportData> tables = annualJob(Destination::Preview).tables;
    tables.front().record[1].value = QStringLiteral("Written first");
    tables.push_back(ReportData::singleRecord(QStringLiteral("NoSuchTable"), {}));
    EXPECT_FALSE(m_component.write(tables, nullptr));
    ASSERT_EQ(m_messages.messages().size(), 1u);
    EXPECT_TRUE(m_messages.last().text.contains(QStringLiteral("has no table \"NoSuchTable\"")));
    const auto record = ReportDatabase(m_folder.databasePath()).readFirstRecord(paye::kAnnualTable);
    ASSERT_TRUE(record);
    EXPECT_EQ((*record)[1].value.toString(), QStringLiteral("Written first"));
}

// A loan-style print: one job writes the Loans record and the Amort rows its detail band reads.
TEST(ReportComponentRows, OnePrintWritesTwoTablesForTheScheduleLayout) {
    ReportFolder folder;
    folder.writeFile(QStringLiteral("Sched.rpt"), QStringLiteral(R"(quillon-layout 1
table Loans
page A4 portrait
margins 15 15 15 15
band title 20
  field 0 0 180 10 Heading bold
band header 8
  text 0 0 30 8 "Year"
  text 30 0 50 8 "Capital" align=right
band detail 6 table=Amort
  field 0 0 30 6 Year format="0"
  field 30 0 50 6 Capital format="# ### ##0.00" align=right
band footer 8
  text 0 0 180 8 "page {page} of {pages}" align=right
)"));
    std::vector<ReportRecord> rows;
    for (int i = 1; i <= 100; ++i)
        rows.push_back({{QStringLiteral("Year"), i}, {QStringLiteral("Capital"), 1000.0 * i}});
    PrintJob job;
    job.tables = {ReportData::singleRecord(
                      QStringLiteral("Loans"),
                      {{QStringLiteral("Heading"), QStringLiteral("Monthly repayment")}}),
                  ReportData::rowTable(QStringLiteral("Amort"), rows)};
    job.layoutName = QStringLiteral("Sched.rpt");
    job.destination = Destination::Printer;

    RecordingMessageService messages;
    ReportComponent component(folder.folder(), folder.databasePath(), messages);
    const QString printed = folder.path(QStringLiteral("sched.pdf"));
    component.printer().setOutputFormat(QPrinter::PdfFormat);
    component.printer().setOutputFileName(printed);
    component.setExportFileChooser([&printed](QWidget *, const QString &) { return printed; });
    ASSERT_TRUE(component.print(job, nullptr))
        << (messages.messages().empty() ? std::string() : messages.last().text.toStdString());
    const QString exported = folder.path(QStringLiteral("exported.pdf"));
    QString error;
    ASSERT_TRUE(renderToPdf(folder.path(job.layoutName), job.tables, exported, &error))
        << error.toStdString();

    // The printer and the PDF path draw the same pages: 267 mm of frame less title, header and
    // footer give 38 rows on the first page and 41 after.
    for (const QString &pdfPath : {printed, exported}) {
        SCOPED_TRACE(pdfPath.toStdString());
        const test::PdfText pdf = test::readPdf(pdfPath);
        ASSERT_EQ(pdf.pages, 3);
        // Text read back from a printer's PDF breaks words at random; compare without blanks.
        const QString text = test::withoutBlanks(pdf.text);
        EXPECT_TRUE(text.contains(QStringLiteral("Monthlyrepayment")));
        EXPECT_TRUE(text.contains(QStringLiteral("100000.00")));
        EXPECT_TRUE(text.contains(QStringLiteral("page3of3")));
        EXPECT_EQ(text.count(QStringLiteral("Capital")), 3) << "the header repeats on every page";
    }
}

} // namespace
