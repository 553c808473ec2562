#pragma once
// Points the sign-on profile of this test executable at a company database.

#include "host/signon_profile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace qv::test {

inline void writeSignonProfile(const QString& company, const QString& database,
                               const QString& folder) {
    const QString path = host::signonProfilePath();
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        throw std::runtime_error("cannot write " + path.toStdString());
    file.write(QStringLiteral("[signon]\ncompany=%1\ndatabase=%2\nfolder=%3\n")
                   .arg(company, database, folder)
                   .toUtf8());
}

inline void removeSignonProfile() {
    QFile::remove(host::signonProfilePath());
}

}  // namespace qv::test
