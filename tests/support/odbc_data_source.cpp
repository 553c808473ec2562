#include "tests/support/odbc_data_source.h"

#include <QDir>
#include <QFile>

#include <stdexcept>

namespace qv::tests {
namespace {

void append(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::Append) || file.write(text.toUtf8()) < 0)
        throw std::runtime_error("Cannot write " + path.toStdString());
}

}  // namespace

void addOdbcDataSource(const QString& folder, const QString& name, const QString& databaseFile) {
    const QDir dir(folder);
    if (!QFile::exists(dir.filePath("odbcinst.ini")))
        append(dir.filePath("odbcinst.ini"),
               "[SQLite3]\nDriver=/usr/lib/x86_64-linux-gnu/odbc/libsqlite3odbc.so\n");
    append(dir.filePath("odbc.ini"),
           QStringLiteral("[%1]\nDriver=SQLite3\nDatabase=%2\nNoCreat=1\nTimeout=1000\n")
               .arg(name, databaseFile));
    qputenv("ODBCSYSINI", folder.toUtf8());
    qputenv("ODBCINI", dir.filePath("odbc.ini").toUtf8());
}

}  // namespace qv::tests
