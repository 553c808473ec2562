#pragma once
// The drill-down on the lot list: a double-click on a cell puts its value into the matching
// criteria field, shows that value's summary, and copies the value to the clipboard or
// clears it. connectDrilldownCommands wires it; the rest is here for the tests.

#include "drilldown/list_hit.h"
#include "drilldown/summary_queries.h"

#include <QString>

class QTableView;

namespace qv::app {

class Form2;

void connectDrilldownCommands(Form2& form);

// The double-click on the lot list, at the remembered mouse position.
void ListView1_DblClick(Form2& form);

// The cell of a list under the remembered mouse position: the list-view sub-item hit test
// both lists' double-clicks make.
drilldown::ListHit listHit(const Form2& form, const QTableView& list);

// The summary of value on the company link, as the summary box shows it. The pallet-status
// and location summaries also write their lot counts (txtQtyPalletStatus, lblNoLotsLocation);
// the customer-code summary reads the customer-code field, not value. A failure goes on to
// the caller before any control is written.
QString GetQty(Form2& form, drilldown::Summary summary, const QString& value);

// The item's description and stock unit on the company link; the empty text for no item.
QString GetItemDesc(Form2& form, const QString& mItemNum);

}  // namespace qv::app
