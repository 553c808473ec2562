#pragma once
// The sales order lookup on the main window: the order field's finder and clearing buttons,
// the order header panel, the order-lines list with its totals, and the list's double-click
// and remembered mouse position. connectOrderCommands wires them all; the rest is here for
// the tests.

#include <QString>

namespace qv::app {

class Form2;

// Connects the order lookup's handlers to the window's controls, each under the handler guard.
void connectOrderCommands(Form2& form);

// The order field's buttons, when the status is 0 on entry: the finder (code 4) shows the
// chosen order and widens the window, status 3 once the finder has closed; clearing (code 5)
// empties the panel and the lines and narrows the window, status 1.
void feditOrder_ButtonEvent(Form2& form, int code, int& status);

// Renews the window's links, then shows the order's header in the panel; an order number no
// order has leaves the panel as it was. Returns the order's ORDUNIQ (empty without one).
QString ShowOrderHeader(Form2& form, const QString& orderNumber);

// Renews the window's links, then lists the order's lines under a new column set, writing
// the totals after each line. Lines listed before a failure stay.
void ShowOrderLines(Form2& form, qint32 orderUniquifier);

// A double-click on an order line: its item number, or its quantity, goes on the clipboard
// (the item number also into the item criterion); any other cell empties the clipboard.
void ListView2_DblClick(Form2& form);

}  // namespace qv::app
