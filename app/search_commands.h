#pragma once
// The commands around the lot search on the main window: Go and the search run, the clearing
// buttons and labels, and the lot list's sorting, line indicator and remembered mouse
// position. connectSearchCommands wires them all; the rest is here for the tests and for the
// features that share them.

#include "search/lot_search_criteria.h"

#include <QPoint>
#include <QPointF>

class QTableView;

namespace qv::app {

class Form2;

// Connects the search's handlers to the window's controls, each under the handler guard.
void connectSearchCommands(Form2& form);

// Stops the running search; otherwise refuses criteria that cannot be searched, asks before
// a search without any criterion, then empties the results and searches.
void GoButton1_Click(Form2& form);

// The eight criteria as the user left them in their controls.
search::LotSearchCriteria readCriteria(const Form2& form);

// One search on the form's company, read on a worker thread while the window stays live:
// publishes the statement in txtSQLQuery and on the clipboard, lists the lots as they come
// and writes the summary boxes. Esc, or Go reading "Stop", stops it: the rows listed stay,
// the summary boxes keep "0". A failure (the connection, a rejected statement, a record
// that cannot be read, a total out of range) goes on to the caller; the rows listed before
// it stay and the summary boxes keep their previous texts.
void runSearch(Form2& form);

// Summary boxes back to "0", status and messages emptied.
void resetSummaries(Form2& form);
// The summaries reset and the lot list emptied: the state a new search starts from.
void resetSearchResults(Form2& form);
// Every criterion and the item and customer descriptions emptied, the summaries reset; the
// lot list stays.
void emptyCriteriaAndSummaries(Form2& form);

// "Clear All": every criterion, the order header and the search results.
void feditClearCount_ButtonEvent(Form2& form, int& status);
// "Clear Lists": the grade, pallet-status and category criteria only.
void feditClearDropDown_ButtonEvent(Form2& form, int& status);

// The criteria the labels beside them empty when clicked.
void emptyLocation(Form2& form);
void emptyItemNumber(Form2& form);  // and the item description
void emptyLotNumber(Form2& form);
void emptyCustomerCode(Form2& form);  // and the customer's name
void emptyProductCode(Form2& form);
void emptyGrade(Form2& form);

// A click on a column header of the lot list sorts it.
void ListView1_ColumnClick(Form2& form, int column);

// Remembers the mouse position over the list's rows whenever it moves there or presses a
// button there.
void followListMouse(Form2& form, QTableView* list);
// Remembers a mouse position over a list, given in its viewport's pixels.
void rememberListMouse(Form2& form, QPointF viewportPosition);
// The remembered position in viewport pixels.
QPoint listMousePixels(const Form2& form);

// The line indicator: "Line: N" for the selected row of the lot list, counted from 1 as
// the list shows it (after a key release in the list); nothing changes while no row is
// selected.
void showSelectedLine(Form2& form);
// A left-button click on the lot list shows the line indicator when the remembered mouse
// position lies on a row.
void ListView1_Click(Form2& form);

}  // namespace qv::app
