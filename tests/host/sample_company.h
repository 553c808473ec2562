#pragma once
// A small company the host tests share: rows added out of key order, so key order shows.

#include "host/session.h"
#include "tests/support/test_company.h"

namespace qv::test {

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
    const auto addOrder = [&company](int uniq, const char* number, const char* customer, int date,
                                     int shipments) {
        data::OrderRecord order;
        order.ordUniq = uniq;
        order.orderNumber = number;
        order.customer = customer;
        order.ordDate = date;
        order.numShipments = shipments;
        company.addOrder(order);
    };
    addOrder(3, "ORD3", "10927", 20261120, 0);
    addOrder(1, "ORD1", "10927", 20261101, 0);
    addOrder(2, "ORD2", "10927", 20261110, 1);
    addOrder(4, "ORD4", "29720", 20261201, 0);
}

inline std::unique_ptr<host::HostSession> sessionOn(const TestCompany& company) {
    return host::HostSession::forCompany(QStringLiteral("TEST"), company.setting(),
                                         company.folder());
}

}  // namespace qv::test
