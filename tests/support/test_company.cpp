#include "tests/support/test_company.h"

#include "data/demo_company.h"

#include <sqlite3.h>

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <stdexcept>

namespace qv::tests {

TestCompany::TestCompany() {
    if (!dir_.isValid())
        throw std::runtime_error("Cannot create a temporary folder for the test company: " +
                                 dir_.errorString().toStdString());
    db_ = qv::data::openWritableCompany(path());
    // Each helper call commits on its own; tests need no durability.
    qv::data::execSql(db_.get(), "PRAGMA synchronous = OFF; PRAGMA journal_mode = MEMORY");
    qv::data::createCompanySchema(db_.get());
    writer_ = std::make_unique<qv::data::CompanyWriter>(db_.get());
    if (!QDir().mkpath(folder() + "/BMP"))
        throw std::runtime_error("Cannot create the test company folder " + folder().toStdString());
    qv::data::writeDemoLogo(folder() + "/BMP/brisvale.bmp");
}

TestCompany::~TestCompany() = default;

QString TestCompany::path() const {
    return dir_.filePath("TEST.sqlite");
}

QByteArray TestCompany::checksum() const {
    QFile file(path());
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

QString TestCompany::folder() const {
    return dir_.filePath("TEST");
}

void TestCompany::exec(const QString& sql) {
    qv::data::execSql(db_.get(), sql.toStdString());
}

void TestCompany::addItem(const QString& itemNo, const QString& desc, const QString& stockUnit,
                          const QString& category) {
    writer_->item({.itemNo = itemNo, .desc = desc, .stockUnit = stockUnit, .category = category});
}

void TestCompany::addLot(const QString& lotNum, const QString& itemNum, const QString& location,
                         double qty, int qtyLevel, int stockDate, int expiryDate, int onQuart,
                         int onQuartDate) {
    writer_->lot({.lotNum = lotNum,
                  .itemNum = itemNum,
                  .location = location,
                  .qtyAvail = qty,
                  .qtyLevel = qtyLevel,
                  .stockDate = stockDate,
                  .expiryDate = expiryDate,
                  .onQuart = onQuart,
                  .onQuartDate = onQuartDate});
}

void TestCompany::addLotField(const QString& lotNum, const QString& optField,
                              const QString& value) {
    sqlite3_stmt* stmt = nullptr;
    const QByteArray lot = lotNum.toUtf8();
    sqlite3_prepare_v2(db_.get(), "SELECT ITEMNUM, LOCATION FROM ICXLOT WHERE LOTNUM = ?", -1,
                       &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, lot.constData(), static_cast<int>(lot.size()), SQLITE_TRANSIENT);
    const bool found = sqlite3_step(stmt) == SQLITE_ROW;
    const auto text = [stmt](int column) {
        return QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)))
            .trimmed();
    };
    const QString item = found ? text(0) : QString();
    const QString location = found ? text(1) : QString();
    sqlite3_finalize(stmt);
    if (!found)
        throw std::runtime_error("addLotField: no lot " + lotNum.toStdString());
    writer_->lotField({.itemNum = item,
                       .location = location,
                       .lotNum = lotNum,
                       .optField = optField,
                       .value = value});
}

void TestCompany::addOptionValue(const QString& optField, const QString& value,
                                 const QString& vdesc) {
    writer_->optionValue(optField, value, vdesc);
}

void TestCompany::addCategory(const QString& code, const QString& desc) {
    writer_->category(code, desc);
}

void TestCompany::addLocation(const QString& code, const QString& desc, int inactive) {
    writer_->location(code, desc, inactive);
}

void TestCompany::addOrder(const qv::data::OrderRecord& order) {
    writer_->order(order);
}

void TestCompany::addOrderLine(const qv::data::OrderLineRecord& line) {
    writer_->orderLine(line);
}

}  // namespace qv::tests
