#pragma once
// A small company the host tests share: rows added out of key order, so key order shows.

#include "host/session.h"
#include "tests/support/test_company.h"

#include <gtest/gtest.h>

#include <memory>

namespace qv::tests {

inline void fillSampleCompany(TestCompany& company) {
    company.addLocation("XA1Y", "Annex");
    company.addLocation("B2", "Bay two", 1);
    company.addLocation("A1", "Aisle one");
    company.addCategory("C", "Chilled");
    company.addCategory("A", "");
    company.addItem("A100", "Peas", "KG", "A");
    company.addItem("B200", "Beans", "EA", "C");
    company.addLot("LOT3", "A100", "A1", 3);
    company.addLot("LOT12", "A100", "A1", 12.5);
    company.addLot("LOT120", "B200", "B2", 7, 0);
    company.addLot("LOT2", "B200", "XA1Y", 2);
    company.addLotField("LOT12", "PRODCODE", "P-1");
    company.addLotField("LOT2", "PRODCODE", "");
    company.addLotField("LOT3", "CUSTCODE", "C");
    company.addOptionValue("PALLETSTATUS", "HOLD", "On hold");
    company.addOptionValue("PALLETSTATUS", "OK", "Released");
    company.addOptionValue("CUSTCODE", "C", "Cafe");
    company.addOptionValue("CUSTCODE", "CX", "Cafe express");
    company.addOptionValue("CUSTCODE", "D", "Depot");
    company.addOrder(
        {.ordUniq = 3, .orderNumber = "ORD3", .customer = "10927", .ordDate = 20261120});
    company.addOrder(
        {.ordUniq = 1, .orderNumber = "ORD1", .customer = "10927", .ordDate = 20261101});
    company.addOrder({.ordUniq = 2,
                      .orderNumber = "ORD2",
                      .customer = "10927",
                      .ordDate = 20261110,
                      .numShipments = 1});
    company.addOrder(
        {.ordUniq = 4, .orderNumber = "ORD4", .customer = "29720", .ordDate = 20261201});
}

inline std::unique_ptr<host::HostSession> sessionOn(const TestCompany& company) {
    return host::HostSession::forCompany(QStringLiteral("TEST"), company.setting(),
                                         company.folder());
}

// A test on the sample company, with a session on it and its company link open.
class SampleCompanyTest : public ::testing::Test {
protected:
    void SetUp() override {
        fillSampleCompany(company);
        session = sessionOn(company);
        ASSERT_TRUE(session->isOpened()) << session->failure().toStdString();
        link = session->openDbLink(1, 1);
    }

    TestCompany company;
    std::unique_ptr<host::HostSession> session;
    std::shared_ptr<host::DbLink> link;
};

}  // namespace qv::tests
