#include "app/order_commands.h"

#include "app/drilldown_commands.h"
#include "app/event_hook.h"
#include "app/form2.h"
#include "app/order_panel.h"
#include "app/search_commands.h"
#include "drilldown/clipboard_transfer.h"
#include "host/field_edit_control.h"
#include "host/session.h"
#include "orders/order_finder.h"
#include "orders/order_header.h"
#include "orders/order_lines.h"
#include "orders/order_lines_model.h"
#include "platform/clock.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QTableView>

#include <utility>

namespace qv::app {

namespace {

using host::FieldEditControl;

// Status values the order field's control is given.
constexpr int kWorking = 1;
constexpr int kFinderClosed = 3;

// The order lookup opens links of its own; later summary queries use them too.
void renewLinks(Form2& form) {
    form.SecondaryLink = form.HostSession->openDbLink(0, 0);
    form.CompanyLink = form.HostSession->openDbLink(1, 0);
}

void clearOrder(Form2& form) {
    form.setWidthTwips(form.NarrowWidth);
    OrderPanel& panel = *form.orderPanel;
    // The order and expected dates and the quantity total keep what they show.
    for (QLineEdit* box : {panel.txtCustomer, panel.txtPONumber, panel.txtShipTo})
        box->clear();
    panel.feditOrder->setValue(QString());
    panel.txtComments->clear();
    for (QLineEdit* box :
         {panel.txtName, panel.txtBilName, panel.txtAddress1, panel.txtAddress2, panel.txtCity,
          panel.txtState, panel.txtZip, panel.txtCountry, panel.txtFOB, panel.txtReference,
          panel.txtHeaderDesc, panel.txtShipVia, panel.txtViaDesc, panel.txtOrdUniq,
          panel.txtOrdLineTotal, panel.txtOrdLineCount})
        box->clear();
    panel.orderLines->clear();
}

void findOrder(Form2& form, int& status) {
    FieldEditControl& order = *form.orderPanel->feditOrder;
    const QString customer = orders::customerForCategory(form.cboCategory->currentText());
    const QString filter = orders::orderFinderFilter(
        order.value(), orders::orderDateLimit(platform::today()), customer);
    status = kWorking;
    const QStringList returned =
        orders::showOrderFinder(form.HostSession.get(), order.value(), filter, &form);
    if (!returned.isEmpty()) {
        order.setValue(returned.first());
        ShowOrderHeader(form, order.value());
        ShowOrderLines(form, orders::orderUniquifier(returned.value(1)));
        form.setWidthTwips(form.WideWidth);
    }
    status = kFinderClosed;
}

// Stored texts are padded with blanks: a one-line box shows them from their start.
void showText(QWidget* box, const QString& text) {
    if (auto* comments = qobject_cast<QPlainTextEdit*>(box)) {
        comments->setPlainText(text);
    } else {
        auto* line = static_cast<QLineEdit*>(box);
        line->setText(text);
        line->setCursorPosition(0);
    }
}

// The twenty boxes in the order they are written.
void showHeaderTexts(OrderPanel& panel, const orders::OrderHeaderTexts& texts) {
    const std::pair<QWidget*, const QString&> boxes[] = {{panel.txtCustomer, texts.txtCustomer},
                                                         {panel.txtPONumber, texts.txtPONumber},
                                                         {panel.txtShipTo, texts.txtShipTo},
                                                         {panel.txtOrderDate, texts.txtOrderDate},
                                                         {panel.txtExpDate, texts.txtExpDate},
                                                         {panel.txtComments, texts.txtComments},
                                                         {panel.txtBilName, texts.txtBilName},
                                                         {panel.txtName, texts.txtName},
                                                         {panel.txtAddress1, texts.txtAddress1},
                                                         {panel.txtAddress2, texts.txtAddress2},
                                                         {panel.txtCity, texts.txtCity},
                                                         {panel.txtState, texts.txtState},
                                                         {panel.txtZip, texts.txtZip},
                                                         {panel.txtCountry, texts.txtCountry},
                                                         {panel.txtFOB, texts.txtFOB},
                                                         {panel.txtReference, texts.txtReference},
                                                         {panel.txtHeaderDesc, texts.txtHeaderDesc},
                                                         {panel.txtShipVia, texts.txtShipVia},
                                                         {panel.txtViaDesc, texts.txtViaDesc},
                                                         {panel.txtOrdUniq, texts.txtOrdUniq}};
    for (const auto& [box, text] : boxes)
        showText(box, text);
}

void connectOrderLines(Form2& form) {
    QTableView* list = form.orderPanel->ListView2;
    followListMouse(form, list);
    EventHook::install(list->viewport(), QEvent::MouseButtonDblClick, [&form](QEvent* event) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            form.guard().run(Form2::tr("Copying the order line"),
                             [&form] { ListView2_DblClick(form); });
    });
}

}  // namespace

void connectOrderCommands(Form2& form) {
    form.connectHandler(
        form.orderPanel->feditOrder, &FieldEditControl::buttonEvent, Form2::tr("Sales order"),
        [&form](int code, int& status) { feditOrder_ButtonEvent(form, code, status); });
    connectOrderLines(form);
}

void feditOrder_ButtonEvent(Form2& form, int code, int& status) {
    if (status != 0)
        return;
    if (code == FieldEditControl::kClearButton) {
        clearOrder(form);
        status = kWorking;
    } else if (code == FieldEditControl::kFinderButton) {
        findOrder(form, status);
    }
}

QString ShowOrderHeader(Form2& form, const QString& orderNumber) {
    renewLinks(form);
    const orders::OrderHeader header = orders::readOrderHeader(*form.CompanyLink, orderNumber);
    if (header.texts)
        showHeaderTexts(*form.orderPanel, *header.texts);
    restorePointer();
    return header.ordUniq;
}

void ShowOrderLines(Form2& form, qint32 orderUniquifier) {
    renewLinks(form);
    OrderPanel& panel = *form.orderPanel;
    panel.orderLines->setColumns(orders::orderLineColumns());
    orders::readOrderLines(
        *form.CompanyLink, orderUniquifier,
        [&panel](const orders::OrderLine& line, const orders::OrderLineTotals& totals) {
            panel.orderLines->addRow(line.cells);
            panel.txtOrdLineTotal->setText(totals.weightText());
            panel.txtOrdLineQtyTotal->setText(totals.qtyText());
            panel.txtOrdLineCount->setText(totals.countText());
        });
}

void ListView2_DblClick(Form2& form) {
    const OrderPanel& panel = *form.orderPanel;
    const drilldown::ListHit hit = listHit(form, *panel.ListView2);
    if (hit.item < 0)
        return;
    const orders::OrderLinesModel& lines = *panel.orderLines;
    const QString header = lines.headerData(hit.subItem, Qt::Horizontal).toString();
    if (header == QStringLiteral("Item Number")) {
        drilldown::ClipBoard_SetData(form.messages(), form.appTitle(), form.clipboard(),
                                     lines.text(hit.item, 0));
        form.feditItemNum2->setValue(lines.text(hit.item, 0));
    } else if (header == QStringLiteral("Qty")) {
        drilldown::ClipBoard_SetData(form.messages(), form.appTitle(), form.clipboard(),
                                     lines.text(hit.item, hit.subItem));
    } else {
        drilldown::ClearClipboard(form.clipboard());
    }
}

}  // namespace qv::app
