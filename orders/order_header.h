#pragma once
// The header of one sales order as the order panel shows it: the statement that reads it,
// the rules that turn its columns into the panel's texts, and the reading itself.

#include <QString>
#include <QVariant>

#include <optional>

namespace qv::host {
class DbLink;
class View;
}  // namespace qv::host

namespace qv::orders {

// The header statement for one order number, built piece by piece as the company database
// expects it; the number's apostrophes are doubled, so it is looked for as it stands.
QString orderHeaderStatement(const QString& orderNumber);

// A stored date (the number yyyymmdd) as text: its first four characters, "-", its fifth
// and sixth, "-", its last two. 20261105 gives "2026-11-05"; 0 (no date) gives "0--0".
QString dateText(const QVariant& stored);

// The second address line of the panel: the second, third and fourth address lines of the
// order, blanks around each removed, one blank between them, trimmed as a whole.
QString shipAddressLine(const QVariant& address2, const QVariant& address3,
                        const QVariant& address4);

// The texts of the order panel's twenty header boxes, named after them. Columns without a
// rule of their own are shown as the database gives them (CHAR padding included).
struct OrderHeaderTexts {
    QString txtCustomer, txtPONumber, txtShipTo, txtOrderDate, txtExpDate, txtComments, txtBilName,
        txtName, txtAddress1, txtAddress2, txtCity, txtState, txtZip, txtCountry, txtFOB,
        txtReference, txtHeaderDesc, txtShipVia, txtViaDesc, txtOrdUniq;
};

// The comment box's lines are this long at most (unless a word is longer).
inline constexpr int kCommentLineLength = 50;

// The texts from the header record view is on.
OrderHeaderTexts orderHeaderTexts(const host::View& view);

// One order's header read through a new SQL view of the company link: the panel's texts
// when the order exists, and its ORDUNIQ (the empty text when it does not). Throws
// host::HostError when the view or the statement fails.
struct OrderHeader {
    std::optional<OrderHeaderTexts> texts;
    QString ordUniq;
};
OrderHeader readOrderHeader(host::DbLink& companyLink, const QString& orderNumber);

}  // namespace qv::orders
