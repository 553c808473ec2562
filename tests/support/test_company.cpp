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

QByteArray TestCompany::checksum() const {
    QFile file(path());
    return file.open(QIODevice::ReadOnly)
               ? QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256)
               : QByteArray();
}

void TestCompany::addLotField(const QString& lotNum, const QString& optField,
                              const QString& value) {
    sqlite3_stmt* stmt = nullptr;
    const QByteArray lot = lotNum.toUtf8();
    sqlite3_prepare_v2(db_.get(),
                       "SELECT TRIM(ITEMNUM), TRIM(LOCATION) FROM ICXLOT WHERE LOTNUM = ?", -1,
                       &stmt, nullptr);
    sqlite3_bind_text(stmt, 1, lot.constData(), int(lot.size()), SQLITE_TRANSIENT);
    const bool found = sqlite3_step(stmt) == SQLITE_ROW;
    const auto text = [&](int column) {
        return found ? QString::fromUtf8(
                           reinterpret_cast<const char*>(sqlite3_column_text(stmt, column)))
                     : QString();
    };
    const QString item = text(0), location = text(1);
    sqlite3_finalize(stmt);
    if (!found)
        throw std::runtime_error("addLotField: no lot " + lotNum.toStdString());
    writer_->lotField({item, location, lotNum, optField, value});
}

}  // namespace qv::tests
