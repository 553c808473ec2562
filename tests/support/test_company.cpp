#include "tests/support/test_company.h"

#include "data/demo_company.h"

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

}  // namespace qv::tests
