#include "tests/support/test_company.h"
#include "tests/support/thrown_text.h"

#include <QFileInfo>

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(CompanyWriter, PadsToTheColumnWidthAndRefusesLongerValues) {
    EXPECT_EQ(qv::data::paddedChar("AB", 5, "T.C"), "AB   ");
    EXPECT_EQ(qv::data::paddedChar("", 2, "T.C"), "  ");
    // Width counts characters, not UTF-8 bytes.
    EXPECT_EQ(qv::data::paddedChar("\xC3\x84pfel", 6, "T.C"), "\xC3\x84pfel ");
    EXPECT_TRUE(qv::tests::thrownText<std::runtime_error>([] {
                    qv::data::paddedChar("TOOLONG", 3, "ICLOC.LOCATION");
                }).contains("ICLOC.LOCATION"));
}

TEST(TestCompany, StoresPaddedValuesThatReadersFind) {
    qv::tests::TestCompany company;
    company.addItem("A100", "Peas", "KG", "B");
    company.addLot("L1", "A100", "WH1", 12.5);
    company.addLotField("L1", "GRADE", "A");
    EXPECT_TRUE(QFileInfo(company.folder() + "/BMP/brisvale.bmp").isFile());

    auto connection =
        qv::platform::Connection::open(qv::platform::connectionString("TEST"), company.setting());
    qv::platform::Recordset lots(*connection, "SELECT LOTNUM FROM dbo.ICXLOT WHERE LOTNUM = 'l1'");
    ASSERT_FALSE(lots.eof());
    EXPECT_EQ(lots.field("LOTNUM").toString(), "L1             ");  // CHAR(15)
    // The lot's item and location went into its optional field.
    qv::platform::Recordset field(*connection,
                                  "SELECT * FROM dbo.ICXLOTO WHERE ITEMNUM = 'A100'"
                                  " AND LOCATION = 'WH1' AND VALUE = VALIFTEXT");
    EXPECT_FALSE(field.eof());

    EXPECT_THROW(company.addLotField("NOSUCHLOT", "GRADE", "A"), std::runtime_error);
    EXPECT_THROW(company.addLot("l1 ", "a100", "wh1", 1), std::runtime_error);  // same key
    EXPECT_THROW(company.exec("SELECT * FROM NOSUCHTABLE"), std::runtime_error);
}

}  // namespace
