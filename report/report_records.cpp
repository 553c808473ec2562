#include "report/report_records.h"

#include "platform/database.h"

namespace qv::report {

namespace {

QString trimmedText(const QVariant& value) {
    return value.isNull() ? QString() : value.toString().trimmed();
}

constexpr std::array<const char*, 13> kColumns = {
    "LOCATION", "ITEMNUM",  "LOTNUM",   "QTYAVAIL", "UOM",          "GRADE",  "CUSTCODE",
    "ONQUART",  "CATEGORY", "ITEMDESC", "PRODCODE", "PALLETSTATUS", "WHSCODE"};

}  // namespace

QString reportQuery(const QString& statement) {
    return statement + QStringLiteral("  ORDER BY ITEMNUM, LOCATION ");
}

void ReportRecords::add(const ReportRecord& r) {
    Stored stored{};
    const QVariant* texts[TextCount] = {&r.LOCATION, &r.ITEMNUM,      &r.LOTNUM,   &r.UOM,
                                        &r.GRADE,    &r.CUSTCODE,     &r.CATEGORY, &r.ITEMDESC,
                                        &r.PRODCODE, &r.PALLETSTATUS, &r.WHSCODE};
    for (int t = 0; t < TextCount; ++t)
        stored.texts[std::size_t(t)] = pool_.intern(trimmedText(*texts[t]));
    stored.quantity = r.QTYAVAIL.isNull() ? 0.0 : r.QTYAVAIL.toDouble();
    stored.onHold = !r.ONQUART.isNull() && r.ONQUART.toDouble() != 0;
    records_.push_back(stored);
}

ReportRecords readReportRecords(const QString& connectionString,
                                const platform::DatabaseSetting& setting,
                                const QString& statement) {
    const auto connection = platform::Connection::open(connectionString, setting);
    ReportRecords records;
    {
        platform::Recordset recordset(*connection, reportQuery(statement));
        std::array<int, kColumns.size()> index{};
        for (std::size_t c = 0; c < kColumns.size(); ++c)
            index[c] = recordset.fieldIndex(QString::fromLatin1(kColumns[c]));
        for (; !recordset.eof(); recordset.moveNext()) {
            const auto v = [&](std::size_t c) { return recordset.value(index[c]); };
            records.add(
                {v(0), v(1), v(2), v(3), v(4), v(5), v(6), v(7), v(8), v(9), v(10), v(11), v(12)});
        }
    }
    return records;
}

}  // namespace qv::report
