#include "data/company_writer.h"

#include "platform/sqlite_tsql.h"

#include <sqlite3.h>

#include <QFile>
#include <QRegularExpression>

#include <stdexcept>

namespace qv::data {

void SqliteCloser::operator()(sqlite3* db) const {
    sqlite3_close_v2(db);
}

SqliteHandle openWritableCompany(const QString& path) {
    sqlite3* raw = nullptr;
    const int rc =
        sqlite3_open_v2(QFile::encodeName(path).constData(), &raw,
                        SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    SqliteHandle db(raw);
    if (rc != SQLITE_OK)
        throw std::runtime_error("Cannot open the company database " + path.toStdString() + ": " +
                                 (raw ? sqlite3_errmsg(raw) : sqlite3_errstr(rc)));
    if (platform::registerTsqlFunctions(db.get()) != SQLITE_OK)
        throw std::runtime_error("Cannot register the T-SQL functions on " + path.toStdString() +
                                 ": " + sqlite3_errmsg(db.get()));
    return db;
}

void execSql(sqlite3* db, const std::string& sql) {
    char* message = nullptr;
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message ? message : sqlite3_errmsg(db);
        sqlite3_free(message);
        throw std::runtime_error(text);
    }
}

namespace {

// Appends text as UTF-8 to out, reusing out's storage (the plain ASCII case without a copy).
void appendUtf8(std::string& out, const QString& text) {
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            out += text.toUtf8().toStdString();
            return;
        }
    }
    for (const QChar c : text)
        out.push_back(static_cast<char>(c.unicode()));
}

// Pads the UTF-8 text with blanks to width characters.
void padInPlace(std::string& text, int width, std::string_view column) {
    int characters = 0;
    for (const char c : text)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;  // not continuations
    if (characters > width)
        throw std::runtime_error(std::string(column) + ": \"" + text + "\" is longer than " +
                                 std::to_string(width) + " characters");
    text.append(static_cast<std::size_t>(width - characters), ' ');
}

}  // namespace

std::string paddedChar(std::string_view text, int width, std::string_view column) {
    std::string padded(text);
    padInPlace(padded, width, column);
    return padded;
}

// One prepared INSERT. Each bound column knows its CHAR width (0: not a CHAR column).
class CompanyWriter::Insert {
public:
    Insert(sqlite3* db, const char* table, const std::vector<const char*>& columns)
        : db_(db), table_(table) {
        std::string names, marks;
        for (const char* column : columns) {
            names += std::string(names.empty() ? "" : ", ") + "[" + column + "]";
            marks += marks.empty() ? "?" : ", ?";
            columns_.push_back(table_ + "." + column);
            widths_.push_back(charWidth(column));
        }
        buffers_.resize(columns.size());
        const std::string sql = "INSERT INTO " + table_ + " (" + names + ") VALUES (" + marks + ")";
        if (sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &stmt_, nullptr) !=
            SQLITE_OK)
            fail();
    }
    ~Insert() { sqlite3_finalize(stmt_); }
    Insert(const Insert&) = delete;
    Insert& operator=(const Insert&) = delete;

    // The bound text stays in the column's own buffer until the row is written: no copies.
    Insert& text(const QString& value) {
        const std::size_t i = next_++;
        std::string& buffer = buffers_[i];
        buffer.clear();
        appendUtf8(buffer, value);
        if (widths_[i] > 0)
            padInPlace(buffer, widths_[i], columns_[i]);
        check(sqlite3_bind_text(stmt_, static_cast<int>(i + 1), buffer.data(),
                                static_cast<int>(buffer.size()), SQLITE_STATIC));
        return *this;
    }
    Insert& integer(std::int64_t value) {
        check(sqlite3_bind_int64(stmt_, static_cast<int>(++next_), value));
        return *this;
    }
    Insert& real(double value) {
        check(sqlite3_bind_double(stmt_, static_cast<int>(++next_), value));
        return *this;
    }
    void run() {
        next_ = 0;
        const int rc = sqlite3_step(stmt_);
        sqlite3_reset(stmt_);
        if (rc != SQLITE_DONE)
            fail();
    }

private:
    // The declared width of a CHAR(n) column, from the schema itself.
    int charWidth(const char* column) const {
        sqlite3_stmt* info = nullptr;
        const std::string sql =
            "SELECT type FROM pragma_table_info('" + table_ + "') WHERE name = ?";
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &info, nullptr) != SQLITE_OK)
            fail();
        sqlite3_bind_text(info, 1, column, -1, SQLITE_STATIC);
        int width = -1;
        if (sqlite3_step(info) == SQLITE_ROW) {
            static const QRegularExpression kCharType(R"(^\s*CHAR\s*\(\s*(\d+)\s*\))",
                                                      QRegularExpression::CaseInsensitiveOption);
            const auto match = kCharType.match(
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(info, 0))));
            width = match.hasMatch() ? match.captured(1).toInt() : 0;
        }
        sqlite3_finalize(info);
        if (width < 0)
            throw std::runtime_error("The company schema has no column " + table_ + "." + column);
        return width;
    }
    void check(int rc) {
        if (rc != SQLITE_OK)
            fail();
    }
    [[noreturn]] void fail() const {
        throw std::runtime_error(table_ + ": " + sqlite3_errmsg(db_));
    }

    sqlite3* db_;
    std::string table_;
    std::vector<std::string> columns_;
    std::vector<int> widths_;
    std::vector<std::string> buffers_;
    sqlite3_stmt* stmt_ = nullptr;
    std::size_t next_ = 0;
};

