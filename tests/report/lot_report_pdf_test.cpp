// A 100-row report as a spreadsheet application prints it: LibreOffice's headless PDF
// conversion of the workbook, checked page by page. Runs where soffice is installed; where it
// is not, the test says so and is skipped.
#include "report/lot_report_writer.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

using namespace qv::report;

// Pages of the PDF: their size and their text, as read by read_pdf_pages.py.
QJsonArray pdfPages(const QString& pdf) {
    QProcess reader;
    reader.start("/usr/bin/python3", {QStringLiteral(QV_READ_PDF_SCRIPT), pdf});
    EXPECT_TRUE(reader.waitForFinished(60000));
    EXPECT_EQ(reader.exitCode(), 0) << reader.readAllStandardError().toStdString();
    return QJsonDocument::fromJson(reader.readAllStandardOutput()).array();
}

class LotReportPdfTest : public ::testing::TestWithParam<PrintLayout> {};

TEST_P(LotReportPdfTest, HundredRowsPrintOnePageWide) {
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty())
        GTEST_SKIP() << "soffice (LibreOffice) is not installed: the printed pages are not checked";

    QTemporaryDir dir;
    ReportRecords records;
    for (int i = 0; i < 100; ++i) {
        ReportRecord r;
        r.LOCATION = QString("LOC%1").arg(i / 10);
        r.ITEMNUM = QString("ITEM%1").arg(i / 20);
        r.LOTNUM = QString("LOT%1").arg(i, 4, 10, QChar('0'));
        r.QTYAVAIL = 10 + i;
        r.UOM = "EA";
        r.ITEMDESC = "Green peas, frozen";
        r.WHSCODE = "WHS";
        records.add(r);
    }
    LotReportWriter writer(dir.path(), 14, QDateTime(QDate(2026, 12, 5), QTime(9, 0)));
    writer.writeRows(records);
    writer.finish(GetParam(), records.size(), QString());

    // A profile of its own, so a LibreOffice the user has open is neither used nor disturbed.
    QProcess convert;
    convert.start(
        soffice,
        {"-env:UserInstallation=" + QUrl::fromLocalFile(dir.filePath("profile")).toString(),
         "--headless", "--convert-to", "pdf", "--outdir", dir.path(), writer.path()});
    ASSERT_TRUE(convert.waitForFinished(180000));
    const QString pdf = dir.filePath(QFileInfo(writer.path()).completeBaseName() + ".pdf");
    ASSERT_TRUE(QFileInfo::exists(pdf)) << convert.readAllStandardError().toStdString();

    const QJsonArray pages = pdfPages(pdf);
    const bool wide = GetParam() == PrintLayout::Wide;
    // Letter, across the page for the wide layout.
    const int pageWidth = wide ? 792 : 612;
    // 105 rows of 14 points need two pages even scaled to the width; split across the
    // width they would take eight or more.
    EXPECT_GE(pages.size(), 2);
    EXPECT_LE(pages.size(), 3);
    QString all;
    for (const QJsonValue& value : pages) {
        const QJsonObject page = value.toObject();
        const QString text = page["text"].toString();
        EXPECT_EQ(page["width"].toInt(), pageWidth);
        // The title rows repeat on every page, first and last printed column side by side:
        // no page holds only the columns to the right of another.
        EXPECT_TRUE(text.contains("Num")) << text.toStdString();
        EXPECT_TRUE(text.contains(wide ? "WhsCode" : "Total Row")) << text.toStdString();
        EXPECT_EQ(text.contains("WhsCode"), wide);
        all += text;
    }
    EXPECT_TRUE(all.contains("LOT0000")) << all.toStdString();
    EXPECT_TRUE(all.contains("LOT0099"));
    // The totals row lies one row below the print area.
    EXPECT_FALSE(all.contains("Lots:"));
    EXPECT_TRUE(pages.last().toObject()["text"].toString().contains("LOT0099"));
}

INSTANTIATE_TEST_SUITE_P(Layouts, LotReportPdfTest,
                         ::testing::Values(PrintLayout::Wide, PrintLayout::Narrow),
                         [](const auto& info) {
                             return info.param == PrintLayout::Wide ? "Wide" : "Narrow";
                         });

}  // namespace
