// The printout: what it holds of the pages, and its pages painted without a printer.
#include "workspace/Report.h"
#include "TestSupport.h"
#include "print/ReportPainter.h"
#include "workspace/Workspace.h"

#include <QBuffer>
#include <QPdfWriter>
#include <gtest/gtest.h>

namespace {

// The printout has one row for each type 1-5 and none for an unknown type; a file name
// cannot turn the title around.
TEST(Report, OneRowForEachTypeAndAVisibleTitle) {
    SimRig rig;
    Workspace workspace(rig.link);
    for (int k = 0; k < 6; ++k)
        workspace.image()[mem::ThermostatTable + mem::ThermostatRecordSize * k] =
            std::uint8_t(k + 1);
    const Report report = buildReport(
        workspace, QStringLiteral("/tmp/zaloha") + QChar(0x202E) + QStringLiteral("fdp.ql5"),
        QDate(2026, 12, 10));
    for (int k = 0; k < 16; ++k)
        EXPECT_EQ(report.thermostats[size_t(k)].type, k < 5 ? k + 1 : 0) << k;
    EXPECT_EQ(report.thermostats[4].label, QStringLiteral("Typ 4: 5"));
    EXPECT_EQ(report.title,
              QStringLiteral("Quel5 - konfigurace zaloha\\u202efdp.ql5 - 10. 12. 2026"));
}

// A report longer than a page goes on to the next pages, each A4.
TEST(Report, ALongReportTakesMorePagesOfA4) {
    Report report;
    report.title = QStringLiteral("Quel5 - konfigurace a.ql5 - 10. 12. 2026");
    for (int n = 0; n < 200; ++n)
        report.relays << QStringLiteral("R%1: V1 & T2").arg(n + 1);
    QBuffer pdf;
    ASSERT_TRUE(pdf.open(QIODevice::WriteOnly));
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(reportPageLayout());
        paintReport(writer, report);
    }
    EXPECT_GE(pdf.data().count("/Type /Page\n") + pdf.data().count("/Type /Page\r"), 2)
        << pdf.data().count("/Type /Page");
    EXPECT_EQ(reportPageLayout().pageSize().id(), QPageSize::A4);
}

} // namespace
