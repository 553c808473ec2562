#pragma once
// What a double-click on a cell of the lot list does, by the header text of its column: the
// steps in the order they run, each reading its cell afresh from the double-clicked row.

#include "drilldown/summary_queries.h"

#include <QString>

#include <vector>

namespace qv::drilldown {

// The criteria a double-click fills.
enum class Criterion { Location, ItemNumber, LotNumber, Grade, ProdCode, Customer, PalletStatus };

struct DrillStep {
    enum class Kind {
        SetCriterion,        // the criterion's control takes the cell
        ShowSummary,         // the summary of the cell goes into its summary box
        SetItemDescription,  // the item description label takes the cell
        CopyCell,            // the cell goes on the clipboard as the list holds it
        ClearClipboard,
    };
    Kind kind;
    int cellOffset = 0;  // the cell read: this many columns right of the double-clicked one
    Criterion criterion = Criterion::Location;  // SetCriterion only
    Summary summary = Summary::Location;        // ShowSummary only
};

// The header of the check-box column: a double-click there only shows kPickMessage.
inline constexpr const char16_t* kPickHeader = u"Pick";
inline constexpr const char16_t* kPickMessage = u"JJJJJ";

// The steps for a column, its header compared exactly. Any header without steps of its own
// clears the clipboard.
std::vector<DrillStep> drillDownSteps(const QString& header);

// The value a criterion takes from its cell: the lot number without its three-character
// suffix (the empty text when the cell is shorter), every other cell as it stands.
QString criterionValue(Criterion criterion, const QString& cell);

}  // namespace qv::drilldown
