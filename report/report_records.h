#pragma once
// The records of the report query, read once and kept compactly: the report needs their
// count before it writes the first row, and the database connection is closed by then.

#include "search/string_pool.h"

#include <QString>
#include <QStringView>
#include <QVariant>

#include <array>
#include <vector>

namespace qv::platform {
struct DatabaseSetting;
}  // namespace qv::platform

namespace qv::report {

// The search statement in report order: by item, then location.
QString reportQuery(const QString& statement);

// One record of the report query as it comes, by column name; null stays null.
struct ReportRecord {
    QVariant LOCATION, ITEMNUM, LOTNUM, QTYAVAIL, UOM, GRADE, CUSTCODE, ONQUART, CATEGORY, ITEMDESC,
        PRODCODE, PALLETSTATUS, WHSCODE;
};

class ReportRecords {
public:
    // The text columns, kept trimmed: a null text reads as the empty text.
    enum Text {
        LOCATION,
        ITEMNUM,
        LOTNUM,
        UOM,
        GRADE,
        CUSTCODE,
        CATEGORY,
        ITEMDESC,
        PRODCODE,
        PALLETSTATUS,
        WHSCODE,
        TextCount
    };

    void add(const ReportRecord& record);
    qsizetype size() const { return qsizetype(records_.size()); }
    QStringView text(qsizetype i, Text column) const {
        return pool_.view(records_[std::size_t(i)].texts[column]);
    }
    // QTYAVAIL as read (null as 0).
    double quantity(qsizetype i) const { return records_[std::size_t(i)].quantity; }
    // ONQUART set: not null and not 0.
    bool onHold(qsizetype i) const { return records_[std::size_t(i)].onHold; }

private:
    struct Stored {
        std::array<search::StringPool::Id, TextCount> texts;
        double quantity;
        bool onHold;
    };
    search::StringPool pool_;  // codes, items and units repeat from record to record
    std::vector<Stored> records_;
};

// Opens a connection of its own, runs reportQuery(statement) and reads every record by
// column name. Throws DbError with the driver's text (also for a missing column).
ReportRecords readReportRecords(const QString& connectionString,
                                const platform::DatabaseSetting& setting, const QString& statement);

}  // namespace qv::report
