#pragma once
// A small company the host tests share: rows added out of key order, so key order shows.

#include "host/session.h"
#include "tests/support/test_company.h"

#include <gtest/gtest.h>

#include <memory>

namespace qv::tests {

// A test on the sample company, with a session on it and its company link open.
class SampleCompanyTest : public ::testing::Test {
protected:
    void SetUp() override {
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
        session = host::HostSession::forCompany(QStringLiteral("TEST"), company.setting(),
                                                company.folder());
        ASSERT_TRUE(session->isOpened()) << session->failure().toStdString();
        link = session->openDbLink(1, 1);
    }

    TestCompany company;
    std::unique_ptr<host::HostSession> session;
    std::shared_ptr<host::DbLink> link;
};

}  // namespace qv::tests