CompanyWriter::CompanyWriter(sqlite3* db) : db_(db) {}
CompanyWriter::~CompanyWriter() = default;

CompanyWriter::Insert& CompanyWriter::insert(std::unique_ptr<Insert>& slot, const char* table,
                                             std::vector<const char*> columns) {
    if (!slot)
        slot = std::make_unique<Insert>(db_, table, columns);
    return *slot;
}

void CompanyWriter::item(const ItemRecord& r) {
    insert(item_, "ICITEM",
           {"ITEMNO", "DESC", "FMTITEMNO", "STOCKUNIT", "CATEGORY", "PICKINGSEQ", "UNITWGT",
            "WEIGHTUNIT"})
        .text(r.itemNo)
        .text(r.desc)
        .text(r.itemNo)
        .text(r.stockUnit)
        .text(r.category)
        .text(r.pickingSeq)
        .real(r.unitWeight)
        .text(r.weightUnit)
        .run();
}

void CompanyWriter::lot(const LotRecord& r) {
    insert(lot_, "ICXLOT",
           {"LOTNUM", "ITEMNUM", "LOCATION", "QTYAVAIL", "QTYLEVEL", "STOCKDATE", "EXPIRYDATE",
            "ONQUART", "ONQUARTDT"})
        .text(r.lotNum)
        .text(r.itemNum)
        .text(r.location)
        .real(r.qtyAvail)
        .integer(r.qtyLevel)
        .integer(r.stockDate)
        .integer(r.expiryDate)
        .integer(r.onQuart)
        .integer(r.onQuartDate)
        .run();
}

void CompanyWriter::lotField(const LotFieldRecord& r) {
    insert(lotField_, "ICXLOTO",
           {"ITEMNUM", "LOCATION", "LOTNUM", "OPTFIELD", "VALUE", "TYPE", "LENGTH", "VALIFTEXT"})
        .text(r.itemNum)
        .text(r.location)
        .text(r.lotNum)
        .text(r.optField)
        .text(r.value)
        .integer(1)  // text field
        .integer(60)
        .text(r.value)
        .run();
}

void CompanyWriter::optionValue(const QString& optField, const QString& value,
                                const QString& vdesc) {
    insert(optionValue_, "CSOPTFD", {"OPTFIELD", "VALUE", "VDESC"})
        .text(optField)
        .text(value)
        .text(vdesc)
        .run();
}

void CompanyWriter::category(const QString& code, const QString& desc) {
    insert(category_, "ICCATG", {"CATEGORY", "DESC"}).text(code).text(desc).run();
}

void CompanyWriter::location(const QString& code, const QString& desc, int inactive) {
    insert(location_, "ICLOC", {"LOCATION", "DESC", "INACTIVE"})
        .text(code)
        .text(desc)
        .integer(inactive)
        .run();
}

void CompanyWriter::order(const OrderRecord& r) {
    insert(order_, "OEORDH",
           {"ORDUNIQ", "ORDNUMBER", "CUSTOMER", "ORDDATE",    "EXPDATE",  "NUMSHPMENT", "COMMENT",
            "BILNAME", "SHIPTO",    "SHPNAME",  "SHPADDR1",   "SHPADDR2", "SHPADDR3",   "SHPADDR4",
            "SHPCITY", "SHPSTATE",  "SHPZIP",   "SHPCOUNTRY", "PONUMBER", "REFERENCE",  "DESC",
            "SHIPVIA", "VIADESC",   "FOB",      "ORDLINES"})
        .integer(r.ordUniq)
        .text(r.orderNumber)
        .text(r.customer)
        .integer(r.ordDate)
        .integer(r.expDate)
        .integer(r.numShipments)
        .text(r.comment)
        .text(r.billName)
        .text(r.shipTo)
        .text(r.shipName)
        .text(r.shipAddress1)
        .text(r.shipAddress2)
        .text(r.shipAddress3)
        .text(r.shipAddress4)
        .text(r.city)
        .text(r.state)
        .text(r.zip)
        .text(r.country)
        .text(r.poNumber)
        .text(r.reference)
        .text(r.desc)
        .text(r.shipVia)
        .text(r.viaDesc)
        .text(r.fob)
        .integer(r.orderLines)
        .run();
}

void CompanyWriter::orderLine(const OrderLineRecord& r) {
    insert(orderLine_, "OEORDD",
           {"ORDUNIQ", "LINENUM", "ITEM", "DESC", "LOCATION", "QTYORDERED", "ORDUNIT", "UNITWEIGHT",
            "EXTWEIGHT", "PICKSEQ"})
        .integer(r.ordUniq)
        .integer(r.lineNum)
        .text(r.item)
        .text(r.desc)
        .text(r.location)
        .real(r.qtyOrdered)
        .text(r.orderUnit)
        .real(r.unitWeight)
        .real(r.extWeight)
        .text(r.pickSeq)
        .run();
}

}  // namespace qv::data
