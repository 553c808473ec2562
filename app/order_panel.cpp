#include "app/order_panel.h"

#include "app/controls.h"
#include "app/handler_guard.h"
#include "app/window_texts.h"
#include "host/field_edit_control.h"
#include "orders/order_lines.h"
#include "orders/order_lines_model.h"
#include "platform/twips.h"

#include <QGridLayout>
#include <QGroupBox>
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

// Wide enough for the order lines' columns and the list's frame.
int panelWidth() {
    int twips = 0;
    for (const platform::ListColumn& column : orders::orderLineColumns())
        twips += column.widthTwips;
    return platform::twipsToPixels(twips) + 4;
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

// A titled group of captioned rows. In a row, captions and boxes of a fixed width keep it,
// the other boxes share the rest; a null entry pushes what follows to the right.
QGroupBox* OrderPanel::group(const QString& title,
                             const std::vector<std::pair<QLabel*, std::vector<QWidget*>>>& rows) {
    auto* box = new QGroupBox(title);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 2, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
        const auto& [label, fields] = rows[static_cast<size_t>(row)];
        if (label)
            grid->addWidget(label, row, 0);
        auto* line = new QHBoxLayout;
        line->setSpacing(6);
        for (QWidget* field : fields) {
            if (!field)
                line->addStretch(1);
            else if (qobject_cast<QLabel*>(field) || field->maximumWidth() < QWIDGETSIZE_MAX)
                line->addWidget(field);
            else
                line->addWidget(field, 1);
        }
        grid->addLayout(line, row, 1);
    }
    grid->setColumnStretch(1, 1);
    return box;
}

void OrderPanel::layOutControls() {
    // Dates and codes take the room they need; names, addresses and descriptions the rest.
    using platform::twipsToPixels;
    for (QLineEdit* box : {txtOrderDate, txtExpDate, txtOrdUniq, txtCustomer, txtShipVia, txtShipTo,
                           txtState, txtZip})
        box->setFixedWidth(twipsToPixels(1100));
    txtPONumber->setFixedWidth(twipsToPixels(1600));
    // The comment comes wrapped in lines of its own.
    txtComments->setLineWrapMode(QPlainTextEdit::NoWrap);
    // Texts keep the blanks they are stored with: shown whole up to the column's edge.
    ListView2->setTextElideMode(Qt::ElideNone);

    QGroupBox* order =
        group(tr("Order"), {{lblOrddate, {txtOrderDate, Label5, txtExpDate, nullptr, txtOrdUniq}},
                            {Label7, {txtCustomer, txtBilName}},
                            {Label9, {txtPONumber, Label10, txtReference}},
                            {caption(tr("Via"), txtShipVia),
                             {txtShipVia, txtViaDesc, caption(tr("FOB"), txtFOB), txtFOB}},
                            {caption(tr("Desc"), txtHeaderDesc), {txtHeaderDesc}}});
    QGroupBox* shipTo = group(tr("Ship to"), {{Label8, {txtShipTo, txtName}},
                                              {nullptr, {txtAddress1}},
                                              {nullptr, {txtAddress2}},
                                              {nullptr, {txtCity, txtState, txtZip, txtCountry}}});

    auto* totals = new QHBoxLayout;
    totals->addStretch();
    for (auto [label, box] : {std::pair<QLabel*, QLineEdit*>{Label13, txtOrdLineCount},
                              {Label12, txtOrdLineQtyTotal},
                              {Label11, txtOrdLineTotal}}) {
        totals->addWidget(label);
        totals->addWidget(box);
    }
    auto* panel = new QVBoxLayout(this);
    panel->setContentsMargins(0, 0, 0, 0);
    panel->setSpacing(4);
    panel->addWidget(order);
    panel->addWidget(shipTo);
    panel->addWidget(txtComments);
    panel->addWidget(ListView2, 1);
    panel->addLayout(totals);
    setMaximumWidth(panelWidth());
}

QSize OrderPanel::sizeHint() const {
    return {panelWidth(), QWidget::sizeHint().height()};
}

void OrderPanel::prepareOrderLines() {
    orderLines->setColumns(initialOrderLineColumns());
    setRowHeight(ListView2);
    ListView2->setVisible(true);
}

}  // namespace qv::app
