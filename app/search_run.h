#pragma once
// The lot search on the main window: the criteria read from their controls, the statement
// published, the lots listed with their totals.

#include "search/lot_search_criteria.h"

namespace qv::app {

class Form2;

// The eight criteria as the user left them in their controls.
search::LotSearchCriteria readCriteria(const Form2& form);

// One search on the form's company: publishes the statement in txtSQLQuery and on the
// clipboard, lists every lot it returns and writes the summary boxes. A failure (the
// connection, a rejected statement, a record that cannot be read, a total out of range)
// goes on to the caller; the rows listed before it stay and the summary boxes keep their
// previous texts.
void runSearch(Form2& form);

}  // namespace qv::app
