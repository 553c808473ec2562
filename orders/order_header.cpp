#include "orders/order_header.h"

#include "host/sql_view_run.h"
#include "host/view.h"
#include "orders/format_by_length.h"
#include "platform/formats.h"
#include "platform/quoting.h"

namespace qv::orders {

using platform::valueText;

QString orderHeaderStatement(const QString& orderNumber) {
    // The blanks between the pieces are part of the statement the database receives.
    return QStringLiteral(
               " SELECT dbo.OEORDH.ORDUNIQ, dbo.OEORDH.ORDNUMBER, dbo.OEORDH.CUSTOMER, "
               "dbo.OEORDH.BILNAME, dbo.OEORDH.SHIPTO, dbo.OEORDH.SHPNAME, dbo.OEORDH.SHPADDR1, "
               "dbo.OEORDH.SHPADDR2, dbo.OEORDH.SHPADDR3, dbo.OEORDH.SHPADDR4, ") +
           QStringLiteral(
               " dbo.OEORDH.SHPCITY, dbo.OEORDH.SHPSTATE, dbo.OEORDH.SHPZIP, "
               "dbo.OEORDH.SHPCOUNTRY, dbo.OEORDH.SHPPHONE, dbo.OEORDH.PONUMBER, "
               "dbo.OEORDH.REFERENCE, dbo.OEORDH.ORDDATE, dbo.OEORDH.EXPDATE, "
               "dbo.OEORDH.SHIPVIA, ") +
           QStringLiteral(
               " dbo.OEORDH.VIADESC, dbo.OEORDH.FOB, dbo.OEORDH.[DESC] AS HEADERDESC, "
               "dbo.OEORDH.COMMENT, dbo.OEORDH.ORDLINES ") +
           QStringLiteral(" FROM dbo.OEORDH ") +
           QStringLiteral(" WHERE (dbo.OEORDH.ORDNUMBER = '") +
           platform::doubleQuotes(orderNumber, u'\'') + QStringLiteral("') ");
}

QString dateText(const QVariant& stored) {
    const QString text = valueText(stored);
    return text.left(4) + u'-' + text.mid(4, 2) + u'-' + text.right(2);
}

QString shipAddressLine(const QVariant& address2, const QVariant& address3,
                        const QVariant& address4) {
    return (valueText(address2).trimmed() + u' ' + valueText(address3).trimmed() + u' ' +
            valueText(address4).trimmed())
        .trimmed();
}

OrderHeaderTexts orderHeaderTexts(const host::View& view) {
    const auto text = [&view](const char* column) {
        return valueText(view.field(QString::fromLatin1(column)));
    };
    const auto value = [&view](const char* column) {
        return view.field(QString::fromLatin1(column));
    };
    return {.txtCustomer = text("CUSTOMER"),
            .txtPONumber = text("PONUMBER"),
            .txtShipTo = text("SHIPTO"),
            .txtOrderDate = dateText(value("ORDDATE")),
            .txtExpDate = dateText(value("EXPDATE")),
            .txtComments = FormatByLength(text("COMMENT"), kCommentLineLength),
            .txtBilName = text("BILNAME"),
            .txtName = text("SHPNAME"),
            .txtAddress1 = text("SHPADDR1"),
            .txtAddress2 = shipAddressLine(value("SHPADDR2"), value("SHPADDR3"), value("SHPADDR4")),
            .txtCity = text("SHPCITY"),
            .txtState = text("SHPSTATE"),
            .txtZip = text("SHPZIP"),
            .txtCountry = text("SHPCOUNTRY"),
            .txtFOB = text("FOB"),
            .txtReference = text("REFERENCE"),
            .txtHeaderDesc = text("HEADERDESC"),
            .txtShipVia = text("SHIPVIA"),
            .txtViaDesc = text("VIADESC"),
            .txtOrdUniq = text("ORDUNIQ")};
}

OrderHeader readOrderHeader(host::DbLink& companyLink, const QString& orderNumber) {
    const host::SqlViewRun run(companyLink, orderHeaderStatement(orderNumber));
    OrderHeader header;
    if (run.view().fetch())
        header.texts = orderHeaderTexts(run.view());
    // Without a record the field reads as nothing: the empty text.
    header.ordUniq = valueText(run.view().field(QStringLiteral("ORDUNIQ")));
    return header;
}

}  // namespace qv::orders
