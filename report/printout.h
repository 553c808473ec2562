#pragma once
// The decisions and texts of a printout that need no window: the preconditions, the version
// gate, the warnings on the record count, and the orientation choice.

#include "report/lot_report.h"

#include <QString>

#include <optional>

namespace qv::report {

inline constexpr auto kNothingToPrint = u"Nothing to Print";
inline constexpr auto kNoSpreadsheetApp =
    u"Incorrect Procedure. Excel must be installed for this macro to function.  Make sure Excel "
    u"is installed before running this macro again.";
inline constexpr auto kNoRecordsFound = u"No Records Found - Skipping ";
inline constexpr auto kPrintoutStarted = u"Excel Printout Started";
inline constexpr auto kPrintoutReady = u"Excel Printout Ready";
inline constexpr auto kPrintoutRunning =
    u"A printout is already running. Start the next one when it is ready.";

// A query text this short means no search has been run (or it was cleared).
bool hasQueryToPrint(const QString& queryText);

// The message refusing a spreadsheet version too old for the report, or nothing to go on.
std::optional<QString> versionRefusal(const QString& version);

// The warning above 500 records, with the number of pages estimated at 45 rows a page.
std::optional<QString> manyRecordsWarning(qint64 recordCount);

// The state of the check box and the two menu items for one value of the check box. The
// captions name the layout that will be printed: "Landscape" (unchecked, the start) prints
// the wide layout across the page, "Portrait" (checked) the narrow one down it.
struct OrientationMarks {
    QString caption;
    bool portraitChecked = false;
    bool landscapeChecked = false;
};
OrientationMarks orientationMarks(bool checked);
PrintLayout printLayout(bool checked);

}  // namespace qv::report
