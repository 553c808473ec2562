#include "data/company_writer.h"
#include "platform/database.h"
#include "tests/support/test_company.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(CompanyWriter, PadsToTheColumnWidthAndRefusesLongerValues) {
    EXPECT_EQ(qv::data::paddedChar("AB", 5, "T.C"), "AB   ");
    EXPECT_EQ(qv::data::paddedChar("", 2, "T.C"), "  ");
    // Width counts characters, not UTF-8 bytes.
    EXPECT_EQ(qv::data::paddedChar("\xC3\x84pfel", 6, "T.C"), "\xC3\x84pfel ");
    try {
        qv::data::paddedChar("TOOLONG", 3, "ICLOC.LOCATION");
        FAIL() << "a value longer than its column was accepted";
    } catch (const std::runtime_error& e) {
        EXPECT_NE(std::string(e.what()).find("ICLOC.LOCATION"), std::string::npos) << e.what();
    }
}

TEST(TestCompany, StoresPaddedValuesThatReadersFind) {
    qv::test::TestCompany company;
    company.addItem("A100", "Peas", "KG", "B");
    company.addLot("L1", "A100", "WH1", 12.5);
    company.addLotField("L1", "GRADE", "A");
    company.addOrder(
        {.ordUniq = 7, .orderNumber = "ORD1", .customer = "10927", .ordDate = 20240501});
    company.addOrderLine(
        {.ordUniq = 7, .lineNum = 1, .item = "A100", .qtyOrdered = 3, .orderUnit = "KG"});
    EXPECT_TRUE(QFileInfo(company.folder() + "/BMP/brisvale.bmp").isFile());

    auto connection = qv::Connection::open(qv::connectionString("TEST"), company.setting());
    qv::Recordset lots(*connection, "SELECT LOTNUM FROM dbo.ICXLOT WHERE LOTNUM = 'l1'");
    ASSERT_FALSE(lots.eof());
    EXPECT_EQ(lots.field("LOTNUM").toString(), "L1             ");  // CHAR(15)
    // The lot's item and location went into its optional field.
    qv::Recordset field(*connection, "SELECT ITEMNUM, LOCATION, VALUE, VALIFTEXT FROM dbo.ICXLOTO");
    ASSERT_FALSE(field.eof());
    EXPECT_EQ(field.field("ITEMNUM").toString().trimmed(), "A100");
    EXPECT_EQ(field.field("LOCATION").toString().trimmed(), "WH1");
    EXPECT_EQ(field.field("VALUE").toString(), field.field("VALIFTEXT").toString());
    qv::Recordset line(*connection, "SELECT ORDUNIT FROM dbo.OEORDD WHERE ORDUNIQ = 7");
    ASSERT_FALSE(line.eof());
    EXPECT_EQ(line.field("ORDUNIT").toString(), "KG        ");

    EXPECT_THROW(company.addLotField("NOSUCHLOT", "GRADE", "A"), std::runtime_error);
    EXPECT_THROW(company.addLot("l1 ", "a100", "wh1", 1), std::runtime_error);  // same key
    EXPECT_THROW(company.exec("SELECT * FROM NOSUCHTABLE"), std::runtime_error);
}

}  // namespace
