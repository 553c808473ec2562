#include "orders/order_header.h"

#include "host/session.h"
#include "orders/format_by_length.h"
#include "tests/support/test_company.h"

#include <gtest/gtest.h>

namespace qv::orders {
namespace {

TEST(OrderHeader, StatementIsSentAsBuiltWithTheNumbersApostrophesDoubled) {
    EXPECT_EQ(
        orderHeaderStatement("ORD000001").toStdString(),
        " SELECT dbo.OEORDH.ORDUNIQ, dbo.OEORDH.ORDNUMBER, dbo.OEORDH.CUSTOMER, "
        "dbo.OEORDH.BILNAME, "
        "dbo.OEORDH.SHIPTO, dbo.OEORDH.SHPNAME, dbo.OEORDH.SHPADDR1, dbo.OEORDH.SHPADDR2, "
        "dbo.OEORDH.SHPADDR3, dbo.OEORDH.SHPADDR4,  dbo.OEORDH.SHPCITY, dbo.OEORDH.SHPSTATE, "
        "dbo.OEORDH.SHPZIP, dbo.OEORDH.SHPCOUNTRY, dbo.OEORDH.SHPPHONE, dbo.OEORDH.PONUMBER, "
        "dbo.OEORDH.REFERENCE, dbo.OEORDH.ORDDATE, dbo.OEORDH.EXPDATE, dbo.OEORDH.SHIPVIA,  "
        "dbo.OEORDH.VIADESC, dbo.OEORDH.FOB, dbo.OEORDH.[DESC] AS HEADERDESC, dbo.OEORDH.COMMENT, "
        "dbo.OEORDH.ORDLINES  FROM dbo.OEORDH  WHERE (dbo.OEORDH.ORDNUMBER = 'ORD000001') ");
    EXPECT_TRUE(orderHeaderStatement("O'B'").endsWith("(dbo.OEORDH.ORDNUMBER = 'O''B''') "));
}

TEST(OrderHeader, DateTextFromTheStoredNumber) {
    const std::pair<QVariant, QString> cases[] = {
        {20261105, "2026-11-05"},
        {20261105.0, "2026-11-05"},  // a decimal column read as a double
        {QStringLiteral("20261105"), "2026-11-05"},
        {0, "0--0"},  // no date
        {0.0, "0--0"},
        {QVariant(), "--"},
    };
    for (const auto& [stored, text] : cases)
        EXPECT_EQ(dateText(stored), text) << stored.toString().toStdString();
}

TEST(OrderHeader, SecondAddressLineJoinsThreeTrimmedLines) {
    const QString blanks(10, u' ');
    const struct {
        QString address2, address3, address4, line;
    } cases[] = {
        {"Gate 4" + blanks, "Bay B" + blanks, "Ring" + blanks, "Gate 4 Bay B Ring"},
        {blanks, "  Bay B" + blanks, blanks, "Bay B"},
        {"  Gate 4", blanks, "Ring", "Gate 4  Ring"},
        {blanks, blanks, blanks, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shipAddressLine(c.address2, c.address3, c.address4), c.line);
}

class OrderHeaderReading : public ::testing::Test {
protected:
    void SetUp() override {
        company.addOrder({.ordUniq = 7,
                          .orderNumber = "O'BRIEN1",
                          .customer = "10927",
                          .ordDate = 20261105,
                          .expDate = 0,
                          .comment = "Pallets wrapped\r\nNo mixed pallets",
                          .billName = "Bayside Grocers",
                          .shipTo = "SHIP1",
                          .shipName = "Bayside Depot",
                          .shipAddress1 = "4 Esplanade",
                          .shipAddress2 = "Gate 4",
                          .shipAddress4 = "Ring",
                          .city = "Wynnum",
                          .state = "QLD",
                          .zip = "4178",
                          .country = "Australia",
                          .poNumber = "PO123",
                          .reference = "Phone order",
                          .desc = "Order for Bayside",
                          .shipVia = "TRK",
                          .viaDesc = "Road Freight",
                          .fob = "Origin"});
        company.addOrder({.ordUniq = 8, .orderNumber = "ORD8", .ordDate = 20261106});
        session = host::HostSession::forCompany("TEST", company.setting(), company.folder());
        ASSERT_TRUE(session->isOpened()) << session->failure().toStdString();
        link = session->openDbLink(1, 0);
    }

    tests::TestCompany company;
    std::unique_ptr<host::HostSession> session;
    std::shared_ptr<host::DbLink> link;
};

// Texts without a rule of their own come as stored: padded to their column's width.
QString padded(const QString& text, int width) {
    return text.leftJustified(width);
}

TEST_F(OrderHeaderReading, OrderFoundFillsEveryBoxByItsRule) {
    const OrderHeader header = readOrderHeader(*link, "O'BRIEN1");
    ASSERT_TRUE(header.texts.has_value());
    const OrderHeaderTexts& t = *header.texts;
    const std::pair<QString, QString> boxes[] = {
        {t.txtCustomer, padded("10927", 12)},
        {t.txtPONumber, padded("PO123", 22)},
        {t.txtShipTo, padded("SHIP1", 6)},
        {t.txtOrderDate, "2026-11-05"},
        {t.txtExpDate, "0--0"},
        {t.txtComments,
         FormatByLength(padded("Pallets wrapped\r\nNo mixed pallets", 250), kCommentLineLength)},
        {t.txtBilName, padded("Bayside Grocers", 60)},
        {t.txtName, padded("Bayside Depot", 60)},
        {t.txtAddress1, padded("4 Esplanade", 60)},
        {t.txtAddress2, "Gate 4  Ring"},
        {t.txtCity, padded("Wynnum", 30)},
        {t.txtState, padded("QLD", 30)},
        {t.txtZip, padded("4178", 20)},
        {t.txtCountry, padded("Australia", 30)},
        {t.txtFOB, padded("Origin", 60)},
        {t.txtReference, padded("Phone order", 60)},
        {t.txtHeaderDesc, padded("Order for Bayside", 60)},
        {t.txtShipVia, padded("TRK", 6)},
        {t.txtViaDesc, padded("Road Freight", 60)},
        {t.txtOrdUniq, "7"},
    };
    for (const auto& [shown, expected] : boxes)
        EXPECT_EQ(shown.toStdString(), expected.toStdString());
    EXPECT_EQ(header.ordUniq, "7");
}

TEST_F(OrderHeaderReading, NoSuchOrderGivesNoTextsAndAnEmptyUniquifier) {
    // An apostrophe cannot end the number early and widen the statement to every order.
    for (const QString number : {"ORD9", "X' OR '1'='1"}) {
        const OrderHeader header = readOrderHeader(*link, number);
        EXPECT_FALSE(header.texts.has_value()) << number.toStdString();
        EXPECT_EQ(header.ordUniq, "");
    }
}

}  // namespace
}  // namespace qv::orders
