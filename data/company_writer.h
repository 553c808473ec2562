#pragma once
// Writes records into a company database the way the accounting system stores them: CHAR
// values padded with blanks to the column's declared width (read from the schema, so
// schema.sql stays the one place that knows the widths), dates as yyyymmdd numbers.
// Statements are prepared once per table and reused, so bulk generation stays fast.

#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace qv::data {

extern const char* const schemaSql;  // schema.sql, embedded by the build

// Owns one sqlite3 handle; closes it when it goes.
struct SqliteCloser {
    void operator()(sqlite3* db) const;
};
using SqliteHandle = std::unique_ptr<sqlite3, SqliteCloser>;

// Opens (creating when absent) a writable handle with the T-SQL functions registered, for
// use by one thread (SQLite's own locking is off, for speed). Throws std::runtime_error
// naming the file.
SqliteHandle openWritableCompany(const QString& path);

// Runs one or more statements; throws std::runtime_error with SQLite's text.
void execSql(sqlite3* db, const std::string& sql);

// text padded with blanks to width characters (UTF-8 code points); throws when it is longer.
std::string paddedChar(std::string_view text, int width, std::string_view column);

// Every member has a default, so designated initialisers may leave any of them out.
struct ItemRecord {
    QString itemNo{};
    QString desc{};
    QString stockUnit{};
    QString category{};
    double unitWeight = 0;
    QString weightUnit{};
    QString pickingSeq{};
};

struct LotRecord {
    QString lotNum{};
    QString itemNum{};
    QString location{};
    double qtyAvail = 0;
    int qtyLevel = 1;
    int stockDate = 0;
    int expiryDate = 0;
    int onQuart = 0;
    int onQuartDate = 0;
};

struct LotFieldRecord {
    QString itemNum{};
    QString location{};
    QString lotNum{};
    QString optField{};
    QString value{};  // text fields: VALIFTEXT carries the same value
};

struct OrderRecord {
    std::int64_t ordUniq = 0;
    QString orderNumber{};
    QString customer{};
    int ordDate = 0;
    int expDate = 0;
    int numShipments = 0;
    QString comment{};
    QString billName{};
    QString shipTo{};
    QString shipName{};
    QString shipAddress1{};
    QString shipAddress2{};
    QString shipAddress3{};
    QString shipAddress4{};
    QString city{};
    QString state{};
    QString zip{};
    QString country{};
    QString poNumber{};
    QString reference{};
    QString desc{};
    QString shipVia{};
    QString viaDesc{};
    QString fob{};
    int orderLines = 0;
};

struct OrderLineRecord {
    std::int64_t ordUniq = 0;
    int lineNum = 0;
    QString item{};
    QString desc{};
    QString location{};
    double qtyOrdered = 0;
    QString orderUnit{};
    double unitWeight = 0;
    double extWeight = 0;
    QString pickSeq{};
};

class CompanyWriter {
public:
    // db must hold the company schema; the writer does not own it.
    explicit CompanyWriter(sqlite3* db);
    ~CompanyWriter();
    CompanyWriter(const CompanyWriter&) = delete;
    CompanyWriter& operator=(const CompanyWriter&) = delete;

    // Each throws std::runtime_error naming the table and SQLite's text (a duplicate key,
    // a value too long for its column).
    void item(const ItemRecord& r);
    void lot(const LotRecord& r);
    void lotField(const LotFieldRecord& r);
    void optionValue(const QString& optField, const QString& value, const QString& vdesc);
    void category(const QString& code, const QString& desc);
    void location(const QString& code, const QString& desc, int inactive);
    void order(const OrderRecord& r);
    void orderLine(const OrderLineRecord& r);

private:
    class Insert;
    // The prepared insert of one table, made on first use.
    Insert& insert(std::unique_ptr<Insert>& slot, const char* table,
                   std::vector<const char*> columns);

    sqlite3* db_;
    std::unique_ptr<Insert> item_, lot_, lotField_, optionValue_, category_, location_, order_,
        orderLine_;
};

}  // namespace qv::data
