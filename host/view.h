#pragma once
// A host view: one table of the company database with numbered fields (or, for CS0120,
// one SQL statement given as the filter). Records come in key order.

#include <QString>
#include <QStringList>
#include <QVariant>

namespace qv::host {

class View {
public:
    virtual ~View() = default;
    virtual QString id() const = 0;
    virtual void reset() = 0;
    // Sets the filter (host filter language; for CS0120 the SQL statement) and runs it.
    virtual void browse(const QString& filter, bool ascending) = 0;
    virtual void internalSet(int value) = 0;
    // Reads the next record; false when there is none. A view never browsed fetches all.
    virtual bool fetch() = 0;
    // Field of the current record by name (any case); throws HostError naming view and field.
    virtual QVariant field(const QString& name) const = 0;
    // The view's field names by number (1-based) -- the finder's columns.
    virtual QString fieldName(int number) const = 0;
    // Field of the current record by number (1-based), for readers walking many records.
    virtual QVariant fieldValue(int number) const { return field(fieldName(number)); }
    virtual void release() = 0;
};

}  // namespace qv::host
