// Prints the annual report through "P&rint directly to printer" to the system's default queue;
// print_queue_test.sh runs it against a private print server and checks what came out.
#include "common/WindowFixture.h"
#include "paye/frmAnnual.h"

#include <QPrinterInfo>

namespace {

class AnnualQueuePrint : public quillon::test::WindowFixture {};

TEST_F(AnnualQueuePrint, GoesToTheDefaultQueue) {
    ASSERT_FALSE(QPrinterInfo::defaultPrinter().isNull()) << "no default print queue";
    copyLayout(QStringLiteral("Annual.rpt"));
    open<quillon::paye::frmAnnual>();
    type("silgEdit1", QStringLiteral("40"));
    type("silgEdit2", QStringLiteral("300000"));
    click("cmdPrint");
    click("Option1");
    click("cmdPD");
    EXPECT_TRUE(m_messages.messages().empty()) << m_messages.last().text.toStdString();
}

} // namespace
