#pragma once
// The finder and clearing buttons of the five criteria fields that have a finder, and the
// item description that follows the item-number field. connectFinderCommands wires them;
// the rest is here for the tests.

#include "host/criteria_finders.h"

namespace qv::app {

class Form2;

void connectFinderCommands(Form2& form);

// A button event of a criteria field: code 4 opens its finder and puts the chosen record's
// values into the window, code 5 empties all criteria and summaries. status is written as
// the field expects.
void criteriaField_ButtonEvent(Form2& form, host::FinderField field, int code, int& status);

// The item-number field's value changed: lblfeditItemDesc shows that item's description.
void feditItemNum2_ValueChanged(Form2& form);

}  // namespace qv::app
