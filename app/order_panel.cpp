#include "app/order_panel.h"

#include "app/controls.h"
#include "app/handler_guard.h"
#include "app/window_texts.h"
#include "host/field_edit_control.h"
#include "orders/order_lines_model.h"
#include "platform/twips.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTableView>
#include <QVBoxLayout>

#include <utility>

namespace qv::app {

namespace {

// An order header box: filled by the order lookup, read by the user.
QLineEdit* headerBox(const char* name, const QString& accessibleName) {
    auto* box = textBox(name, accessibleName, {}, accessibleName);
    box->setReadOnly(true);
    return box;
}

}  // namespace

OrderPanel::OrderPanel(HandlerGuard& guard, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("orderPanel"));
    createControls();
    layOutControls();
    connect(orderLines, &orders::OrderLinesModel::columnsReplaced, this, [this, &guard] {
        guard.run(tr("Order lines"), [this] {
            std::vector<int> widths;
            for (const platform::ListColumn& column : orderLines->columns())
                widths.push_back(column.widthTwips);
            setColumnWidthsTwips(ListView2, widths);
        });
    });
}

void OrderPanel::createControls() {
    feditOrder = named(new host::FieldEditControl, "feditOrder", "Ord#");
    txtOrdUniq = headerBox("txtOrdUniq", "Order uniquifier");
    txtCustomer = headerBox("txtCustomer", "Cust");
    txtBilName = headerBox("txtBilName", "Bill-to name");
    txtOrderDate = headerBox("txtOrderDate", "Order date");
    txtExpDate = headerBox("txtExpDate", "Ship date");
    txtShipVia = headerBox("txtShipVia", "Ship via");
    txtViaDesc = headerBox("txtViaDesc", "Ship via description");
    txtFOB = headerBox("txtFOB", "FOB");
    txtPONumber = headerBox("txtPONumber", "PO");
    txtReference = headerBox("txtReference", "Ref");
    txtHeaderDesc = headerBox("txtHeaderDesc", "Order description");
    txtComments = named(new QPlainTextEdit, "txtComments", "Comments");
    txtComments->setReadOnly(true);
    txtComments->setPlaceholderText(QStringLiteral("Comments"));
    txtComments->setFixedHeight(txtComments->fontMetrics().lineSpacing() * 4 + 12);
    txtShipTo = headerBox("txtShipTo", "ShpTo");
    txtName = headerBox("txtName", "Ship-to name");
    txtAddress1 = headerBox("txtAddress1", "Address 1");
    txtAddress2 = headerBox("txtAddress2", "Address 2");
    txtCity = headerBox("txtCity", "City");
    txtState = headerBox("txtState", "State");
    txtZip = headerBox("txtZip", "Zip");
    txtCountry = headerBox("txtCountry", "Country");
    ListView2 = listView("ListView2", "Order lines");
    txtOrdLineCount = numberBox("txtOrdLineCount", "Line count", "0");
    txtOrdLineQtyTotal = numberBox("txtOrdLineQtyTotal", "Total quantity ordered", "0 ");
    txtOrdLineTotal = numberBox("txtOrdLineTotal", "Total weight", "0 ");
    Label6 = named(caption("Ord#", feditOrder), "Label6", "Ord#");
    lblOrddate = named(caption("Ord", txtOrderDate), "lblOrddate", "Ord");
    Label7 = named(caption("Cust", txtCustomer), "Label7", "Cust");
    Label5 = named(caption("Ship", txtExpDate), "Label5", "Ship");
    Label8 = named(caption("ShpTo", txtShipTo), "Label8", "ShpTo");
    Label9 = named(caption("PO", txtPONumber), "Label9", "PO");
    Label10 = named(caption("Ref", txtReference), "Label10", "Ref");
    Label11 = named(caption("Lbs", txtOrdLineTotal), "Label11", "Lbs");
    Label12 = named(caption("Qty", txtOrdLineQtyTotal), "Label12", "Qty");
    Label13 = named(caption("Count", txtOrdLineCount), "Label13", "Count");

    orderLines = new orders::OrderLinesModel(this);
    ListView2->setModel(orderLines);
}

void OrderPanel::layOutControls() {
    auto* header = new QGridLayout;
    header->setContentsMargins(0, 0, 0, 0);
    header->setHorizontalSpacing(6);
    header->setVerticalSpacing(3);
    addRow(header, 0, 0, Label6, feditOrder);
    header->addWidget(txtOrdUniq, 0, 4);
    addRow(header, 1, 0, lblOrddate, txtOrderDate);
    addRow(header, 1, 3, Label5, txtExpDate);
    addRow(header, 2, 0, Label7, txtCustomer);
    header->addWidget(txtBilName, 2, 3, 1, 2);
    addRow(header, 3, 0, Label9, txtPONumber);
    addRow(header, 3, 3, Label10, txtReference);
    header->addWidget(txtShipVia, 4, 1, 1, 2);
    header->addWidget(txtViaDesc, 4, 3, 1, 2);
    header->addWidget(txtFOB, 5, 1, 1, 2);
    header->addWidget(txtHeaderDesc, 5, 3, 1, 2);
    addRow(header, 6, 0, Label8, txtShipTo);
    header->addWidget(txtName, 6, 3, 1, 2);
    header->addWidget(txtAddress1, 7, 1, 1, 4);
    header->addWidget(txtAddress2, 8, 1, 1, 4);
    header->addWidget(txtCity, 9, 1, 1, 2);
    header->addWidget(txtState, 9, 3);
    header->addWidget(txtZip, 9, 4);
    header->addWidget(txtCountry, 10, 1, 1, 2);
    header->addWidget(txtComments, 11, 1, 1, 4);
    header->setColumnStretch(1, 1);
    header->setColumnStretch(4, 1);
    auto* totals = new QHBoxLayout;
    totals->addStretch();
    for (auto [label, box] : {std::pair<QLabel*, QLineEdit*>{Label13, txtOrdLineCount},
                              {Label12, txtOrdLineQtyTotal},
                              {Label11, txtOrdLineTotal}}) {
        totals->addWidget(label);
        totals->addWidget(box);
    }
    auto* order = new QVBoxLayout(this);
    order->setContentsMargins(0, 0, 0, 0);
    order->setSpacing(4);
    order->addLayout(header);
    order->addWidget(ListView2, 1);
    order->addLayout(totals);
    setFixedWidth(platform::twipsToPixels(platform::kWideWidthTwips - platform::kNarrowWidthTwips) -
                  12);
}

void OrderPanel::prepareOrderLines() {
    orderLines->setColumns(initialOrderLineColumns());
    setRowHeight(ListView2);
    ListView2->setVisible(true);
}

}  // namespace qv::app
