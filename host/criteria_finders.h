#pragma once
// The finders of the five criteria fields that have one: the view each opens, the filter
// built from what is typed, the field lists, and where the chosen record's values go.

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class QWidget;

namespace qv::host {

class HostSession;

enum class FinderField { LotNumber, Location, ItemNumber, ProdCode, Customer };

struct CriteriaFinder {
    FinderField field;
    const char* viewId;
    // The filter: the opening text, the field's value (trimmed or as typed), the closing text.
    const char* opening;
    bool trimInFilter;
    const char* closing;
    QList<int> fieldNumbers;  // the display, search and return lists are the same
    bool trimInitialValue;
    std::optional<int> extraSetting;
    int statusAfter;  // written once the finder has closed
    bool clearsWhateverStatus;
};

const CriteriaFinder& criteriaFinder(FinderField field);

// The host filter for the field's value. Its double quotes are doubled, the filter
// language's escape, so the value is looked for as typed.
QString finderFilter(const CriteriaFinder& finder, const QString& fieldValue);

enum class ButtonAction { None, Find, Clear };
// What a button event with code (4 finder, 5 clear) and the status on entry asks for.
ButtonAction buttonAction(const CriteriaFinder& finder, int code, int status);

// Where a chosen record's values go: the field's new value and, for the item and customer
// fields, the text of the label beside it. Nothing when the finder was cancelled.
struct FinderChoice {
    std::optional<QString> fieldValue;
    std::optional<QString> label;
};
FinderChoice finderChoice(FinderField field, const QStringList& returned);

// Shows the finder over the field's view and filter, modal, with the field's value
// preselected; status is 1 while it is open and the finder's own value once it closes.
// Returns the chosen record's values, empty when cancelled. Throws HostError.
QStringList showCriteriaFinder(const CriteriaFinder& finder, HostSession* session,
                               const QString& fieldValue, int& status, QWidget* parent);

// A lot number without its three-character suffix; the empty text when it is shorter.
QString lotNumberWithoutSuffix(const QString& lotNumber);

}  // namespace qv::host
